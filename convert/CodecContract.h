// What the program relies on of the codec: its files, its arguments and what it says.
#pragma once

#include "lists/Direction.h"

#include <QStringList>

#include <array>

// The codec program and the libraries that must lie beside it, in the order checked.
inline constexpr std::array<const char *, 4> kCodecFiles{"amrcodec.dll", "avcodec.dll",
                                                         "avformat.dll", "avutil.dll"};
inline constexpr const char *kCodecProgram = kCodecFiles[0];

// The codec's arguments for one file. Each path is one item of the list, whatever
// characters it holds, so no name can hand the codec options of its own. The batch hands
// over its files as open descriptors (/dev/fd/N), so the output's format is named.
QStringList CodecArguments(TDirection direction, const QString &input, const QString &output);

// Whether the codec said it could not write its output whole. On a full disk ffmpeg says so
// and still exits with 0, leaving a truncated file. Only the codec's own error lines count:
// what it merely repeats (a file's tags, say) never does.
bool ReportsWriteFailure(const QString &consoleText);

// Whether the codec said it wrote no sound: a recording that holds none (a phone's memo cut
// off after its header) would give a file of headers alone. Asked to, the codec then fails;
// its words only say why.
bool ReportsNoSound(const QString &consoleText);

// The codec's console text as a person reads it: without the level tag of each line.
QString WithoutLevelTags(const QString &consoleText);
