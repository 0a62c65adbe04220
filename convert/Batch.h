// A batch: converts the rows of one list into one folder in a thread of its own, and tells
// its owner what to show through its signals.
#pragma once

#include "convert/CodecRun.h"
#include "lists/Direction.h"

#include <QObject>
#include <QTimer>

#include <map>
#include <memory>

class QThread;
class TOutputFolders;

// A row of a batch: the memo, and where in an added folder it was found. A row found in a
// folder goes to the same place below the output folder; one added by itself straight into it.
struct TBatchRow {
    QByteArray path; // as the file system names it
    QByteArray tree; // the added folder's name, empty for a file added by itself
    QByteArray subfolder;
};

// What a batch converts, copied from the window when Convert is pressed: the batch reads
// nothing of the window while it runs.
struct TBatchJob {
    TDirection direction = TDirection::AmrToMp3;
    QList<TBatchRow> rows;
    QByteArray outputDir; // the chosen output folder, as the file system names it
    QString exeDir;       // where the codec files are, ending with "/"
    // The output folder as the chooser gave it, where that is all the window knows: a name
    // that is not UTF-8 reads with U+FFFD there, and the batch finds which folder it is.
    QString chosenDir;
};

struct TBatchOptions {
    int codecs = 1;          // codecs at once
    int tickInterval = 1000; // milliseconds between two looks at the current row's codec
};

// Converts its rows first to last, every row's codec started as soon as a core is free, each
// row judged and its output published in row order. Everything it does on the file system
// happens in its own thread; its signals reach the owner queued, so that nothing the owner
// does (a message box, say) ever runs inside a step of the batch, and no slow mount holds the
// owner. Rows in the signals are the job's.
class TBatch : public QObject {
    Q_OBJECT

public:
    TBatch(TBatchJob job, TBatchOptions options = {});

    const TBatchJob &Job() const { return FJob; }

    // Converts from the first row on.
    void Start();
    // Goes on with the next row once the owner has reported a failed one.
    void Continue();
    // Ends the batch where it is, at once for the caller: no more ticks, every codec killed
    // (and left to die without anyone waiting), every working file removed, what was
    // published kept, nothing more signalled. The batch is deleted; its thread ends once
    // its codecs are gone.
    void Halt();

signals:
    // The output folder is there (as the file system names it), and the first row follows;
    // or it is not, and the batch is over before it began.
    void FolderOpened(const QByteArray &folder);
    void FolderMissing();
    void RowReached(int row);  // the batch is at this row
    void RowStarting(int row); // its codec is starting
    void Progress(int row, const QString &size);
    void RowConverted(int row, const QByteArray &output);
    // The batch waits for Continue().
    void RowFailed(int row, const QString &reason, const QString &details);
    // The batch is over; later rows are not converted.
    void CodecNotStarted(int row, const QString &details);
    void Finished(bool lastRowConverted);

private:
    // What a start of the codec means for the batch.
    enum class TStart {
        Running,   // the codec runs; Timer takes over
        RowFailed, // the input is gone, or no working file could be made
        BatchOver, // the codec could not be run at all
    };
    enum class TStage { Ready, Running, Waiting, Over };

    ~TBatch() override; // deleted through Halt() alone

    // Batch start and advance.
    void Begin();
    void StartRowsFrom(int row);
    void FailRow(int row, const QString &reason, const QString &details);
    void FinishBatch();
    void EndRuns();
    // The process runner.
    TStart StartDecoding(QString *why);
    QString ReadPipeText(TCodecRun &run);
    std::unique_ptr<TCodecRun> OpenRun(int row, int *inputError, int *workingError);
    bool StartRun(TCodecRun &run);
    void TopUpLookAhead();
    TCodecRun *CurrentRun() const;
    int RunningCodecs() const;
    // The monitor.
    void TimerTimer();
    void BringTickForward();
    void FinishFile(TCodecRun &run);
    QString WhyFileFailed(TCodecRun &run) const;
    qint64 FileSizeOf(TCodecRun &run) const;
    // Output naming.
    QByteArray PublishOutput(TCodecRun &run, QString *whyNone);
    QByteArray OutputExtension() const;

    const TBatchJob FJob;
    TBatchOptions FOptions;
    QThread *FThread = nullptr;
    TReaper *FReaper = nullptr;
    TStage FStage = TStage::Ready;
    std::unique_ptr<TOutputFolders> FFolders;

    // The row being converted and judged, as the design keeps it: -1 before the first row
    // and once the batch is over. FOutputPath is the path the row's output is published
    // under, once it is.
    qint32 FCurrentRow = -1;
    QByteArray FInputPath;
    QByteArray FInputName;
    QByteArray FOutputPath;
    quint32 FReadChunk = 1024;
    bool FTicking = false;
    QTimer Timer{this}; // polls the current row's codec

    int FNextAhead = 0; // the next row the look-ahead may start
    bool FLastConverted = false;
    // The runs of the batch by row: the current row's, and those converting ahead of it.
    std::map<int, std::unique_ptr<TCodecRun>> FRuns;
    QTimer FPromptTick{this};    // a tick brought forward to now
    QTimer FLookAheadTick{this}; // a look for rows to start ahead, when a core may be free
};

// Owns a batch: letting go of it halts it.
struct THaltBatch {
    void operator()(TBatch *batch) const { batch->Halt(); }
};
using TBatchPtr = std::unique_ptr<TBatch, THaltBatch>;
