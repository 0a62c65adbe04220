// The memory card's life in a test: image made, loop device, exfat-fuse, all undone.
#include "tests/support/MemoryCard.h"

#include "tests/support/EngineSupport.h"

#include "tests/support/SlowMount.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <cstring>
#include <utility>
#include <fcntl.h>
#include <linux/loop.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

QString Tool(const QString &name)
{
    return QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin", "/usr/bin", "/bin"});
}

// The image a loop device is attached to, or empty when it is free.
QString BackingFile(const QString &device)
{
    QFile backing("/sys/block/" + QFileInfo(device).fileName() + "/loop/backing_file");
    return backing.open(QIODevice::ReadOnly) ? QString::fromUtf8(backing.readAll()).trimmed()
                                             : QString();
}

} // namespace

QString TMemoryCard::Unusable()
{
    static const QString reason = []() -> QString {
        if (::geteuid() != 0)
            return QStringLiteral("a memory card needs root, for its loop device");
        if (!QFileInfo::exists("/dev/loop-control"))
            return QStringLiteral("no loop devices here (/dev/loop-control)");
        const int fuse = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
        if (fuse < 0)
            return QStringLiteral("FUSE is not usable here: /dev/fuse: %1").arg(qt_error_string(errno));
        ::close(fuse);
        if (Tool("mkfs.exfat").isEmpty())
            return QStringLiteral("mkfs.exfat is missing (package exfatprogs)");
        if (Tool("mount.exfat-fuse").isEmpty())
            return QStringLiteral("mount.exfat-fuse is missing (package exfat-fuse)");
        return {};
    }();
    return reason;
}

TMemoryCard::TMemoryCard(int mebibytes)
{
    FSkipReason = Unusable();
    if (!FSkipReason.isEmpty())
        return;
    FImage = FDir.filePath("card.img");
    FMountPoint = FDir.filePath("card");
    QFile image(FImage);
    if (!FDir.isValid() || !QDir().mkpath(FMountPoint) || !image.open(QIODevice::WriteOnly)
        || !image.resize(qint64(mebibytes) << 20)) {
        FSkipReason = QStringLiteral("no room for a card image in %1").arg(QDir::tempPath());
        return;
    }
    image.close();

    QProcess format;
    format.setProcessChannelMode(QProcess::MergedChannels);
    format.start(Tool("mkfs.exfat"), {"-L", "CARD", FImage});
    if (!format.waitForFinished(30000) || format.exitCode() != 0) {
        FSkipReason = QStringLiteral("mkfs.exfat failed: %1")
                          .arg(QString::fromLocal8Bit(format.readAll()).trimmed());
        return;
    }
    if (!Attach())
        return;

    // In the foreground (-d), so the card's driver is this test's own child; what it prints
    // for every call goes to a file.
    FDriver.setProcessChannelMode(QProcess::MergedChannels);
    FDriver.setStandardOutputFile(FDir.filePath("driver.log"));
    FDriver.setStandardInputFile(QProcess::nullDevice());
    FDriver.start(Tool("mount.exfat-fuse"), {"-d", FDevice, FMountPoint});
    if (FDriver.waitForStarted(10000))
        NotACodec(FDriver.processId());
    for (int waited = 0; !IsMounted(FMountPoint, "fuseblk"); waited += 10) {
        if (!FDriver.waitForStarted(10000) || FDriver.waitForFinished(10)
            || FDriver.state() == QProcess::NotRunning || waited > 15000) {
            QFile log(FDir.filePath("driver.log"));
            log.open(QIODevice::ReadOnly);
            FSkipReason = QStringLiteral("mount.exfat-fuse could not mount the card: %1")
                              .arg(QString::fromLocal8Bit(log.readAll().right(300)).trimmed());
            return;
        }
    }
    ::close(std::exchange(FLoop, -1));
}

bool TMemoryCard::Attach()
{
    const int control = ::open("/dev/loop-control", O_RDWR | O_CLOEXEC);
    const int backing = ::open(QFile::encodeName(FImage).constData(), O_RDWR | O_CLOEXEC);
    // Other programs take free devices too: one taken between the asking and the attaching
    // is busy, and the next is asked for.
    for (int attempt = 0; control >= 0 && backing >= 0 && attempt < 16 && FLoop < 0; ++attempt) {
        const int number = ::ioctl(control, LOOP_CTL_GET_FREE);
        if (number < 0)
            break;
        const QString device = QStringLiteral("/dev/loop%1").arg(number);
        const int loop = ::open(QFile::encodeName(device).constData(), O_RDWR | O_CLOEXEC);
        if (loop < 0)
            break;
        loop_config config{};
        config.fd = quint32(backing);
        // Freed by the kernel once the driver, the last to hold it, lets go, however the
        // test ends.
        config.info.lo_flags = LO_FLAGS_AUTOCLEAR;
        std::strncpy(reinterpret_cast<char *>(config.info.lo_file_name),
                     QFile::encodeName(FImage).constData(), LO_NAME_SIZE - 1);
        if (::ioctl(loop, LOOP_CONFIGURE, &config) == 0) {
            FLoop = loop;
            FDevice = device;
        } else {
            const int error = errno;
            ::close(loop);
            if ((errno = error) != EBUSY)
                break;
        }
    }
    if (FLoop < 0)
        FSkipReason = QStringLiteral("no loop device for the card: %1").arg(qt_error_string(errno));
    if (backing >= 0)
        ::close(backing);
    if (control >= 0)
        ::close(control);
    return FLoop >= 0;
}

void TMemoryCard::Detach(bool held)
{
    if (FLoop >= 0)
        ::close(std::exchange(FLoop, -1));
    if (FDevice.isEmpty())
        return;
    // The kernel names the image by its resolved path. A file the test still holds open on
    // the card holds the device too; it goes when that file is closed.
    const QString image = QFileInfo(FImage).canonicalFilePath();
    for (int waited = 0; !held && waited < 3000 && BackingFile(FDevice) == image; waited += 10)
        QThread::msleep(10);
    // Still ours when something else holds it: it goes once that lets go.
    if (BackingFile(FDevice) == image) {
        const int loop = ::open(QFile::encodeName(FDevice).constData(), O_RDWR | O_CLOEXEC);
        if (loop >= 0) {
            ::ioctl(loop, LOOP_CLR_FD, 0);
            ::close(loop);
        }
    }
}

TMemoryCard::~TMemoryCard()
{
    if (FMountPoint.isEmpty())
        return;
    // exfat-fuse writes the card out and ends once it is unmounted; when a file is still
    // open on it, it is told to end, and the file is left as on a pulled card.
    bool lazily = false;
    const bool unmounted = UnmountPath(FMountPoint, &lazily);
    if (FDriver.state() != QProcess::NotRunning && !FDriver.waitForFinished(lazily ? 100 : 5000)) {
        FDriver.terminate();
        if (!FDriver.waitForFinished(5000)) {
            FDriver.kill();
            FDriver.waitForFinished(5000);
        }
    }
    Detach(lazily);
    if (!(unmounted && UnmountPath(FMountPoint))) {
        FDir.setAutoRemove(false);
        qWarning("TMemoryCard: %s is still mounted", qPrintable(FMountPoint));
    }
}
