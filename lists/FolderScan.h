#pragma once

#include <QByteArray>
#include <QList>

#include <functional>

// Something below a folder that could not be looked at: a folder that could not be read, or
// a file of the kind wanted that could not be listed, with the errno the system gave.
struct TFolderProblem {
    QByteArray path;
    int error = 0;
};

// The files below `folder` whose names `wanted` takes, its subfolders included, as a file
// manager shows them: names starting with "." are passed over, and each folder's entries
// come in the user's natural order ("Voice 2" before "Voice 10"). Paths are the file
// system's bytes. Links are followed, but a folder reached twice is read once, so a link
// that loops back ends the walk instead of hanging it. What could not be read goes into
// `problems`.
QList<QByteArray> FilesUnder(const QByteArray &folder,
                             const std::function<bool(const QByteArray &name)> &wanted,
                             QList<TFolderProblem> *problems);

// The positions of `names` in the user's natural order: by the collation of the user's
// language, runs of digits by their value, without regard to case. Names that are not UTF-8
// are compared as they read.
QList<qsizetype> NaturalOrder(const QList<QByteArray> &names);
