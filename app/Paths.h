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

// A regular file, or a link to one: never a folder, pipe, socket or device, whose reading
// could block or never end.
bool IsRegularFile(const QString &path);

// The size of a regular file, or of the one a link leads to; nothing for anything else.
std::optional<qint64> RegularFileSize(const QString &path);

// Gives `to` the access and modification times of `from`, to the nanosecond where the file
// systems keep them. False when either refuses.
bool CopyFileTimes(const QString &from, const QString &to);

// The longest file name, in bytes, that the file system of `folder` takes.
int NameMaxOf(const QString &folder);

// Creates `path` as a new empty file, never through a link nor over anything standing
// there. 0 when it was made, else the errno (EEXIST when the name is taken).
int CreateNewFile(const QString &path);

// Removes the file at `path`; 0 when it is gone (or was never there), else the errno.
int RemoveFile(const QString &path);

// Size in bytes of an existing file opened read-only; nothing when it cannot be opened.
std::optional<qint64> FileSizeOf(const QString &path);
