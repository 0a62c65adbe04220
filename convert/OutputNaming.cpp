#include "convert/OutputNaming.h"

#include "app/Paths.h"

#include <QStringDecoder>
#include <QTextBoundaryFinder>

QByteArray ChangeFileExt(const QByteArray &path, const QByteArray &ext)
{
    const qsizetype dot = path.lastIndexOf('.');
    if (dot < 0 || dot < path.lastIndexOf('/'))
        return path + ext;
    return path.left(dot) + ext;
}

QByteArray FitFileName(const QByteArray &stem, const QByteArray &tail, int nameMax)
{
    if (stem.size() + tail.size() <= nameMax)
        return stem + tail;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(stem);
    if (utf8.hasError()) {
        // Not UTF-8: its encoding is unknown, so the cut falls between bytes.
        const qsizetype room = nameMax - tail.size();
        return room > 0 ? stem.left(room) + tail : QByteArray();
    }
    // Cut only between whole characters: never inside a surrogate pair or before an accent.
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    boundaries.toEnd();
    for (qsizetype end = boundaries.toPreviousBoundary(); end > 0;
         end = boundaries.toPreviousBoundary()) {
        const QByteArray cut = text.left(end).toUtf8();
        if (cut.size() + tail.size() <= nameMax)
            return cut + tail;
    }
    return QByteArray();
}

QByteArray MakeOutputFileName(const QByteArray &folder, const QByteArray &name,
                              const QByteArray &ext, const TNameTaken &taken, int nameMax)
{
    const QByteArray separator = folder.endsWith('/') ? QByteArray() : QByteArray("/");
    const QByteArray stem = ChangeFileExt(FileNamePart(name), QByteArray());
    for (int i = 0; i <= kMaxOutputNumber; ++i) {
        const QByteArray number = i == 0 ? QByteArray() : '(' + QByteArray::number(i) + ')';
        const QByteArray fitted = FitFileName(stem, number + ext, nameMax);
        if (fitted.isEmpty())
            return QByteArray(); // longer numbers fit no better
        const QByteArray candidate = folder + separator + fitted;
        if (!taken(candidate))
            return candidate;
    }
    return QByteArray();
}
