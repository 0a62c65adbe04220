// A small exFAT memory card for a test, mounted as a card in a reader is.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A small exFAT memory card for the length of a test: an image in a temporary folder, made
// with mkfs.exfat and mounted with exfat-fuse on a loop device, as a card in a reader is.
// Needs root for the loop device.
//
//     TMemoryCard card;
//     if (!card.SkipReason().isEmpty())
//         QSKIP(qPrintable(card.SkipReason()));
//     ... card.Path() ...
//
// What it does as exfat-fuse 1.3 on Linux does: names are case-insensitive; \ : * ? " < > |
// and control characters fail with ENOENT, names that are not UTF-8 with EILSEQ (trailing
// dots and spaces are kept); no hard links (EPERM), symbolic links (ENOSYS), O_TMPFILE,
// fallocate or extended attributes (EOPNOTSUPP), no chown (EPERM); renameat2 with RENAME_NOREPLACE fails with EINVAL (EEXIST
// when the name is taken), rename() replaces; flock works; times are kept to the second,
// and setting only one of the two times is ignored without an error; an open file that is
// removed stays as .fuse_hidden… until it is closed.
//
// The driver runs as a child of the test (ChildProcessCount() counts it). Leaving scope
// unmounts the card, ends the driver, frees the loop device and removes the image.
class TMemoryCard {
public:
    explicit TMemoryCard(int mebibytes = 32);
    ~TMemoryCard();
    TMemoryCard(const TMemoryCard &) = delete;
    TMemoryCard &operator=(const TMemoryCard &) = delete;

    QString SkipReason() const { return FSkipReason; } // empty when the card is there
    QString Path() const { return FMountPoint; } // without a trailing slash
    QString Device() const { return FDevice; } // the loop device

    // Why no card can be made here, or empty; the answer is kept.
    static QString Unusable();

private:
    bool Attach();
    void Detach(bool held);

    QTemporaryDir FDir; // holds the image, the mount point and the driver's log
    QString FImage;
    QString FMountPoint;
    QString FDevice;
    QString FSkipReason;
    int FLoop = -1; // held until the card is mounted: the device goes once nobody holds it
    QProcess FDriver;
};
