#include "lists/FolderScan.h"

#include "app/Paths.h"

#include <QCollator>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <numeric>
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
            // A link to nothing is a name that is not there: passed over as ever.
            if (errno != ENOENT && (type == DT_DIR || wanted(name)))
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

// The run of digits, or of other characters, that starts at `at`.
QStringView RunAt(QStringView text, qsizetype at)
{
    const bool digits = text.at(at).isDigit();
    qsizetype end = at + 1;
    while (end < text.size() && text.at(end).isDigit() == digits)
        ++end;
    return text.mid(at, end - at);
}

// Digit runs by value: fewer significant digits is smaller, then digit by digit.
int CompareNumbers(QStringView a, QStringView b)
{
    const auto significant = [](QStringView digits) {
        qsizetype zeros = 0;
        while (zeros + 1 < digits.size() && digits.at(zeros) == u'0')
            ++zeros;
        return digits.mid(zeros);
    };
    const QStringView x = significant(a), y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

// "Voice 2" before "Voice 10" where there is no language to collate by (the C locale, whose
// collation knows neither numbers nor case): digit runs by value, the rest without case.
bool NaturalLess(const QString &a, const QString &b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const QStringView x = RunAt(a, i), y = RunAt(b, j);
        const bool numbers = x.at(0).isDigit() && y.at(0).isDigit();
        const int order = numbers ? CompareNumbers(x, y) : x.compare(y, Qt::CaseInsensitive);
        if (order != 0)
            return order < 0;
        i += x.size();
        j += y.size();
    }
    if ((i < a.size()) != (j < b.size()))
        return j < b.size(); // a prefix comes first
    return a < b; // equal but for case or leading zeros: any fixed order
}

} // namespace

QList<qsizetype> NaturalOrder(const QList<QByteArray> &names)
{
    QList<qsizetype> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    if (QLocale().language() == QLocale::C) {
        QStringList shown;
        for (const QByteArray &name : names)
            shown << ShownPath(name);
        std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
            return NaturalLess(shown.at(a), shown.at(b));
        });
        return order;
    }
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
    for (qsizetype i = 0; i < keys.size(); ++i)
        order[i] = keys.at(i).second;
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
