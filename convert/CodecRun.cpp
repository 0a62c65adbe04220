#include "convert/CodecRun.h"

#include "convert/CodecContract.h"

#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
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
    return 0;
}

bool TCodecRun::InputStillAt(const QByteArray &path) const
{
    struct stat named, held;
    return FInput >= 0 && ::stat(path.constData(), &named) == 0 && ::fstat(FInput, &held) == 0
        && SameFile(named, held);
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
    if (FTail.size() > 2 * kTailBytes)
        FTail.remove(0, FTail.size() - kTailBytes);
}

// The last lines the codec wrote, progress lines included.
QString TCodecRun::LastWords() const
{
    QString text = WithoutLevelTags(QString::fromLocal8Bit(FTail.right(kTailBytes)));
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
    // Nor links: the name is taken by an empty file of this run's own first, so that the
    // whole file moved onto it replaces nothing but that.
    const int held = ::openat(FFolder, to, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (held < 0)
        return errno;
    ::close(held);
    if (::renameat(FFolder, from, FFolder, to) == 0)
        return published();
    error = errno;
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

void TCodecRun::Abandon() noexcept
{
    const qint64 pid = Process.processId();
    if (pid > 0 && Runs())
        ::kill(pid_t(pid), SIGKILL);
    if (!FWorkName.isEmpty())
        ::unlinkat(FFolder, FWorkName.constData(), 0);
}
