// The naming rule for outputs, as pure functions: no disk is looked at here.
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

// `name` as a memory card or a share takes it: each character FAT and exFAT refuse
// (\ : * ? " < > | and the control characters) becomes "_", as does each byte that is not
// part of a UTF-8 character and each dot or space at its end. Any other name comes back as
// it is.
QByteArray FitForCards(const QByteArray &name);

// Whether a name is taken in the folder the rule is applied to. It only answers: the rule
// never makes anything.
using TNameTaken = std::function<bool(const QByteArray &name)>;

inline constexpr int kMaxOutputNumber = 100000;
inline constexpr int kDefaultNameMax = 255;

struct TOutputName {
    QByteArray path; // empty when none is free or none fits
    int number = -1; // 0 for the plain name, n for name(n)
};

// The first free output path for the file name of `name` in `folder` with extension `ext`:
// the plain name, else name(1), name(2) ... name(100000), starting at number `from`, each
// with its stem shortened when the whole name would be longer than `nameMax` bytes, and,
// for a folder whose file system refuses the plain name's characters, made fit for cards.
TOutputName MakeOutputFileName(const QByteArray &folder, const QByteArray &name,
                               const QByteArray &ext, const TNameTaken &taken,
                               int nameMax = kDefaultNameMax, int from = 0,
                               bool fitForCards = false);
