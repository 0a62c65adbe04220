#pragma once

#include <QByteArray>

#include <functional>

// Output names are made of the input's own bytes, whatever its encoding, so that a memo
// named in Latin-1 gives an MP3 of the same name.

// `path` with its extension (from the last "." after the last "/") replaced by `ext`, or
// with `ext` appended when it has none.
QByteArray ChangeFileExt(const QByteArray &path, const QByteArray &ext);

// `stem` + `tail` as a file name of at most `nameMax` bytes: the stem is cut at a character
// boundary (for a UTF-8 stem, never inside a character nor before its accent), no more than
// needed. Empty when even one character of the stem leaves no room.
QByteArray FitFileName(const QByteArray &stem, const QByteArray &tail, int nameMax);

// Whether a candidate path is unusable because something already stands there. A batch's
// answer also takes the name when it is free: it publishes its output there.
using TNameTaken = std::function<bool(const QByteArray &path)>;

inline constexpr int kMaxOutputNumber = 100000;
inline constexpr int kDefaultNameMax = 255;

// The first free output path for the file name of `name` in `folder` with extension `ext`:
// the plain name, else name(1), name(2) ... name(100000), each with its stem shortened when
// the whole name would be longer than `nameMax` bytes; empty when all are taken or none fits.
QByteArray MakeOutputFileName(const QByteArray &folder, const QByteArray &name,
                              const QByteArray &ext, const TNameTaken &taken,
                              int nameMax = kDefaultNameMax);
