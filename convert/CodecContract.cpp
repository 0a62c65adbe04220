// The codec's arguments and the reading of its words.
#include "convert/CodecContract.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// Each line the codec prints starts with its level ("[error] "), after the names of the
// parts of the codec that speak ("[mp3 @ 0x55d0] ").
const QRegularExpression &ErrorLine()
{
    static const QRegularExpression line(
        QStringLiteral(R"(^(?:\[[^\]\n]*\] )*\[(?:error|fatal|panic)\] (.*)$)"),
        QRegularExpression::MultilineOption);
    return line;
}

const QRegularExpression &WarningLine()
{
    static const QRegularExpression line(
        QStringLiteral(R"(^(?:\[[^\]\n]*\] )*\[warning\] (.*)$)"),
        QRegularExpression::MultilineOption);
    return line;
}

// Whether one of the lines `line` matches says one of `markers`.
template <size_t N>
bool Says(const QString &consoleText, const QRegularExpression &line, const char *const (&markers)[N])
{
    QString text = consoleText;
    text.replace(u'\r', u'\n');
    for (auto lines = line.globalMatch(text); lines.hasNext();) {
        const QString said = lines.next().captured(1);
        if (std::any_of(std::begin(markers), std::end(markers), [&](const char *marker) {
                return said.contains(QLatin1StringView(marker));
            }))
            return true;
    }
    return false;
}

} // namespace

// Today's ffmpeg reads -ab in bits per second: "8" would ask the lowest AMR mode (4.75k), and
// without a rate LAME makes 8 kbit/s MP3s that sound worse than the memo. AMR is asked for its
// 7.95k mode by that mode's exact rate, which leaves the codec nothing to warn about in a
// failure's details; 64k is the rate MP3s were always made at. The codec says only its warnings and
// errors, each tagged with its level, and its progress: nothing of a file's own contents
// (the tags it would list) can pass for one of its errors.
QStringList CodecArguments(TDirection direction, const QString &input, const QString &output)
{
    // A recording without sound makes the codec fail by its exit status, which nothing a
    // file holds can fake, rather than by its words alone.
    const QStringList logging{"-loglevel", "level+warning", "-stats", "-abort_on", "empty_output"};
    if (direction == TDirection::AmrToMp3)
        return logging + QStringList{"-i", input, "-y", "-ab", "64k", "-f", "mp3", output};
    return logging + QStringList{"-i", input, "-y", "-ac", "1", "-ab", "7.95k", "-ar", "8000",
                                 "-f", "amr", "-acodec", "amr_nb", output};
}

bool ReportsWriteFailure(const QString &consoleText)
{
    static const char *const markers[] = {
        "Error writing trailer of", "Error closing file", "No space left on device",
        "Disk quota exceeded",      "Input/output error",
    };
    return Says(consoleText, ErrorLine(), markers);
}

bool ReportsNoSound(const QString &consoleText)
{
    static const char *const markers[] = {"Output file is empty, nothing was encoded"};
    return Says(consoleText, WarningLine(), markers);
}

QString WithoutLevelTags(const QString &consoleText)
{
    static const QRegularExpression tag(
        QStringLiteral(R"(\[(?:quiet|panic|fatal|error|warning|info|verbose|debug|trace)\] )"));
    return QString(consoleText).remove(tag);
}
