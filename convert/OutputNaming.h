#pragma once

#include <QString>

#include <functional>

// `path` with its extension (from the last "." after the last "/") replaced by `ext`, or
// with `ext` appended when it has none.
QString ChangeFileExt(const QString &path, const QString &ext);

// `stem` + `tail` as a file name of at most `nameMax` bytes in the file system's encoding:
// the stem is cut at a character boundary, no more than needed. Empty when even one
// character of the stem leaves no room.
QString FitFileName(const QString &stem, const QString &tail, int nameMax);

// Whether a candidate path is unusable because something already stands there. The
// window's answer also takes the name when it is free.
using TNameTaken = std::function<bool(const QString &path)>;

inline constexpr int kMaxOutputNumber = 100000;
inline constexpr int kDefaultNameMax = 255;

// The first free output path for the file name of `name` in `folder` with extension `ext`:
// the plain name, else name(1), name(2) ... name(100000), each with its stem shortened when
// the whole name would be longer than `nameMax` bytes; empty when all are taken or none fits.
QString MakeOutputFileName(const QString &folder, const QString &name, const QString &ext,
                           const TNameTaken &taken, int nameMax = kDefaultNameMax);
