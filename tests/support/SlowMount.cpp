// The slow mirror's life in a test: started, mounted, unmounted, its calls read.
#include "tests/support/SlowMount.h"

#include "tests/support/EngineSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// Debian's own: python3-fusepy is installed for it, not for a python3 found earlier in PATH.
const QString kPython = QStringLiteral("/usr/bin/python3");

// A mount point as the mount table names it. Only its folder is resolved: a dead FUSE mount
// point cannot be looked at.
QByteArray TablePath(const QString &path)
{
    const QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const QString folder = QFileInfo(info.path()).canonicalFilePath();
    return QFile::encodeName((folder.isEmpty() ? info.path() : folder) + u'/' + info.fileName());
}

QByteArray Unescaped(const QByteArray &field)
{
    QByteArray plain;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                plain += char(code);
                i += 3;
                continue;
            }
        }
        plain += field[i];
    }
    return plain;
}

bool WaitForExit(QProcess &process, int milliseconds)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(milliseconds);
}

// Ends `process`, politely first. A FUSE server ends by itself once its mount is gone, but
// not while a lazily unmounted file system is still held.
void Stop(QProcess &process, bool lazily)
{
    if (WaitForExit(process, lazily ? 100 : 2000))
        return;
    process.terminate();
    if (WaitForExit(process, 5000))
        return;
    process.kill();
    process.waitForFinished(5000);
}

} // namespace

bool IsMounted(const QString &path, const QString &type)
{
    if (path.isEmpty())
        return false;
    const QByteArray wanted = TablePath(path);
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return false;
    // "id parent major:minor root mount-point options [optional fields] - type source ..."
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-");
        if (fields.size() < 5 || separator < 0 || separator + 1 >= fields.size())
            continue;
        if (Unescaped(fields[4]) == wanted
            && (type.isEmpty() || fields[separator + 1] == type.toUtf8()))
            return true;
    }
    return false;
}

bool UnmountPath(const QString &path, bool *lazily)
{
    if (lazily)
        *lazily = false;
    if (!IsMounted(path))
        return true;
    const QByteArray name = TablePath(path);
    bool busy = false;
    if (::geteuid() == 0) {
        busy = ::umount2(name.constData(), UMOUNT_NOFOLLOW) != 0 && errno == EBUSY;
        if (busy)
            ::umount2(name.constData(), UMOUNT_NOFOLLOW | MNT_DETACH);
    } else {
        busy = QProcess::execute("fusermount", {"-u", "-q", path}) != 0;
        if (busy)
            QProcess::execute("fusermount", {"-u", "-q", "-z", path});
    }
    if (lazily)
        *lazily = busy;
    return !IsMounted(path);
}

QString TSlowMount::Unusable()
{
    static const QString reason = []() -> QString {
        const int fuse = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
        if (fuse < 0)
            return QStringLiteral("FUSE is not usable here: /dev/fuse: %1").arg(qt_error_string(errno));
        ::close(fuse);
        if (!QFileInfo::exists(TOLVANE_SLOWFS))
            return QStringLiteral("the mirror %1 is missing").arg(TOLVANE_SLOWFS);
        if (QProcess::execute(kPython, {"-c", "import fusepy"}) != 0)
            return QStringLiteral("python3-fusepy is not installed (scripts/install-deps installs it)");
        if (::geteuid() != 0 && QStandardPaths::findExecutable("fusermount").isEmpty())
            return QStringLiteral("fusermount is missing (package fuse)");
        return {};
    }();
    return reason;
}

TSlowMount::TSlowMount(const QString &source, const TOptions &options)
{
    FSkipReason = Unusable();
    if (!FSkipReason.isEmpty())
        return;
    FMountPoint = FDir.filePath("mount");
    FLog = FDir.filePath("calls.log");
    if (!FDir.isValid() || !QDir().mkpath(FMountPoint)) {
        FSkipReason = QStringLiteral("no temporary folder for a mount point");
        return;
    }
    QStringList arguments{TOLVANE_SLOWFS, source, FMountPoint, "--delay",
                          QString::number(options.delayMs)};
    for (const QString &name : options.hang)
        arguments << "--hang" << name;
    if (options.noLinks)
        arguments << "--no-links";
    if (options.permissions)
        arguments << "--permissions";
    if (options.fatNames)
        arguments << "--fat-names";
    if (options.logCalls)
        arguments << "--log" << FLog;
    FMirror.setProcessChannelMode(QProcess::ForwardedChannels); // its complaints reach the log
    FMirror.setStandardInputFile(QProcess::nullDevice());
    FMirror.start(kPython, arguments);
    if (!FMirror.waitForStarted(10000)) {
        FSkipReason = QStringLiteral("slowfs.py did not start: %1").arg(FMirror.errorString());
        return;
    }
    NotACodec(FMirror.processId());
    for (int waited = 0; !IsMounted(FMountPoint, "fuse.slowfs"); waited += 10) {
        if (FMirror.waitForFinished(10) || FMirror.state() == QProcess::NotRunning) {
            FSkipReason = QStringLiteral("slowfs.py ended before it mounted (exit code %1)")
                              .arg(FMirror.exitCode());
            return;
        }
        if (waited > 15000) {
            Stop(FMirror, true);
            FSkipReason = QStringLiteral("slowfs.py did not mount within 15 s");
            return;
        }
    }
}

TSlowMount::~TSlowMount()
{
    if (FMountPoint.isEmpty())
        return;
    if (!Unmount()) {
        // Removing the mount point's folder would remove the source's files through it.
        FDir.setAutoRemove(false);
        qWarning("TSlowMount: %s is still mounted", qPrintable(FMountPoint));
    }
}

void TSlowMount::Kill()
{
    if (FMirror.state() == QProcess::NotRunning)
        return;
    FMirror.kill();
    FMirror.waitForFinished(5000);
}

bool TSlowMount::Unmount()
{
    // The mirror lets go of the calls it held once its mount is gone.
    bool lazily = false;
    const bool unmounted = UnmountPath(FMountPoint, &lazily);
    Stop(FMirror, lazily);
    return unmounted && UnmountPath(FMountPoint);
}

QStringList TSlowMount::Calls() const
{
    QFile log(FLog);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void TSlowMount::ClearCalls()
{
    QFile::resize(FLog, 0); // the mirror appends, so it goes on from the start
}

TSlowMount::TOptions TSlowMount::Delayed(int delayMs)
{
    TOptions options;
    options.delayMs = delayMs;
    return options;
}

TSlowMount::TOptions TSlowMount::Hanging(const QString &name)
{
    TOptions options;
    options.hang = {name};
    return options;
}
