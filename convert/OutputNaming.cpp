#include "convert/OutputNaming.h"

#include "app/Paths.h"

QString ChangeFileExt(const QString &path, const QString &ext)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0 || dot < path.lastIndexOf(u'/'))
        return path + ext;
    return path.left(dot) + ext;
}

QString MakeOutputFileName(const QString &folder, const QString &name, const QString &ext,
                           const TNameTaken &taken)
{
    const QString separator = folder.endsWith(u'/') ? QString() : QStringLiteral("/");
    const QString base = folder + separator + FileNamePart(name);
    QString candidate = ChangeFileExt(base, ext);
    if (!taken(candidate))
        return candidate;
    for (int i = 1; i <= kMaxOutputNumber; ++i) {
        candidate = ChangeFileExt(base, u'(' + QString::number(i) + u')' + ext);
        if (!taken(candidate))
            return candidate;
    }
    return QString();
}
