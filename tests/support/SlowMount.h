// A slow FUSE mirror of a folder for a test: a phone's mount that answers late, or never.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Whether a file system of type `type` (any type when empty) is mounted at `path`, as this
// process's /proc/self/mountinfo says.
bool IsMounted(const QString &path, const QString &type = {});

// Unmounts `path`, lazily when it is busy (then `lazily` is set: whatever holds it keeps
// the file system alive). False when it is still mounted.
bool UnmountPath(const QString &path, bool *lazily = nullptr);

// A slow FUSE mirror of a folder, tests/support/slowfs.py, for the length of a test: a
// phone's MTP mount that answers every look late, or one that stops answering. Its files
// are the source folder's own.
//
//     TSlowMount mount(source, {.delayMs = 20});
//     if (!mount.SkipReason().isEmpty())
//         QSKIP(qPrintable(mount.SkipReason()));
//     ... mount.Path() ...
//
// The mirror runs as a child of the test (ChildProcessCount() counts it). Leaving scope
// unmounts it and ends it, even while a call on it hangs in another thread.
class TSlowMount {
public:
    struct TOptions {
        int delayMs = 0; // every call waits this long before it answers
        // Calls on a path through any of these names never answer, until the mount ends;
        // then they fail with EIO. Only a look at such a name itself (stat) answers, so its
        // folder stays usable.
        QStringList hang;
        bool noLinks = false; // hard links fail with EPERM, symbolic ones with ENOSYS
        bool fatNames = false; // names a card refuses fail as exfat-fuse fails them
        bool permissions = false; // the kernel checks permissions (a phone's mount does not)
        bool logCalls = false; // for Calls()
    };

    explicit TSlowMount(const QString &source, const TOptions &options);
    // A mount answering every call `delayMs` late, or one where calls through `hang` never do.
    static TOptions Delayed(int delayMs);
    static TOptions Hanging(const QString &name);
    explicit TSlowMount(const QString &source) : TSlowMount(source, TOptions{}) {}
    ~TSlowMount();
    TSlowMount(const TSlowMount &) = delete;
    TSlowMount &operator=(const TSlowMount &) = delete;

    // Why there is no mount (FUSE or python3-fusepy not usable, the mirror failed), or empty.
    QString SkipReason() const { return FSkipReason; }
    QString Path() const { return FMountPoint; } // without a trailing slash
    qint64 Pid() const { return FMirror.processId(); }

    // The mirror dies at once, as a pulled phone: the mount stays; pending calls on it fail
    // with ECONNABORTED, new ones and those on files open on it with ENOTCONN.
    void Kill();
    // Unmounts now (lazily when busy) and ends the mirror; hung calls fail with EIO, and
    // files still open on it with ENOTCONN.
    bool Unmount();

    // With logCalls, every call the mirror was asked since the start or ClearCalls(), as
    // "operation<TAB>path", paths from the mount's root ("/a/memo.amr"); a rename or link
    // has both paths.
    QStringList Calls() const;
    void ClearCalls();

    // Why no mirror can be started here, or empty; the answer is kept.
    static QString Unusable();

private:
    QTemporaryDir FDir; // holds the mount point and the call log
    QString FMountPoint;
    QString FLog;
    QString FSkipReason;
    QProcess FMirror;
};
