#pragma once

#include <QString>

#include <optional>

// Which way a page converts: page 0 turns AMR into MP3, page 1 MP3 into AMR.
enum class TDirection { AmrToMp3, Mp3ToAmr };

// The texts in which the two pages differ.
struct TPageTexts {
    const char *selectMessage;
    const char *chooserTitle;
    const char *inputExtension;
    const char *outputExtension;
};

inline const TPageTexts &TextsOf(TDirection direction)
{
    static constexpr TPageTexts amr{"Please select one AMR file.",
                                    "Select folder to save MP3 files.", ".amr", ".mp3"};
    static constexpr TPageTexts mp3{"Please select one MP3 file.",
                                    "Select folder to save AMR files.", ".mp3", ".amr"};
    return direction == TDirection::Mp3ToAmr ? mp3 : amr;
}

// Whether `path` is of the kind a page converts, by its extension in any case.
inline bool IsInputOf(TDirection direction, const QString &path)
{
    return path.endsWith(QLatin1StringView(TextsOf(direction).inputExtension), Qt::CaseInsensitive);
}

// The page a file belongs on, by its extension: ".amr" files on "AMR to MP3", ".mp3" files
// on "MP3 to AMR".
inline std::optional<TDirection> PageOfFile(const QString &path)
{
    for (const TDirection direction : {TDirection::AmrToMp3, TDirection::Mp3ToAmr}) {
        if (IsInputOf(direction, path))
            return direction;
    }
    return std::nullopt;
}
