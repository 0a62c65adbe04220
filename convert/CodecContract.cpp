#include "convert/CodecContract.h"

QStringList CodecArguments(TDirection direction, const QString &input, const QString &output)
{
    if (direction == TDirection::AmrToMp3)
        return {"-i", input, "-y", output};
    return {"-i", input, "-y", "-ac", "1", "-ab", "8", "-ar", "8000", "-f", "amr",
            "-acodec", "amr_nb", output};
}
