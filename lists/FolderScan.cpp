#include "lists/FolderScan.h"

#include "app/Paths.h"

#include <QCollator>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

namespace {

struct TFolderId {
    dev_t device;
    ino_t inode;
    bool operator==(const TFolderId &) const = default;
};

size_t qHash(const TFolderId &id, size_t seed = 0)
{
    return qHashMulti(seed, quint64(id.device), quint64(id.inode));
}

struct TEntry {
    QByteArray name;
    unsigned char type; // as readdir gives it; DT_UNKNOWN where the file system does not say
};

QList<TEntry> EntriesIn(const QByteArray &folder, int *error)
{
    QList<TEntry> entries;
    DIR *dir = ::opendir(folder.constData());
    if (!dir) {
        *error = errno;
        return entries;
    }
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.') // also "." and ".."
            entries.append({QByteArray(entry->d_name), entry->d_type});
    }
    ::closedir(dir);
    *error = 0;
    return entries;
}

void Walk(const QByteArray &folder, const std::function<bool(const QByteArray &)> &wanted,
          QSet<TFolderId> &seen, QList<QByteArray> &files, QList<TFolderProblem> *problems)
{
    int error = 0;
    QList<TEntry> entries = EntriesIn(folder, &error);
    if (error != 0) {
        problems->append({folder, error});
        return;
    }
    QList<QByteArray> names;
    for (const TEntry &entry : entries)
        names << entry.name;

    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    for (const qsizetype at : NaturalOrder(names)) {
        const QByteArray &name = names.at(at);
        const QByteArray path = prefix + name;
        const unsigned char type = entries.at(at).type;
        // A file of another kind needs no closer look.
        if ((type == DT_REG && !wanted(name)) || type == DT_FIFO || type == DT_SOCK
            || type == DT_CHR || type == DT_BLK)
            continue;
        if (type == DT_REG) {
            files << path;
            continue;
        }
        struct stat status;
        if (::stat(path.constData(), &status) != 0) {
            if (type == DT_DIR || wanted(name))
                problems->append({path, errno});
            continue;
        }
        if (S_ISREG(status.st_mode) && wanted(name))
            files << path;
        else if (S_ISDIR(status.st_mode) && !seen.contains({status.st_dev, status.st_ino})) {
            seen.insert({status.st_dev, status.st_ino});
            Walk(path, wanted, seen, files, problems);
        }
    }
}

} // namespace

QList<qsizetype> NaturalOrder(const QList<QByteArray> &names)
{
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QList<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        keys.append({collator.sortKey(ShownPath(names.at(i))), i});
    std::stable_sort(keys.begin(), keys.end(), [&](const auto &a, const auto &b) {
        const int order = a.first.compare(b.first);
        // Names the collation holds equal still come in one fixed order.
        return order != 0 ? order < 0 : names.at(a.second) < names.at(b.second);
    });
    QList<qsizetype> order;
    order.reserve(names.size());
    for (const auto &key : keys)
        order << key.second;
    return order;
}

QList<QByteArray> FilesUnder(const QByteArray &folder,
                             const std::function<bool(const QByteArray &name)> &wanted,
                             QList<TFolderProblem> *problems)
{
    QList<QByteArray> files;
    QSet<TFolderId> seen;
    struct stat status;
    if (::stat(folder.constData(), &status) != 0) {
        problems->append({folder, errno});
        return files;
    }
    if (!S_ISDIR(status.st_mode))
        return files;
    seen.insert({status.st_dev, status.st_ino});
    Walk(folder, wanted, seen, files, problems);
    return files;
}
