// Which way a page converts, and the texts and kinds of file in which the two pages differ.
#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <optional>

// Page 0 turns AMR into MP3, page 1 MP3 into AMR.
enum class TDirection { AmrToMp3, Mp3ToAmr };

// The texts in which the two pages differ, translated in the window's context.
struct TPageTexts {
    const char *selectMessage;
    const char *chooserTitle;
    const char *fileHeader;
    const char *outputHeader;
    const char *outputExtension;
    // The endings of the files the page takes, in any case. Phones keep AMR speech as ".amr"
    // (narrow-band and wide-band), ".awb" (wide-band), ".3ga" (a voice recorder's), and
    // ".3gp" or ".3gpp" (a 3GPP file, whose video, if any, is left out of the MP3).
    QList<QByteArray> inputExtensions;
};

inline constexpr const char *kSizeHeader = QT_TRANSLATE_NOOP("TConverterForm", "File Size");

inline const TPageTexts &TextsOf(TDirection direction)
{
    static const TPageTexts amr{QT_TRANSLATE_NOOP("TConverterForm", "Please select one AMR file."),
                                QT_TRANSLATE_NOOP("TConverterForm", "Select folder to save MP3 files."),
                                QT_TRANSLATE_NOOP("TConverterForm", "AMR Audio File"),
                                QT_TRANSLATE_NOOP("TConverterForm", "Output MP3 File"),
                                ".mp3",
                                {".amr", ".awb", ".3ga", ".3gp", ".3gpp"}};
    static const TPageTexts mp3{QT_TRANSLATE_NOOP("TConverterForm", "Please select one MP3 file."),
                                QT_TRANSLATE_NOOP("TConverterForm", "Select folder to save AMR files."),
                                QT_TRANSLATE_NOOP("TConverterForm", "MP3 Audio File"),
                                QT_TRANSLATE_NOOP("TConverterForm", "Output AMR File"),
                                ".amr",
                                {".mp3"}};
    return direction == TDirection::Mp3ToAmr ? mp3 : amr;
}

// Whether the file named `path` ends with one of `endings` (lower case), in any case.
inline bool HasEnding(const QByteArray &path, const QList<QByteArray> &endings)
{
    const QByteArray lower = path.right(8).toLower();
    for (const QByteArray &ending : endings) {
        if (lower.endsWith(ending))
            return true;
    }
    return false;
}

// Whether the file named `path` is of the kind a page converts, by its ending in any case.
inline bool IsInputOf(TDirection direction, const QByteArray &path)
{
    return HasEnding(path, TextsOf(direction).inputExtensions);
}

// The page a file belongs on, by its ending: AMR speech on "AMR to MP3", ".mp3" files on
// "MP3 to AMR".
inline std::optional<TDirection> PageOfFile(const QByteArray &path)
{
    for (const TDirection direction : {TDirection::AmrToMp3, TDirection::Mp3ToAmr}) {
        if (IsInputOf(direction, path))
            return direction;
    }
    return std::nullopt;
}
