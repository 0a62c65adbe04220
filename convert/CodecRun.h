// One run of the codec for one row of a batch: the memo it reads, the working file it
// writes, its process and the last words it wrote; and the reaper that keeps killed codecs
// until they are gone.
#pragma once

#include "convert/WorkingFile.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>

#include <memory>

// Killed codecs, kept until they have ended, so that nobody waits for one to die (a codec
// stuck writing to a pulled USB stick can take long). Lives in the batch's thread.
class TReaper : public QObject {
    Q_OBJECT

public:
    // Takes a process that has been killed; it is deleted once it has ended.
    void Adopt(std::unique_ptr<QProcess> process, qint64 pid);
    bool Empty() const { return FAlive == 0; }

signals:
    void Emptied();

private:
    int FAlive = 0;
};

class TCodecRun : public QObject {
    Q_OBJECT

public:
    TCodecRun(int row, TReaper &reaper);
    // Ends the codec without waiting for it, and removes the working file unless it was
    // published.
    ~TCodecRun() override;

    const int Row;
    QProcess &Process() { return *FProcess; }
    const QProcess &Process() const { return *FProcess; }

    // Takes hold of the memo to be read. 0, or the errno (ENOENT also for what is not a
    // regular file, whose reading could block or never end).
    int OpenInput(const QByteArray &path);
    // Makes the working file in the folder open as `folder`, found at `folderPath`. 0, or the
    // errno.
    int CreateWorkingFile(int folder, const QByteArray &folderPath);
    // Whether `path` still names the memo this run reads, as it was when opened.
    bool InputStillAt(const QByteArray &path) const;
    // The two files as the codec names them: its own descriptors.
    QString InputArgument() const;
    QString OutputArgument() const;
    int Input() const { return FInput; }
    TWorkingFile &Working() { return *FWorking; }

    // Starts the codec and waits until it runs or could not be run.
    bool Start(const QString &program, const QStringList &arguments);
    // Kills the codec, which the reaper keeps until it has ended; the run is done with it.
    void End();
    bool Runs() const { return FProcess && FProcess->state() != QProcess::NotRunning; }
    bool Ended() const { return FStarted && !Runs(); }

    // A run converting ahead of the current row has nobody watching its progress: what it
    // writes is read as it comes, or it would stop once its pipe was full. The current row's
    // run is read by the batch's ticks instead.
    void SetAhead(bool ahead);

    // Keeps the end of what the codec wrote, for the details of a failure.
    void Keep(const QByteArray &chunk);
    const QByteArray &Tail() const { return FTail; }
    QString LastWords() const;

private:
    void Drain();

    TReaper &FReaper;
    std::unique_ptr<QProcess> FProcess;
    qint64 FPid = 0;
    bool FStarted = false;
    bool FAhead = false;
    QByteArray FTail;
    int FInput = -1;
    struct TFileState {
        quint64 device = 0, inode = 0;
        qint64 size = 0, modified = 0, changed = 0; // times in nanoseconds
    } FInputState;
    std::unique_ptr<TWorkingFile> FWorking;
};
