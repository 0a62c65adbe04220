// The timer-driven monitor: each tick shows the current row's progress or, once its codec
// has gone quiet and ended, judges its file, publishes it and moves the batch on.
#include "convert/Batch.h"
#include "convert/CodecContract.h"
#include "convert/ProgressText.h"
#include "lists/Paths.h"

#include <QScopedValueRollback>

void TBatch::TimerTimer()
{
    if (FTicking)
        return;
    const QScopedValueRollback guard(FTicking, true);
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

void TBatch::BringTickForward()
{
    if (Timer.isActive())
        FPromptTick.start();
}

qint64 TBatch::FileSizeOf(TCodecRun &run) const
{
    return run.Working().Size();
}

// Judges the current row's file. A whole one is dated as its memo and published; anything
// else is removed and the row fails.
void TBatch::FinishFile(TCodecRun &run)
{
    Timer.stop();
    FPromptTick.stop();
    const int row = FCurrentRow;
    QString failure = WhyFileFailed(run);
    if (failure.isEmpty()) {
        run.Working().DateAs(run.Input());
        FOutputPath = PublishOutput(run, &failure);
    }
    if (failure.isEmpty()) {
        FLastConverted = row == FJob.rows.size() - 1;
        FRuns.erase(row);
        emit RowConverted(row, FOutputPath);
        StartRowsFrom(row + 1);
        return;
    }
    QString details = failure + u'\n';
    const QByteArray working = run.Working().Path();
    if (const int error = run.Working().Remove()) {
        details += tr("The damaged file \"%1\" is left on disk: it could not be removed (%2).")
                       .arg(ShownPath(working), ErrorText(error))
                 + u'\n';
    }
    details += run.LastWords();
    FRuns.erase(row);
    FailRow(row, failure, details);
}

// Why the codec's file is no result, or nothing when it is whole. A codec that was killed,
// that failed (one that found no sound does, as it is asked to), or that could not write
// everything (ffmpeg exits with 0 on a full disk, and says so) leaves a truncated file
// whatever its size.
QString TBatch::WhyFileFailed(TCodecRun &run) const
{
    const QProcess &process = run.Process();
    const QString said = QString::fromLocal8Bit(run.Tail());
    if (process.exitStatus() == QProcess::CrashExit)
        return tr("The codec was stopped by signal %1.").arg(process.exitCode());
    if (process.exitCode() != 0 && ReportsNoSound(said))
        return tr("The codec found no sound in the file.");
    if (process.exitCode() != 0)
        return tr("The codec ended with exit code %1.").arg(process.exitCode());
    if (ReportsWriteFailure(said))
        return tr("The codec could not write the whole file.");
    if (!run.Working().Present())
        return tr("The codec made no file.");
    if (FileSizeOf(run) == 0)
        return tr("The codec made an empty file.");
    return QString();
}
