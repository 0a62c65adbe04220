#pragma once

// Which way a page converts: page 0 turns AMR into MP3, page 1 MP3 into AMR.
enum class TDirection { AmrToMp3, Mp3ToAmr };

// The texts in which the two pages differ.
struct TPageTexts {
    const char *selectMessage;
    const char *chooserTitle;
    const char *outputExtension;
};

inline const TPageTexts &TextsOf(TDirection direction)
{
    static constexpr TPageTexts amr{"Please select one AMR file.",
                                    "Select folder to save MP3 files.", ".mp3"};
    static constexpr TPageTexts mp3{"Please select one MP3 file.",
                                    "Select folder to save AMR files.", ".amr"};
    return direction == TDirection::Mp3ToAmr ? mp3 : amr;
}
