#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>

// One run of the codec for one row of a batch: its process, the output it writes while that
// is still the run's own, and the last words it wrote.
class TCodecRun : public QObject {
public:
    explicit TCodecRun(int row);
    ~TCodecRun() override;

    const int Row;
    // The output name this run holds while it converts ahead of the current row; the window
    // takes it over when the row's turn comes.
    QString OutputPath;
    QProcess Process;

    // Starts the codec and waits until it runs or could not be run.
    bool Start(const QString &program, const QStringList &arguments);
    // Kills the codec and waits for it to be gone; nothing to do once it has ended.
    void End();
    bool Started() const { return FStarted; }
    bool Runs() const { return Process.state() != QProcess::NotRunning; }
    bool Ended() const { return FStarted && !Runs(); }

    // A run converting ahead of the current row has nobody watching its progress: what it
    // writes is read as it comes, or it would stop once its pipe was full. The current row's
    // run is read by the window's ticks instead.
    void SetAhead(bool ahead);

    // Keeps the end of what the codec wrote, for the details of a failure.
    void Keep(const QByteArray &chunk);
    const QByteArray &Tail() const { return FTail; }
    QString LastWords() const;

private:
    void Drain();

    bool FStarted = false;
    bool FAhead = false;
    QByteArray FTail;
};
