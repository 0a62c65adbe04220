// The timer-driven monitor: each tick shows the codec's progress or, once the codec has
// gone quiet and ended, judges its file and moves the batch on.
#include "app/ConverterForm.h"
#include "app/Paths.h"
#include "convert/CodecContract.h"
#include "convert/ProgressText.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTreeWidget>

#include <utility>

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

void TConverterForm::TimerTimer()
{
    // Message boxes and pending messages can deliver a tick inside a tick.
    if (FTicking)
        return;
    const TTickGuard guard(FTicking);
    QCoreApplication::processEvents();

    TCodecRun *run = CurrentRun();
    if (!run)
        return;
    const QString text = ReadPipeText(*run);
    if (text.isEmpty()) {
        if (run->Ended())
            FinishFile(*run);
        return;
    }
    if (!IsBusy()) {
        EnableControls(false);
        QCoreApplication::processEvents();
    }
    if (IsBusy()) {
        if (const std::optional<QString> size = ProgressSize(text))
            LogPanel->setText(QStringLiteral("Decoding audio ") + *size);
    }
    // An ended codec that still had words waiting: the tick that judges its file is due now.
    run = CurrentRun();
    if (run && run->Ended())
        BringTickForward();
}

// Judges the current row's file, then moves on. The run stays first in line until the
// judgement is over, so that the rows ahead may go on starting while a message waits.
void TConverterForm::FinishFile(TCodecRun &run)
{
    Timer.stop();
    FPromptTick.stop();
    run.End();
    if (IsBusy() && FOutputPath.isEmpty()) {
        while (!FRuns.empty()) // nothing converted ahead outlives the batch
            DiscardRun();
        EnableControls(true);
        return;
    }
    if (!IsBusy())
        return;

    const int row = FCurrentRow;
    const QString failure = WhyFileFailed(run);
    if (failure.isEmpty()) {
        // The output keeps the memo's recording date; where that is refused it is still whole.
        CopyFileTimes(FInputPath, FOutputPath);
        if (QTreeWidgetItem *item = ActiveList()->topLevelItem(row))
            item->setText(OutputColumn, FOutputPath);
        FOutputPath.clear(); // the row holds it now; nothing may remove it any more
        QCoreApplication::processEvents();
    } else {
        const QString left = RemoveRowOutput();
        QString details = failure + u'\n';
        if (!left.isEmpty())
            details += left + u'\n';
        ShowMessage(QStringLiteral("Can't decode file."), QStringLiteral("INFORMATION"),
                    QMessageBox::Critical, details + run.LastWords());
    }
    if (FCurrentRow != row) // stopped while the window was answering
        return;
    FRuns.pop_front();
    StartRowsFrom(row + 1);
}

// Why the codec's file is no result, or nothing when it is whole. A codec that was killed,
// that says it failed, or that could not write everything (ffmpeg exits with 0 on a full
// disk) leaves a truncated file whatever its size.
QString TConverterForm::WhyFileFailed(const TCodecRun &run) const
{
    if (run.Process.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("The codec was stopped by signal %1.").arg(run.Process.exitCode());
    if (run.Process.exitCode() != 0)
        return QStringLiteral("The codec ended with exit code %1.").arg(run.Process.exitCode());
    if (ReportsWriteFailure(QString::fromLocal8Bit(run.Tail())))
        return QStringLiteral("The codec could not write the whole file.");
    if (!FileExists(FOutputPath))
        return QStringLiteral("The codec made no file.");
    // An output that cannot be opened to be measured is still a file the codec finished.
    if (FileSizeOf(FOutputPath) == 0)
        return QStringLiteral("The codec made an empty file.");
    return QString();
}

// The output of the row being converted is this program's own: it was made by this batch
// under a name that was free. Only it is ever removed. Answers why it is still there, if it is.
QString TConverterForm::RemoveRowOutput()
{
    const QString path = std::exchange(FOutputPath, QString());
    if (path.isEmpty())
        return QString();
    const int error = RemoveFile(path);
    return error == 0 ? QString()
                      : QStringLiteral("The damaged file \"%1\" is left on disk: it could not be "
                                       "removed (%2).")
                            .arg(path, qt_error_string(error));
}

// The first run in line goes, with the output it still holds: a row converted ahead that will
// never be judged leaves nothing behind.
void TConverterForm::DiscardRun()
{
    std::unique_ptr<TCodecRun> run = std::move(FRuns.front());
    FRuns.pop_front();
    run->End();
    RemoveFile(std::exchange(run->OutputPath, QString()));
}

// Ends a batch wherever it is: no more ticks, no codecs, no half-made outputs of the current
// row or of any row after it, no next row.
void TConverterForm::HaltBatch()
{
    Timer.stop();
    FPromptTick.stop();
    for (const std::unique_ptr<TCodecRun> &run : FRuns)
        run->End(); // all of them first, so that none is still writing what is removed
    FLookAheadTick.stop(); // after the ends, each of which asks for a look ahead
    RemoveRowOutput();
    while (!FRuns.empty())
        DiscardRun();
    FCurrentRow = -1;
}

void TConverterForm::StopButtonClick()
{
    if (!IsBusy())
        return;
    HaltBatch();
    EnableControls(true);
}

void TConverterForm::FinishBatch()
{
    if (IsBusy())
        LogPanel->hide();
    // The last row's output was recorded only if it was judged whole.
    QTreeWidget *list = ActiveList();
    const QTreeWidgetItem *last = list->topLevelItem(list->topLevelItemCount() - 1);
    if (last && !last->text(OutputColumn).isEmpty())
        ShowMessage(QStringLiteral("Success conversion, Output files save in the output folder."),
                    QStringLiteral("INFORMATION"), QMessageBox::Information);
    QCoreApplication::processEvents();
    FOutputPath.clear();
    FCurrentRow = -1;
    EnableControls(true);
}
