#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Path and file rules shared by the whole program. Paths use "/" alone; "\" and ":" are
// ordinary characters in Linux names.
//
// A name on disk is a string of bytes that need not be UTF-8 (a memo copied from an old
// memory card may be named in Latin-1). Such a name survives only as bytes: the native
// forms below are what the file system gave, and text is only for showing.

// The bytes the file system uses for a path typed or picked as text.
QByteArray NativePath(const QString &path);
// A path as the user reads it: undecodable bytes become U+FFFD.
QString ShownPath(const QByteArray &path);

// Text after the last "/".
QString FileNamePart(const QString &path);
QByteArray FileNamePart(const QByteArray &path);

// Folder of a file, without a trailing "/" unless it is the root: /music/a.amr gives
// /music, /a.amr gives /.
QString DirectoryPart(const QString &path);
QByteArray DirectoryPart(const QByteArray &path);

// `path` made absolute against the current folder, with "." and ".." steps taken.
QByteArray AbsolutePath(const QByteArray &path);

// Folder of the program file, ending with "/".
QString ExeDirOf(const QString &programFile);

// An entry that exists (links followed) and is not a folder.
bool FileExists(const QString &path);

bool DirectoryExists(const QString &path);
bool DirectoryExists(const QByteArray &path);

// The size of a regular file, or of the one a link leads to; nothing for anything else
// (a folder, pipe, socket or device, whose reading could block or never end). `error`
// gets the errno when the entry could not be looked at, 0 otherwise.
std::optional<qint64> RegularFileSize(const QByteArray &path, int *error = nullptr);
bool IsRegularFile(const QByteArray &path);

// The system's words for an errno, as the user reads them.
QString ErrorText(int error);
