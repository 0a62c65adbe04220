// The naming rule: extensions, numbers, names that fit the file system's length and cards.
#include "convert/OutputNaming.h"

#include "lists/Paths.h"

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

namespace {

// The length of the UTF-8 character that starts at `at`, or 0 where none does.
qsizetype Utf8CharAt(const QByteArray &text, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(text.at(i)); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    const qsizetype size = lead >= 0xc2 && lead <= 0xdf ? 2 : lead >= 0xe0 && lead <= 0xef ? 3
        : lead >= 0xf0 && lead <= 0xf4                  ? 4
                                                        : 0;
    if (size == 0 || at + size > text.size())
        return 0;
    for (qsizetype i = at + 1; i < at + size; ++i) {
        if ((byte(i) & 0xc0) != 0x80)
            return 0;
    }
    // No overlong forms, no surrogates, nothing past U+10FFFF.
    const unsigned char second = byte(at + 1);
    if ((lead == 0xe0 && second < 0xa0) || (lead == 0xed && second > 0x9f)
        || (lead == 0xf0 && second < 0x90) || (lead == 0xf4 && second > 0x8f))
        return 0;
    return size;
}

} // namespace

QByteArray FitForCards(const QByteArray &name)
{
    QByteArray fitted = name;
    for (qsizetype at = 0; at < fitted.size();) {
        const qsizetype size = Utf8CharAt(fitted, at);
        const char c = fitted.at(at);
        if (size == 0 || static_cast<unsigned char>(c) < 0x20 || QByteArrayView("\\:*?\"<>|").contains(c))
            fitted[at] = '_'; // a card takes UTF-8 names alone
        at += std::max<qsizetype>(size, 1);
    }
    for (qsizetype at = fitted.size() - 1; at >= 0 && (fitted.at(at) == '.' || fitted.at(at) == ' '); --at)
        fitted[at] = '_';
    return fitted;
}

TOutputName MakeOutputFileName(const QByteArray &folder, const QByteArray &name,
                               const QByteArray &ext, const TNameTaken &taken, int nameMax,
                               int from, bool fitForCards)
{
    const QByteArray stem = ChangeFileExt(FileNamePart(name), QByteArray());
    for (int i = std::max(from, 0); i <= kMaxOutputNumber; ++i) {
        const QByteArray number = i == 0 ? QByteArray() : '(' + QByteArray::number(i) + ')';
        QByteArray fitted = FitFileName(stem, number + ext, nameMax);
        if (fitted.isEmpty())
            return {}; // longer numbers fit no better
        if (fitForCards)
            fitted = FitForCards(fitted);
        if (!taken(fitted))
            return {JoinPath(folder, fitted), i};
    }
    return {};
}
