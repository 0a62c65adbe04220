#include "convert/CodecRun.h"

#include "convert/CodecContract.h"

#include <QRandomGenerator>
#include <QSet>

#include <algorithm>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// How much of the codec's latest output is kept to explain a failure.
constexpr qsizetype kTailBytes = 4096;
constexpr int kLastWordsLines = 12;

// Every run alive in this process, for an ending that skips the destructors. Never
// destroyed: it is read at exit.
QSet<TCodecRun *> &LiveRuns()
{
    static auto *runs = new QSet<TCodecRun *>;
    return *runs;
}

void AbandonLiveRuns()
{
    for (TCodecRun *run : LiveRuns())
        run->Abandon();
}

bool SameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

qint64 Nanoseconds(const struct timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// Set on every working file, so that a file of the user's that merely has such a name is
// never taken for one.
constexpr const char *kWorkingMark = "user.tolvane.working";

// ".tolvane-" and letters and digits, with an output's extension: a working file's name.
bool IsWorkingName(const QByteArray &name)
{
    static const QByteArray prefix = ".tolvane-";
    if (!name.startsWith(prefix) || !(name.endsWith(".mp3") || name.endsWith(".amr")))
        return false;
    const QByteArray middle = name.mid(prefix.size(), name.size() - prefix.size() - 4);
    return !middle.isEmpty() && std::all_of(middle.begin(), middle.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
    });
}

} // namespace

TCodecRun::TCodecRun(int row) : Row(row)
{
    static const bool hooked = std::atexit(AbandonLiveRuns) == 0;
    Q_UNUSED(hooked)
    LiveRuns().insert(this);
    Process.setProcessChannelMode(QProcess::MergedChannels);
    connect(&Process, &QProcess::readyRead, this, [this] {
        if (FAhead)
            Drain();
    });
}

// Nothing is told of an end the run brings about itself.
TCodecRun::~TCodecRun()
{
    disconnect(&Process, nullptr, nullptr, nullptr);
    End();
    RemoveWorkingFile();
    if (FInput >= 0)
        ::close(FInput);
    LiveRuns().remove(this);
}

int TCodecRun::OpenInput(const QByteArray &path)
{
    // Looked at before it is opened: opening a pipe or a device could block or do harm.
    struct stat entry;
    if (path.isEmpty() || ::stat(path.constData(), &entry) != 0)
        return path.isEmpty() ? ENOENT : errno;
    if (!S_ISREG(entry.st_mode))
        return ENOENT;
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat opened;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return ENOENT;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FInput = fd;
    FInputState = {quint64(opened.st_dev), quint64(opened.st_ino), qint64(opened.st_size),
                   Nanoseconds(opened.st_mtim), Nanoseconds(opened.st_ctim)};
    return 0;
}

bool TCodecRun::InputStillAt(const QByteArray &path) const
{
    struct stat named;
    return FInput >= 0 && ::stat(path.constData(), &named) == 0
        && quint64(named.st_dev) == FInputState.device && quint64(named.st_ino) == FInputState.inode
        && qint64(named.st_size) == FInputState.size
        && Nanoseconds(named.st_mtim) == FInputState.modified
        && Nanoseconds(named.st_ctim) == FInputState.changed;
}

int TCodecRun::CreateWorkingFile(int folder, const QByteArray &ext)
{
    FFolder = folder;
    for (int attempt = 0; attempt < 64; ++attempt) {
        const QByteArray name =
            ".tolvane-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ext;
        const int fd = ::openat(folder, name.constData(),
                                O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            // Held locked as long as the run or its codec has it open: a working file nobody
            // holds was left by a program that was killed. Where the file system keeps no
            // mark, such a leftover stays, hidden.
            ::flock(fd, LOCK_EX | LOCK_NB);
            ::fsetxattr(fd, kWorkingMark, "1", 1, 0);
            FWorking = fd;
            FWorkName = name;
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

QString TCodecRun::InputArgument() const
{
    return QStringLiteral("/dev/fd/%1").arg(FInput);
}

QString TCodecRun::OutputArgument() const
{
    return QStringLiteral("/dev/fd/%1").arg(FWorking);
}

bool TCodecRun::Start(const QString &program, const QStringList &arguments)
{
    const int input = FInput;
    const int output = FWorking;
    const pid_t parent = ::getpid();
    Process.setChildProcessModifier([input, output, parent] {
        // The memo and the working file stay open in this codec, and in no other.
        if (input >= 0)
            ::fcntl(input, F_SETFD, 0);
        if (output >= 0)
            ::fcntl(output, F_SETFD, 0);
        // Should this program die without ending it, the codec goes with it.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
    });
    Process.start(program, arguments);
    FStarted = Process.waitForStarted();
    return FStarted;
}

void TCodecRun::End()
{
    if (!Runs())
        return;
    Process.kill();
    Process.waitForFinished();
}

void TCodecRun::SetAhead(bool ahead)
{
    FAhead = ahead;
    if (FAhead)
        Drain();
}

void TCodecRun::Drain()
{
    while (Process.bytesAvailable() > 0)
        Keep(Process.readAll());
}

void TCodecRun::Keep(const QByteArray &chunk)
{
    FTail.append(chunk);
    if (FTail.size() > 2 * kTailBytes) {
        // Cut at a line's end, so that no half line is read as a whole one.
        qsizetype cut = FTail.size() - kTailBytes;
        while (cut < FTail.size() && FTail.at(cut - 1) != '\n' && FTail.at(cut - 1) != '\r')
            ++cut;
        FTail.remove(0, cut);
    }
}

// The last lines the codec wrote, progress lines included.
QString TCodecRun::LastWords() const
{
    QString text = WithoutLevelTags(QString::fromLocal8Bit(FTail));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    if (lines.size() > kLastWordsLines)
        lines = lines.mid(lines.size() - kLastWordsLines);
    return lines.join(u'\n').trimmed();
}

qint64 TCodecRun::WorkingSize() const
{
    struct stat entry;
    return FWorking >= 0 && ::fstat(FWorking, &entry) == 0 ? qint64(entry.st_size) : 0;
}

bool TCodecRun::WorkingFileThere() const
{
    struct stat held, named;
    return FWorking >= 0 && ::fstat(FWorking, &held) == 0
        && ::fstatat(FFolder, FWorkName.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0
        && SameFile(held, named);
}

bool TCodecRun::CopyInputTimes() const
{
    struct stat source;
    if (FInput < 0 || FWorking < 0 || ::fstat(FInput, &source) != 0)
        return false;
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    return ::futimens(FWorking, times) == 0;
}

int TCodecRun::Publish(const QByteArray &name)
{
    if (FWorkName.isEmpty())
        return ENOENT;
    const char *from = FWorkName.constData();
    const char *to = name.constData();
    const auto published = [this] {
        ::close(std::exchange(FWorking, -1));
        FWorkName.clear();
        return 0;
    };
    if (::renameat2(FFolder, from, FFolder, to, RENAME_NOREPLACE) == 0)
        return published();
    int error = errno;
    if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP)
        return error;
    // A file system without that rename (a network share, say): a hard link never replaces
    // anything either.
    if (::linkat(FFolder, from, FFolder, to, 0) == 0) {
        ::unlinkat(FFolder, from, 0);
        return published();
    }
    error = errno;
    if (error != EPERM && error != EOPNOTSUPP && error != ENOSYS)
        return error;
    // Nor links (a FUSE mount, say): the name is taken by an empty file of this run's own
    // first, and the whole file is moved onto it only while it is still that file. Unlike
    // the two steps above this is not one step: a program killed between them leaves that
    // empty file under the name.
    const int held = ::openat(FFolder, to, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (held < 0)
        return errno;
    struct stat placeholder;
    ::fstat(held, &placeholder);
    ::close(held);
    const auto stillOurs = [&] {
        struct stat named;
        return ::fstatat(FFolder, to, &named, AT_SYMLINK_NOFOLLOW) == 0
            && SameFile(named, placeholder) && named.st_size == 0;
    };
    if (!stillOurs())
        return EEXIST;
    if (::renameat(FFolder, from, FFolder, to) == 0)
        return published();
    error = errno;
    if (stillOurs())
        ::unlinkat(FFolder, to, 0);
    return error;
}

int TCodecRun::RemoveWorkingFile()
{
    if (FWorkName.isEmpty())
        return 0;
    int error = 0;
    // Only the run's own file: should something else stand under its name now, it stays.
    if (WorkingFileThere() && ::unlinkat(FFolder, FWorkName.constData(), 0) != 0 && errno != ENOENT)
        error = errno;
    ::close(std::exchange(FWorking, -1));
    FWorkName.clear();
    return error;
}

void TCodecRun::RemoveAbandonedWorkingFiles(int folder)
{
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return;
    }
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!IsWorkingName(name))
            continue;
        const int fd = ::openat(folder, name.constData(),
                                O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        struct stat held, named;
        char mark = 0;
        if (fd >= 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode)
            && ::fgetxattr(fd, kWorkingMark, &mark, 1) == 1 && mark == '1'
            && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::fstatat(folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0
            && SameFile(held, named))
            ::unlinkat(folder, name.constData(), 0);
        if (fd >= 0)
            ::close(fd);
    }
    ::closedir(dir);
}

void TCodecRun::Abandon() noexcept
{
    const qint64 pid = Process.processId();
    if (pid > 0 && Runs())
        ::kill(pid_t(pid), SIGKILL);
    if (!FWorkName.isEmpty())
        ::unlinkat(FFolder, FWorkName.constData(), 0);
}
