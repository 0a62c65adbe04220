#include "convert/CodecContract.h"

#include <algorithm>

QStringList CodecArguments(TDirection direction, const QString &input, const QString &output)
{
    if (direction == TDirection::AmrToMp3)
        return {"-i", input, "-y", output};
    return {"-i", input, "-y", "-ac", "1", "-ab", "8", "-ar", "8000", "-f", "amr",
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
