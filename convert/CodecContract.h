#pragma once

#include "app/Direction.h"

#include <QStringList>

#include <array>

// The codec program and the libraries that must lie beside it, in the order checked.
inline constexpr std::array<const char *, 4> kCodecFiles{"amrcodec.dll", "avcodec.dll",
                                                         "avformat.dll", "avutil.dll"};
inline constexpr const char *kCodecProgram = kCodecFiles[0];

// The codec's arguments for one file. Each path is one item of the list, whatever
// characters it holds, so no name can hand the codec options of its own.
QStringList CodecArguments(TDirection direction, const QString &input, const QString &output);

// Whether the codec's last words say it could not write its output whole. On a full disk
// ffmpeg reports it this way and still exits with 0, leaving a truncated file.
bool ReportsWriteFailure(const QString &lastWords);
