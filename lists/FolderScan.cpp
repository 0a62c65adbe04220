#include "lists/FolderScan.h"

#include <QFile>
#include <QSet>

#include <algorithm>
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

QStringList NamesIn(const QString &folder)
{
    QStringList names;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.') // also "." and ".."
            names << QFile::decodeName(entry->d_name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), NaturalLess);
    return names;
}

void Walk(const QString &folder, QSet<TFolderId> &seen, QStringList &files)
{
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    for (const QString &name : NamesIn(folder)) {
        const QString path = prefix + name;
        struct stat entry;
        if (::stat(QFile::encodeName(path).constData(), &entry) != 0)
            continue;
        if (S_ISREG(entry.st_mode))
            files << path;
        else if (S_ISDIR(entry.st_mode) && !seen.contains({entry.st_dev, entry.st_ino})) {
            seen.insert({entry.st_dev, entry.st_ino});
            Walk(path, seen, files);
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

} // namespace

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

QStringList RegularFilesUnder(const QString &folder)
{
    QStringList files;
    QSet<TFolderId> seen;
    struct stat entry;
    if (::stat(QFile::encodeName(folder).constData(), &entry) != 0 || !S_ISDIR(entry.st_mode))
        return files;
    seen.insert({entry.st_dev, entry.st_ino});
    Walk(folder, seen, files);
    return files;
}
