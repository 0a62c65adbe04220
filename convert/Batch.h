#pragma once

#include "app/Direction.h"
#include "convert/CodecRun.h"

#include <QObject>
#include <QTimer>

#include <map>
#include <memory>

// What a batch converts, copied from the window when Convert is pressed: the batch reads
// nothing of the window while it runs.
struct TBatchJob {
    TDirection direction = TDirection::AmrToMp3;
    QList<QByteArray> inputs; // the rows' files in row order, as the file system names them
    QByteArray outputDir;     // the chosen output folder
    QString exeDir;           // where the codec files are, ending with "/"
};

struct TBatchOptions {
    int codecs = 1;          // codecs at once
    int tickInterval = 1000; // milliseconds between two looks at the current row's codec
};

// What a start of the codec came to.
enum class TStartResult {
    Started,       // the codec runs; Timer takes over
    NotStarted,    // the input is gone, or no working file could be made: the row failed
    FailedToStart, // the codec could not be run: the batch is over
};

// One batch: converts its rows first to last into one folder, every row's codec started as
// soon as a core is free, each row judged and its output published in row order. It tells
// the window what to show through its signals, which the window receives queued, so that
// nothing the window does (a message box, say) ever runs inside a step of the batch.
class TBatch : public QObject {
    Q_OBJECT

public:
    TBatch(TBatchJob job, TBatchOptions options, QObject *parent = nullptr);
    // Halts the batch where it is.
    ~TBatch() override;

    const TBatchJob &Job() const { return FJob; }

    // Converts from the first row on.
    void Start();
    // Goes on with the next row once the window has reported a failed one.
    void Continue();
    // Ends the batch where it is: no more ticks, every codec ended, every working file
    // removed. What was published stays. Nothing more is signalled.
    void Halt();
    bool Over() const { return FStage == TStage::Over; }

    // The row being converted, as the design keeps it: -1 before the first row and once
    // the batch is over.
    qint32 FCurrentRow = -1;
    QByteArray FInputPath;
    QByteArray FInputName;
    quint32 FReadChunk = 1024;
    bool FTicking = false;
    QTimer Timer; // polls the current row's codec

    void TimerTimer();
    TStartResult StartDecoding(QString *why);
    QString ReadPipeText(TCodecRun &run);
    TCodecRun *CurrentRun() const;
    int RunningCodecs() const;

signals:
    void RowReached(int row);  // the batch is at this row
    void RowStarting(int row); // its codec is starting
    void Progress(int row, const QString &size);
    void RowConverted(int row, const QString &output);
    // The batch waits for Continue().
    void RowFailed(int row, const QString &reason, const QString &details);
    // The batch is over; later rows are not converted.
    void CodecNotStarted(int row, const QString &details);
    void Finished(bool lastRowConverted);

private:
    enum class TStage { Ready, Running, Waiting, Over };

    void StartRowsFrom(int row);
    void FailRow(int row, const QString &reason, const QString &details);
    void FinishFile(TCodecRun &run);
    QString WhyFileFailed(const TCodecRun &run) const;
    QString MakeOutputFileName(TCodecRun &run, QString *whyNone);
    void FinishBatch();

    std::unique_ptr<TCodecRun> OpenRun(int row, int *inputError, int *workingError);
    bool StartRun(TCodecRun &run);
    void TopUpLookAhead();
    void BringTickForward();
    QByteArray OutputExtension() const;

    TBatchJob FJob;
    TBatchOptions FOptions;
    TStage FStage = TStage::Ready;
    int FFolder = -1;      // the output folder, held open for the whole batch
    int FFolderError = 0;  // why it could not be opened
    int FNameMax = 255;    // the longest name, in bytes, the folder's file system takes
    int FNextAhead = 0;    // the next row the look-ahead may start
    bool FLastConverted = false;
    // The runs of the batch by row: the current row's, and those converting ahead of it.
    std::map<int, std::unique_ptr<TCodecRun>> FRuns;
    QTimer FPromptTick;    // a tick brought forward to now
    QTimer FLookAheadTick; // a look for rows to start ahead, when a core may be free
};
