// Working files: unnamed where the file system allows, else hidden and owned by name;
// publishing without replacing anything; clearing what killed runs left.
#include "convert/WorkingFile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A working file whose owner cannot be asked (it runs on another machine) is taken for
// abandoned once the codec would long have finished with it.
constexpr qint64 kForeignAbandonedSeconds = 24 * 3600;

bool SameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

QByteArray FirstLine(const char *path)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed() : QByteArray();
}

// The first `count` hexadecimal digits of an id file.
QByteArray HexDigits(const QByteArray &text, int count)
{
    QByteArray digits;
    for (const char c : text) {
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))
            digits += c;
    }
    return digits.size() >= count ? digits.left(count) : QByteArray(count, '0');
}

QByteArray Digest(const QByteArray &text, int digits)
{
    return QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex().left(digits);
}

// When a process started, in clock ticks since boot, or -1 when there is no such process.
qint64 StartOf(qint64 pid)
{
    const QByteArray stat = FirstLine(QByteArray("/proc/" + QByteArray::number(pid) + "/stat").constData());
    const qsizetype end = stat.lastIndexOf(')');
    if (end < 0)
        return -1;
    // After the command name: the state is the third field, the start time the 22nd.
    const QList<QByteArray> fields = stat.mid(end + 2).split(' ');
    return fields.size() > 19 ? fields.at(19).toLongLong() : -1;
}

// The process id namespace this process sees pids in, as the number of its inode.
qint64 PidNamespace()
{
    struct stat status;
    return ::stat("/proc/self/ns/pid", &status) == 0 ? qint64(status.st_ino) : 0;
}

// Who owns a working file: the machine, its boot, the namespace its pid is counted in, the
// process and when it started. Only a process of this very machine, boot and namespace can
// be asked whether it still runs.
struct TOwner {
    QByteArray machine, boot;
    qint64 space = 0, pid = 0, start = 0;
    bool operator==(const TOwner &) const = default;
    bool SameHost(const TOwner &other) const
    {
        return machine == other.machine && boot == other.boot && space == other.space;
    }
};

const TOwner &Self()
{
    static const TOwner self = [] {
        QByteArray machine = FirstLine("/etc/machine-id");
        if (machine.isEmpty())
            machine = FirstLine("/var/lib/dbus/machine-id");
        return TOwner{HexDigits(machine, 16), HexDigits(FirstLine("/proc/sys/kernel/random/boot_id"), 16),
                      PidNamespace(), qint64(::getpid()), StartOf(::getpid())};
    }();
    return self;
}

QByteArray OwnerPart(const TOwner &owner, const QByteArray &random)
{
    return owner.machine + '-' + owner.boot + '-' + QByteArray::number(owner.space) + '-'
        + QByteArray::number(owner.pid) + '-' + QByteArray::number(owner.start) + '-' + random;
}

// ".tolvane-<machine>-<boot>-<namespace>-<pid>-<start>-<random>-<check>" and the state: ".part"
// while the codec writes, ".to-<hash of the name>" while it is being published under that
// name. The check makes a name of the user's that merely looks like one no working file's.
const QByteArray kPrefix = ".tolvane-";

QByteArray Check(const QByteArray &ownerPart)
{
    return Digest("tolvane working file " + ownerPart, 4);
}

QByteArray PublishingTag(const QByteArray &name)
{
    return ".to-" + Digest(name, 8);
}

bool Publishing(const QByteArray &name)
{
    return name.contains(".to-");
}

struct TParsed {
    TOwner owner;
    QByteArray publishing; // the hash of the name it was being published under, if any
};

bool Parse(const QByteArray &name, TParsed *parsed)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^\\.tolvane-([0-9a-f]{16})-([0-9a-f]{16})-([0-9]{1,20})-([0-9]{1,10})-([0-9]{1,20})-([0-9a-z]{8})"
        "-([0-9a-f]{4})\\.(?:part|to-([0-9a-f]{8}))$"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(name));
    if (!match.hasMatch())
        return false;
    parsed->owner = {match.captured(1).toLatin1(), match.captured(2).toLatin1(), match.captured(3).toLongLong(),
                     match.captured(4).toLongLong(), match.captured(5).toLongLong()};
    if (Check(OwnerPart(parsed->owner, match.captured(6).toLatin1())) != match.captured(7).toLatin1())
        return false;
    parsed->publishing = match.captured(8).toLatin1();
    return true;
}

bool OwnerRuns(const TOwner &owner, const struct stat &file)
{
    if (owner.SameHost(Self()))
        return StartOf(owner.pid) == owner.start;
    // Another machine, boot or container: it cannot be asked. A working file that has not
    // changed for a day is no longer written; its change time is one nobody can set back.
    const qint64 changed = std::max(qint64(file.st_mtim.tv_sec), qint64(file.st_ctim.tv_sec));
    return QDateTime::currentSecsSinceEpoch() - changed < kForeignAbandonedSeconds;
}

// The named working files of this process, for an ending without destructors.
struct TRegistry {
    std::mutex lock;
    std::set<TWorkingFile *> files;
};

TRegistry &Registry()
{
    static auto *registry = new TRegistry; // never destroyed: read at exit
    return *registry;
}

} // namespace

TWorkingFile::TWorkingFile(int folder, QByteArray folderPath, int fd, QByteArray name)
    : FFolder(folder), FFolderPath(std::move(folderPath)), FFd(fd), FName(std::move(name))
{
    if (!FName.isEmpty()) {
        static const bool hooked = std::atexit(RemoveAllNow) == 0;
        Q_UNUSED(hooked)
        const std::lock_guard locker(Registry().lock);
        Registry().files.insert(this);
    }
}

std::unique_ptr<TWorkingFile> TWorkingFile::Create(int folder, const QByteArray &folderPath,
                                                   int *error)
{
    *error = 0;
    const int unnamed = ::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (unnamed >= 0)
        return std::unique_ptr<TWorkingFile>(new TWorkingFile(folder, folderPath, unnamed, QByteArray()));
    // A named one is held by a handle that opens nothing (O_PATH): closing a file open on a
    // phone's mount, a card or a share waits on it, and so would every program started
    // meanwhile, which closes the handles it inherits. The codec opens it through the handle.
    for (int attempt = 0; attempt < 64; ++attempt) {
        QByteArray random(8, '0');
        for (char &c : random)
            c = "0123456789abcdefghijklmnopqrstuvwxyz"[QRandomGenerator::global()->bounded(36)];
        const QByteArray ownerPart = OwnerPart(Self(), random);
        const QByteArray name = kPrefix + ownerPart + '-' + Check(ownerPart) + ".part";
        const int made = ::openat(folder, name.constData(),
                                  O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (made < 0 && errno != EEXIST) {
            *error = errno;
            return nullptr;
        }
        if (made < 0)
            continue;
        struct stat created, held;
        const bool looked = ::fstat(made, &created) == 0;
        ::close(made);
        const int fd = ::openat(folder, name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0 && looked && ::fstat(fd, &held) == 0 && SameFile(created, held))
            return std::unique_ptr<TWorkingFile>(new TWorkingFile(folder, folderPath, fd, name));
        *error = fd < 0 ? errno : EEXIST;
        if (fd >= 0)
            ::close(fd);
        return nullptr;
    }
    *error = EEXIST;
    return nullptr;
}

TWorkingFile::~TWorkingFile()
{
    Remove();
}

void TWorkingFile::Forget()
{
    {
        const std::lock_guard locker(Registry().lock);
        Registry().files.erase(this);
        FName.clear();
    }
    if (FFd >= 0)
        ::close(std::exchange(FFd, -1));
}

qint64 TWorkingFile::Size() const
{
    struct stat status;
    return FFd >= 0 && ::fstat(FFd, &status) == 0 ? qint64(status.st_size) : 0;
}

bool TWorkingFile::Present() const
{
    if (FFd < 0)
        return false;
    if (FName.isEmpty())
        return true;
    struct stat held, named;
    return ::fstat(FFd, &held) == 0
        && ::fstatat(FFolder, FName.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0
        && SameFile(held, named);
}

void TWorkingFile::DateAs(int source)
{
    struct stat status;
    if (::fstat(source, &status) != 0)
        return;
    FTimes[0] = status.st_atim;
    FTimes[1] = status.st_mtim;
    FDated = true;
}

QByteArray TWorkingFile::Path() const
{
    if (FName.isEmpty())
        return QByteArray();
    return FFolderPath.endsWith('/') ? FFolderPath + FName : FFolderPath + '/' + FName;
}

int TWorkingFile::Publish(int to, const QByteArray &toPath, const QByteArray &name)
{
    if (FFd < 0 || FPublished)
        return ENOENT;
    // An unnamed file is dated before it appears; a named one once it has its name, so that
    // as a working file it never looks older than it is.
    const auto published = [&] {
        if (FDated && !FName.isEmpty())
            ::utimensat(to, name.constData(), FTimes, AT_SYMLINK_NOFOLLOW);
        FPublished = true;
        Forget();
        return 0;
    };
    if (FName.isEmpty()) {
        if (FDated)
            ::futimens(FFd, FTimes); // where the dates are refused the file is still whole
        // Linking never replaces a name.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(FFd);
        if (::linkat(AT_FDCWD, self.constData(), to, name.constData(), AT_SYMLINK_FOLLOW) == 0)
            return published();
        const int error = errno;
        if (error != ENOENT || ::access("/proc/self/fd", F_OK) == 0)
            return error;
        // No /proc here: the same link straight from the descriptor, where that is allowed.
        return ::linkat(FFd, "", to, name.constData(), AT_EMPTY_PATH) == 0 ? published() : errno;
    }
    // The lock is never held over a call that a mount may not answer.
    const auto moveTo = [this](int folder, const QByteArray &folderPath, const QByteArray &newName) {
        if (::renameat(FFolder, FName.constData(), folder, newName.constData()) != 0)
            return errno;
        const std::lock_guard locker(Registry().lock);
        FFolder = folder;
        FFolderPath = folderPath;
        FName = newName;
        return 0;
    };
    // Into the folder it goes to, under a name no other file has (it holds its owner and a
    // random part).
    if (to != FFolder) {
        if (const int error = moveTo(to, toPath, FName))
            return error;
    }
    const char *from = FName.constData();
    if (::renameat2(FFolder, from, FFolder, name.constData(), RENAME_NOREPLACE) == 0)
        return published();
    int error = errno;
    if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP)
        return error;
    // A share without that rename: a hard link never replaces anything either.
    if (::linkat(FFolder, from, FFolder, name.constData(), 0) == 0) {
        ::unlinkat(FFolder, from, 0);
        return published();
    }
    error = errno;
    if (error != EPERM && error != EOPNOTSUPP && error != ENOSYS)
        return error;
    // Neither (a card, a phone): the name is taken by an empty file of this run's own, and the
    // whole file moved onto it while it is still that file. First the working file says
    // which name it is taking, so that, should the program be killed between the two steps,
    // the next batch into the folder finds the empty file and finishes the move.
    const QByteArray stem = FName.left(FName.lastIndexOf('.'));
    if (const int failed = moveTo(FFolder, FFolderPath, stem + PublishingTag(name)))
        return failed;
    const int held = ::openat(FFolder, name.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (held < 0)
        return errno;
    struct stat placeholder;
    ::fstat(held, &placeholder);
    ::close(held);
    const auto stillOurs = [&] {
        struct stat named;
        return ::fstatat(FFolder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0
            && SameFile(named, placeholder) && named.st_size == 0;
    };
    if (!stillOurs())
        return EEXIST;
    if (::renameat(FFolder, FName.constData(), FFolder, name.constData()) == 0)
        return published();
    error = errno;
    if (stillOurs())
        ::unlinkat(FFolder, name.constData(), 0);
    return error;
}

int TWorkingFile::Remove()
{
    if (FFd < 0)
        return 0;
    int error = 0;
    // Only its own file: should something else stand under its name now, it stays.
    if (!FName.isEmpty() && Present() && ::unlinkat(FFolder, FName.constData(), 0) != 0
        && errno != ENOENT)
        error = errno;
    Forget();
    return error;
}

void TWorkingFile::ClearAbandoned(int folder)
{
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return;
    }
    QList<QByteArray> names;
    while (const dirent *entry = ::readdir(dir))
        names << QByteArray(entry->d_name);
    ::closedir(dir);

    for (const QByteArray &name : std::as_const(names)) {
        TParsed parsed;
        struct stat status;
        if (!name.startsWith(kPrefix) || !Parse(name, &parsed)
            || ::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISREG(status.st_mode) || OwnerRuns(parsed.owner, status))
            continue;
        if (!parsed.publishing.isEmpty()) {
            // Killed between taking a name and moving the whole file onto it: the empty file
            // under that name is its own, and the move is finished.
            for (const QByteArray &target : std::as_const(names)) {
                struct stat empty;
                if (PublishingTag(target) == ".to-" + parsed.publishing
                    && ::fstatat(folder, target.constData(), &empty, AT_SYMLINK_NOFOLLOW) == 0
                    && S_ISREG(empty.st_mode) && empty.st_size == 0
                    && ::renameat(folder, name.constData(), folder, target.constData()) == 0)
                    break;
            }
        }
        ::unlinkat(folder, name.constData(), 0); // not there any more once its move is finished
    }
}

void TWorkingFile::RemoveAllNow() noexcept
{
    const std::lock_guard locker(Registry().lock);
    for (const TWorkingFile *file : Registry().files) {
        // One caught between its two publishing steps is whole, and its empty file already has
        // the output's name: the next batch into the folder finishes the move.
        if (!file->FName.isEmpty() && !Publishing(file->FName))
            ::unlinkat(file->FFolder, file->FName.constData(), 0);
    }
}
