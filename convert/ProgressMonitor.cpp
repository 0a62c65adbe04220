// The timer-driven monitor: each tick shows the current row's progress or, once its codec
// has gone quiet and ended, judges its file, publishes it and moves the batch on.
#include "app/Paths.h"
#include "convert/Batch.h"
#include "convert/CodecContract.h"
#include "convert/ProgressText.h"

namespace {

// Clears the tick's guard however the tick ends.
class TTickGuard {
public:
    explicit TTickGuard(bool &flag) : FFlag(flag) { FFlag = true; }
    ~TTickGuard() { FFlag = false; }
    TTickGuard(const TTickGuard &) = delete;
    TTickGuard &operator=(const TTickGuard &) = delete;

private:
    bool &FFlag;
};

} // namespace

void TBatch::TimerTimer()
{
    if (FTicking)
        return;
    const TTickGuard guard(FTicking);
    TCodecRun *run = FStage == TStage::Running ? CurrentRun() : nullptr;
    if (!run)
        return;
    const QString text = ReadPipeText(*run);
    if (text.isEmpty()) {
        if (run->Ended())
            FinishFile(*run);
        return;
    }
    if (const std::optional<QString> size = ProgressSize(text))
        emit Progress(FCurrentRow, *size);
    // An ended codec that still had words waiting: the tick that judges its file is due now.
    if (run->Ended())
        BringTickForward();
}

// Judges the current row's file. A whole one is dated as its memo and published; anything
// else is removed and the row fails.
void TBatch::FinishFile(TCodecRun &run)
{
    Timer.stop();
    FPromptTick.stop();
    run.End();
    const int row = FCurrentRow;
    QString failure = WhyFileFailed(run);
    QString output;
    if (failure.isEmpty()) {
        // Where the dates are refused the file is still whole.
        run.CopyInputTimes();
        output = MakeOutputFileName(run, &failure);
    }
    if (failure.isEmpty()) {
        FLastConverted = row == FJob.inputs.size() - 1;
        FRuns.erase(row);
        emit RowConverted(row, output);
        StartRowsFrom(row + 1);
        return;
    }
    QString details = failure + u'\n';
    const QByteArray working = run.WorkingName();
    if (const int error = run.RemoveWorkingFile()) {
        details += tr("The damaged file \"%1\" is left on disk: it could not be removed (%2).")
                       .arg(ShownPath(FJob.outputDir + '/' + working), ErrorText(error))
                 + u'\n';
    }
    details += run.LastWords();
    FRuns.erase(row);
    FailRow(row, failure, details);
}

// Why the codec's file is no result, or nothing when it is whole. A codec that was killed,
// that says it failed, or that could not write everything (ffmpeg exits with 0 on a full
// disk) leaves a truncated file whatever its size.
QString TBatch::WhyFileFailed(const TCodecRun &run) const
{
    if (run.Process.exitStatus() == QProcess::CrashExit)
        return tr("The codec was stopped by signal %1.").arg(run.Process.exitCode());
    if (run.Process.exitCode() != 0)
        return tr("The codec ended with exit code %1.").arg(run.Process.exitCode());
    if (ReportsWriteFailure(QString::fromLocal8Bit(run.Tail())))
        return tr("The codec could not write the whole file.");
    if (!run.WorkingFileThere())
        return tr("The codec made no file.");
    if (run.WorkingSize() == 0)
        return tr("The codec made an empty file.");
    return QString();
}

void TBatch::FailRow(int row, const QString &reason, const QString &details)
{
    Timer.stop();
    FStage = TStage::Waiting;
    emit RowFailed(row, reason, details);
}

void TBatch::Continue()
{
    if (FStage != TStage::Waiting)
        return;
    FStage = TStage::Running;
    FRuns.erase(FCurrentRow);
    StartRowsFrom(FCurrentRow + 1);
}

void TBatch::Halt()
{
    FStage = TStage::Over;
    Timer.stop();
    FPromptTick.stop();
    for (const auto &entry : FRuns)
        entry.second->End(); // all of them first, so that none is still writing what is removed
    FLookAheadTick.stop();   // after the ends, each of which asks for a look ahead
    FRuns.clear();
    FCurrentRow = -1;
}

void TBatch::FinishBatch()
{
    Halt();
    emit Finished(FLastConverted);
}
