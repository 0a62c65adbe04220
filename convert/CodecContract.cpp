#include "convert/CodecContract.h"

#include <algorithm>

// Today's ffmpeg reads -ab in bits per second: "8" would ask the lowest AMR mode (4.75k), and
// without a rate LAME makes 8 kbit/s MP3s that sound worse than the memo. 8k picks the 7.95k
// mode; 64k is the rate MP3s were always made at.
QStringList CodecArguments(TDirection direction, const QString &input, const QString &output)
{
    if (direction == TDirection::AmrToMp3)
        return {"-i", input, "-y", "-ab", "64k", output};
    return {"-i", input, "-y", "-ac", "1", "-ab", "8k", "-ar", "8000", "-f", "amr",
            "-acodec", "amr_nb", output};
}

bool ReportsWriteFailure(const QString &lastWords)
{
    static const char *const markers[] = {
        "Error writing trailer of", "Error closing file", "No space left on device",
        "Disk quota exceeded",      "Input/output error",
    };
    return std::any_of(std::begin(markers), std::end(markers), [&](const char *marker) {
        return lastWords.contains(QLatin1StringView(marker));
    });
}
