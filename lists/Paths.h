// Path and file rules shared by the whole program, window and engine alike.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Paths use "/" alone; "\" and ":" are ordinary characters in Linux names.
//
// A name on disk is a string of bytes that need not be UTF-8 (a memo copied from an old
// memory card may be named in Latin-1). Such a name survives only as bytes: the native
// forms below are what the file system gave, and text is only for showing.

// The bytes the file system uses for a path typed or picked as text.
QByteArray NativePath(const QString &path);
// A path as Qt's own file classes and dialogs take it: undecodable bytes become U+FFFD.
QString DecodedPath(const QByteArray &path);
// A path as the user reads it in a list, a tooltip or a message: decoded, and each control
// character (a newline, say) shown as its picture, so that a name never splits a line.
QString ShownPath(const QByteArray &path);
QString ShownPath(const QString &path);

// The folder a chooser's answer names, bytes and all. A chooser gives text, in which a name
// that is not UTF-8 reads with U+FFFD: such a step is matched against its folder's entries.
QByteArray FolderOfShownPath(const QString &path);

// Text after the last "/".
QString FileNamePart(const QString &path);
QByteArray FileNamePart(const QByteArray &path);

// Folder of a file, without a trailing "/" unless it is the root: /music/a.amr gives
// /music, /a.amr gives /.
QString DirectoryPart(const QString &path);
QByteArray DirectoryPart(const QByteArray &path);

// `name` in `folder`, with one "/" between them, none doubled at the root.
QByteArray JoinPath(const QByteArray &folder, const QByteArray &name);

// `path` made absolute against the current folder, with "." and ".." steps taken.
QByteArray AbsolutePath(const QByteArray &path);

// Folder of the program file, ending with "/".
QString ExeDirOf(const QString &programFile);

// An entry that exists (links followed) and is not a folder.
bool FileExists(const QString &path);

bool DirectoryExists(const QByteArray &path);

// The system's words for an errno, as the user reads them.
QString ErrorText(int error);
