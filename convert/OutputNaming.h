#pragma once

#include <QString>

#include <functional>

// `path` with its extension (from the last "." after the last "/") replaced by `ext`, or
// with `ext` appended when it has none.
QString ChangeFileExt(const QString &path, const QString &ext);

// Whether anything already stands at a path.
using TNameTaken = std::function<bool(const QString &path)>;

inline constexpr int kMaxOutputNumber = 100000;

// The first free output path for the file name of `name` in `folder` with extension `ext`:
// the plain name, else name(1), name(2) ... name(100000); empty when all are taken.
QString MakeOutputFileName(const QString &folder, const QString &name, const QString &ext,
                           const TNameTaken &taken);
