#pragma once

#include <QString>

#include <optional>

// Path and file rules shared by the whole window. Paths use "/" alone; "\" and ":" are
// ordinary characters in Linux names.

// Text after the last "/".
QString FileNamePart(const QString &path);

// Folder of a file, without a trailing "/" unless it is the root: /music/a.amr gives
// /music, /a.amr gives /.
QString DirectoryPart(const QString &path);

// Folder of the program file, ending with "/".
QString ExeDirOf(const QString &programFile);

// An entry that exists (links followed) and is not a folder.
bool FileExists(const QString &path);

bool DirectoryExists(const QString &path);

// Anything standing at exactly that path, a dangling link included.
bool EntryExists(const QString &path);

// Size in bytes of an existing file opened read-only; nothing when it cannot be opened.
std::optional<qint64> FileSizeOf(const QString &path);
