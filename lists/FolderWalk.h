// The looks an add makes at the file system: one file, or a whole folder walked in the order
// a file manager shows it.
#pragma once

#include <QByteArray>
#include <QList>

#include <atomic>
#include <functional>
#include <optional>

// What a file is, so that a second path to it (a link, a hard link, a link to its folder) is
// known for the same memo: its device and inode, with its modification time, which a reused
// inode would not share.
struct TFileId {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 modified = 0; // nanoseconds
    bool operator==(const TFileId &) const = default;
};
size_t qHash(const TFileId &id, size_t seed = 0);

// A memo an add found, with what one look at it told.
struct TFoundFile {
    QByteArray path; // as named: the path given, or the added folder's and the names below it
    qint64 size = 0;
    TFileId id;
    // Where it stands in an added folder: that folder's name and the memo's folders below it
    // ("" at its top). Both empty for a file added by itself.
    QByteArray tree;
    QByteArray subfolder;
};

// Something that could not be looked at: a folder that could not be read, or a file of the
// kind wanted, with the errno the system gave.
struct TFolderProblem {
    QByteArray path;
    int error = 0;
};

enum class TEntryKind { Missing, File, Folder, Other };

// One look at what `path` names, links followed: a regular file comes with what it is.
// `error` gets the errno of a look that failed for another reason than the name being gone.
TEntryKind LookAt(const QByteArray &path, TFoundFile *file, int *error);

// The files below `folder` whose names `wanted` takes, its subfolders included, handed to
// `found` one by one as a file manager shows them: names starting with "." are passed over,
// and each folder's entries come in the user's natural order ("Voice 2" before "Voice 10").
// Each entry is looked at once, relative to its folder. The walk stays inside the folder: a
// link to a file is taken as that file, a link to a folder is not followed (the folder
// itself is walked even when it is a link). It ends early once `stop` is set. What could not
// be read goes into `problems`. With `readers` above one, that many threads read folders
// side by side, ahead of the one being handed on; `found` is called from the caller's
// thread, in order, all the same.
void WalkFolder(const QByteArray &folder, const std::function<bool(const QByteArray &name)> &wanted,
                const std::function<void(TFoundFile &&file)> &found,
                QList<TFolderProblem> *problems, const std::atomic_bool *stop = nullptr,
                int readers = 1);

// The positions of `names` in the user's natural order: by the collation of the user's
// language, runs of digits by their value, without regard to case. Names that are not UTF-8
// are compared as they read.
QList<qsizetype> NaturalOrder(const QList<QByteArray> &names);
