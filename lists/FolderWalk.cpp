// Looking at files and walking folders for an add, through each folder's own descriptor.
#include "lists/FolderWalk.h"

#include "lists/Paths.h"

#include <QCollator>
#include <QHashFunctions>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <numeric>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

size_t qHash(const TFileId &id, size_t seed)
{
    return qHashMulti(seed, id.device, id.inode, id.modified);
}

namespace {

// Deeper than any recordings tree; a bind mount of a folder inside itself ends here.
constexpr int kMostLevels = 64;

TFileId IdOf(const struct stat &status)
{
    return {quint64(status.st_dev), quint64(status.st_ino),
            qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

TFoundFile FileOf(const QByteArray &path, const struct stat &status)
{
    return {path, qint64(status.st_size), IdOf(status), {}, {}};
}

// One look at `name` in the folder open as `folder`: the attributes the lookup itself
// brings are taken as they come, so that a mount that keeps nothing is not asked for them a
// second time. 0, or the errno.
int Look(int folder, const char *name, int flags, struct stat *status)
{
    struct statx found;
    if (::statx(folder, name, flags | AT_STATX_DONT_SYNC,
                STATX_TYPE | STATX_MODE | STATX_INO | STATX_SIZE | STATX_MTIME, &found) != 0)
        return errno;
    *status = {};
    status->st_dev = makedev(found.stx_dev_major, found.stx_dev_minor);
    status->st_ino = found.stx_ino;
    status->st_mode = found.stx_mode;
    status->st_size = off_t(found.stx_size);
    status->st_mtim = {found.stx_mtime.tv_sec, long(found.stx_mtime.tv_nsec)};
    return 0;
}

struct TWalk {
    const std::function<bool(const QByteArray &)> &wanted;
    const std::function<void(TFoundFile &&)> &found;
    QList<TFolderProblem> *problems;
    const std::atomic_bool *stop;
    QByteArray tree;

    bool Stopped() const { return stop && stop->load(std::memory_order_relaxed); }

    // Reads the folder open as `fd` (taken over), found at `path`, `subfolder` below the top.
    void Folder(int fd, const QByteArray &path, const QByteArray &subfolder, int level)
    {
        DIR *dir = ::fdopendir(fd);
        if (!dir) {
            problems->append({path, errno});
            ::close(fd);
            return;
        }
        QList<QByteArray> names;
        QList<unsigned char> types;
        errno = 0;
        while (const dirent *entry = ::readdir(dir)) {
            if (entry->d_name[0] == '.') // also "." and ".."
                continue;
            names << QByteArray(entry->d_name);
            types << entry->d_type;
        }
        if (errno != 0 && names.isEmpty())
            problems->append({path, errno});
        for (const qsizetype at : NaturalOrder(names)) {
            if (Stopped())
                break;
            Entry(::dirfd(dir), names.at(at), types.at(at), path, subfolder, level);
        }
        ::closedir(dir);
    }

    void Entry(int folder, const QByteArray &name, unsigned char type, const QByteArray &folderPath,
               const QByteArray &subfolder, int level)
    {
        const QByteArray path = JoinPath(folderPath, name);
        const auto take = [&](const struct stat &status) {
            TFoundFile file = FileOf(path, status);
            file.tree = tree;
            file.subfolder = subfolder;
            found(std::move(file));
        };
        const auto problem = [&](int error) {
            // A name gone meanwhile, or a link to nothing, is a name that is not there.
            if (error != ENOENT)
                problems->append({path, error});
        };
        struct stat status;
        switch (type) {
        case DT_REG:
        case DT_LNK: // taken as the file it leads to; a folder it leads to is not followed
            if (!wanted(name))
                return;
            if (const int error = Look(folder, name.constData(), 0, &status))
                return problem(error);
            if (S_ISREG(status.st_mode))
                take(status);
            return;
        case DT_DIR:
            return Subfolder(folder, name, path, subfolder, level);
        case DT_UNKNOWN: // the file system does not say: one look tells
            if (const int error = Look(folder, name.constData(), AT_SYMLINK_NOFOLLOW, &status))
                return problem(error);
            if (S_ISDIR(status.st_mode))
                return Subfolder(folder, name, path, subfolder, level);
            if (S_ISLNK(status.st_mode))
                return Entry(folder, name, DT_LNK, folderPath, subfolder, level);
            if (S_ISREG(status.st_mode) && wanted(name))
                take(status);
            return;
        default: // pipes, sockets and devices, whose reading could block or never end
            return;
        }
    }

    void Subfolder(int folder, const QByteArray &name, const QByteArray &path,
                   const QByteArray &subfolder, int level)
    {
        if (level >= kMostLevels)
            return;
        const int fd = ::openat(folder, name.constData(),
                                O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            // Replaced by a link or a file since it was listed: passed over.
            if (errno != ENOENT && errno != ELOOP && errno != ENOTDIR)
                problems->append({path, errno});
            return;
        }
        Folder(fd, path, JoinPath(subfolder, name), level + 1);
    }
};

} // namespace

TEntryKind LookAt(const QByteArray &path, TFoundFile *file, int *error)
{
    *error = 0;
    struct stat status;
    const int looked = path.isEmpty() || path.contains('\0') ? ENOENT
                                                            : Look(AT_FDCWD, path.constData(), 0, &status);
    if (looked != 0) {
        const int failed = looked;
        if (failed != ENOENT && failed != ENOTDIR)
            *error = failed;
        return TEntryKind::Missing;
    }
    if (S_ISDIR(status.st_mode))
        return TEntryKind::Folder;
    if (!S_ISREG(status.st_mode))
        return TEntryKind::Other;
    *file = FileOf(path, status);
    return TEntryKind::File;
}

void WalkFolder(const QByteArray &folder, const std::function<bool(const QByteArray &name)> &wanted,
                const std::function<void(TFoundFile &&file)> &found,
                QList<TFolderProblem> *problems, const std::atomic_bool *stop)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        problems->append({folder, errno});
        return;
    }
    QByteArray top = folder;
    while (top.size() > 1 && top.endsWith('/'))
        top.chop(1);
    TWalk walk{wanted, found, problems, stop, FileNamePart(top)};
    walk.Folder(fd, top, QByteArray(), 0);
}

namespace {

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
