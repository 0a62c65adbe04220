#pragma once

#include <QStringList>

// The regular files below `folder`, its subfolders included, as a file manager shows them:
// names starting with "." are passed over, and each folder's entries come in natural order
// ("Voice 2" before "Voice 10"). Links are followed, but a folder reached twice is read once,
// so a link that loops back ends the walk instead of hanging it.
QStringList RegularFilesUnder(const QString &folder);

// "Voice 2" before "Voice 10": runs of digits compare by their value, the rest without case.
bool NaturalLess(const QString &a, const QString &b);
