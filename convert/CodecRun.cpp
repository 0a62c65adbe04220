// A codec run: its memo and working file handed over as descriptors, its process started,
// read and killed without waiting; the reaper of killed codecs.
#include "convert/CodecRun.h"

#include "convert/CodecContract.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How much of the codec's latest output is kept to explain a failure.
constexpr qsizetype kTailBytes = 4096;
constexpr int kLastWordsLines = 12;

qint64 Nanoseconds(const struct timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// The codecs running in this process, for an ending that skips the destructors (Qt's exit()
// when the desktop session's display goes away).
struct TRunning {
    std::mutex lock;
    std::set<pid_t> pids;
};

TRunning &Running()
{
    static auto *running = new TRunning; // never destroyed: read at exit
    return *running;
}

void KillRunningNow()
{
    const std::lock_guard locker(Running().lock);
    for (const pid_t pid : Running().pids) {
        if (pid > 0)
            ::kill(pid, SIGKILL);
    }
}

void Forget(pid_t pid)
{
    const std::lock_guard locker(Running().lock);
    Running().pids.erase(pid);
}

} // namespace

void TReaper::Adopt(std::unique_ptr<QProcess> process, qint64 pid)
{
    QProcess *dying = process.release();
    dying->setParent(this);
    ++FAlive;
    const auto gone = [this, dying, pid] {
        Forget(pid_t(pid));
        dying->deleteLater();
        if (--FAlive == 0)
            emit Emptied();
    };
    if (dying->state() == QProcess::NotRunning) {
        gone();
        return;
    }
    connect(dying, &QProcess::finished, this, gone);
}

TCodecRun::TCodecRun(int row, TReaper &reaper)
    : Row(row), FReaper(reaper), FProcess(std::make_unique<QProcess>())
{
    FProcess->setProcessChannelMode(QProcess::MergedChannels);
    connect(FProcess.get(), &QProcess::readyRead, this, [this] {
        if (FAhead)
            Drain();
    });
}

// Nothing is told of an end the run brings about itself.
TCodecRun::~TCodecRun()
{
    End();
    FWorking.reset();
    if (FInput >= 0)
        ::close(FInput);
}

int TCodecRun::OpenInput(const QByteArray &path)
{
    // Held by a handle that opens nothing (O_PATH): no pipe or device is opened, whose opening
    // could block or do harm, and closing it never waits on a phone's mount that stopped
    // answering, nor does any program started meanwhile, which closes the handles it
    // inherits. The codec opens the memo through it.
    if (path.isEmpty())
        return ENOENT;
    const int fd = ::open(path.constData(), O_PATH | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat opened;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return ENOENT;
    }
    // Whether the codec may read it, as opening it would have told.
    if (::faccessat(fd, "", R_OK, AT_EMPTY_PATH | AT_EACCESS) != 0 && errno != ENOSYS
        && errno != EINVAL) {
        const int error = errno;
        ::close(fd);
        return error;
    }
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

int TCodecRun::CreateWorkingFile(int folder, const QByteArray &folderPath)
{
    int error = 0;
    FWorking = TWorkingFile::Create(folder, folderPath, &error);
    return error;
}

QString TCodecRun::InputArgument() const
{
    return QStringLiteral("/dev/fd/%1").arg(FInput);
}

QString TCodecRun::OutputArgument() const
{
    return QStringLiteral("/dev/fd/%1").arg(FWorking ? FWorking->Descriptor() : -1);
}

bool TCodecRun::Start(const QString &program, const QStringList &arguments)
{
    static const bool hooked = std::atexit(KillRunningNow) == 0;
    Q_UNUSED(hooked)
    const int input = FInput;
    const int output = FWorking ? FWorking->Descriptor() : -1;
    const pid_t parent = ::getpid();
    FProcess->setChildProcessModifier([input, output, parent] {
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
    FProcess->start(program, arguments);
    FStarted = FProcess->waitForStarted();
    if (FStarted) {
        FPid = FProcess->processId();
        const std::lock_guard locker(Running().lock);
        Running().pids.insert(pid_t(FPid));
    }
    return FStarted;
}

void TCodecRun::End()
{
    if (!FProcess)
        return;
    disconnect(FProcess.get(), nullptr, this, nullptr);
    if (!Runs()) {
        // Kept, so that how it ended can still be read.
        Forget(pid_t(std::exchange(FPid, 0)));
        return;
    }
    FProcess->kill();
    FReaper.Adopt(std::move(FProcess), std::exchange(FPid, 0));
}

void TCodecRun::SetAhead(bool ahead)
{
    FAhead = ahead;
    if (FAhead)
        Drain();
}

void TCodecRun::Drain()
{
    while (FProcess->bytesAvailable() > 0)
        Keep(FProcess->readAll());
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
