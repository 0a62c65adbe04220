#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>

// One run of the codec for one row of a batch: the memo it reads and the working file it
// writes, both held open and handed to the codec as its own descriptors, its process, and
// the last words it wrote.
//
// The working file is the run's own: a hidden file made anew in the output folder. Only
// when the row is judged whole is it published under the output's name, by a step that
// never replaces anything; a run that ends otherwise removes it. So no name the user sees
// ever holds half a file, whatever ends the program.
class TCodecRun : public QObject {
public:
    explicit TCodecRun(int row);
    // Ends the codec and removes the working file unless it was published.
    ~TCodecRun() override;

    const int Row;
    QProcess Process;

    // Opens the memo to be read. 0, or the errno (ENOENT also for what is not a regular
    // file, whose reading could block or never end).
    int OpenInput(const QByteArray &path);
    // Makes the working file in the folder open as `folder`, with the output's extension.
    // 0, or the errno.
    int CreateWorkingFile(int folder, const QByteArray &ext);
    // Whether `path` still names the memo this run reads, as it was when opened.
    bool InputStillAt(const QByteArray &path) const;
    // The two files as the codec names them.
    QString InputArgument() const;
    QString OutputArgument() const;

    // Starts the codec and waits until it runs or could not be run.
    bool Start(const QString &program, const QStringList &arguments);
    // Kills the codec and waits for it to be gone; nothing to do once it has ended.
    void End();
    bool Started() const { return FStarted; }
    bool Runs() const { return Process.state() != QProcess::NotRunning; }
    bool Ended() const { return FStarted && !Runs(); }

    // A run converting ahead of the current row has nobody watching its progress: what it
    // writes is read as it comes, or it would stop once its pipe was full. The current row's
    // run is read by the batch's ticks instead.
    void SetAhead(bool ahead);

    // Keeps the end of what the codec wrote, for the details of a failure.
    void Keep(const QByteArray &chunk);
    const QByteArray &Tail() const { return FTail; }
    QString LastWords() const;

    // What the codec left: the working file's size, and whether it is still in its folder.
    qint64 WorkingSize() const;
    bool WorkingFileThere() const;
    // Gives the working file the memo's access and modification times.
    bool CopyInputTimes() const;
    // Publishes the working file as `name` in its folder, never over anything standing
    // there (a file, a folder, a link, even a dangling one). 0 when done, EEXIST when the
    // name is taken, else the errno.
    int Publish(const QByteArray &name);
    // Removes the working file; 0, or the errno when it could not be removed.
    int RemoveWorkingFile();
    QByteArray WorkingName() const { return FWorkName; }

    // Kills the codec and removes the working file with nothing but system calls, for a
    // program that is being ended without its objects' destructors (Qt's exit() when the
    // desktop session's display goes away).
    void Abandon() noexcept;

    // Removes the working files in the folder open as `folder` that no program holds any
    // more: those of a program that was killed. Each run holds its own locked.
    static void RemoveAbandonedWorkingFiles(int folder);

private:
    void Drain();

    bool FStarted = false;
    bool FAhead = false;
    QByteArray FTail;
    int FInput = -1;
    struct TFileState {
        quint64 device = 0, inode = 0;
        qint64 size = 0, modified = 0, changed = 0; // times in nanoseconds
    } FInputState;
    int FFolder = -1;   // the batch's, not closed here
    int FWorking = -1;
    QByteArray FWorkName; // empty once published or removed
};
