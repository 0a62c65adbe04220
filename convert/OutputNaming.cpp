#include "convert/OutputNaming.h"

#include "app/Paths.h"

#include <QFile>
#include <QTextBoundaryFinder>

QString ChangeFileExt(const QString &path, const QString &ext)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0 || dot < path.lastIndexOf(u'/'))
        return path + ext;
    return path.left(dot) + ext;
}

QString FitFileName(const QString &stem, const QString &tail, int nameMax)
{
    const auto fits = [&](qsizetype length) {
        return QFile::encodeName(stem.left(length) + tail).size() <= nameMax;
    };
    if (fits(stem.size()))
        return stem + tail;
    // Cut only between whole characters: never inside a surrogate pair or before an accent.
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, stem);
    boundaries.toEnd();
    for (qsizetype end = boundaries.toPreviousBoundary(); end > 0;
         end = boundaries.toPreviousBoundary()) {
        if (fits(end))
            return stem.left(end) + tail;
    }
    return QString();
}

QString MakeOutputFileName(const QString &folder, const QString &name, const QString &ext,
                           const TNameTaken &taken, int nameMax)
{
    const QString separator = folder.endsWith(u'/') ? QString() : QStringLiteral("/");
    const QString stem = ChangeFileExt(FileNamePart(name), QString());
    for (int i = 0; i <= kMaxOutputNumber; ++i) {
        const QString number = i == 0 ? QString() : u'(' + QString::number(i) + u')';
        const QString fitted = FitFileName(stem, number + ext, nameMax);
        if (fitted.isEmpty())
            return QString(); // longer numbers fit no better
        const QString candidate = folder + separator + fitted;
        if (!taken(candidate))
            return candidate;
    }
    return QString();
}
