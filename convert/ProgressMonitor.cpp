// The timer-driven monitor: each tick shows the codec's progress or, once the codec has
// gone quiet and ended, judges its file and moves the batch on.
#include "app/ConverterForm.h"
#include "app/Paths.h"
#include "convert/ProgressText.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QTreeWidget>

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

    const QString text = ReadPipeText(FProcess);
    if (text.isEmpty()) {
        if (CodecEnded())
            FinishFile();
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
    if (CodecEnded())
        BringTickForward();
}

void TConverterForm::FinishFile()
{
    Timer.stop();
    FPromptTick.stop();
    StopCodec();
    if (IsBusy() && FOutputPath.isEmpty()) {
        EnableControls(true);
        return;
    }
    if (!IsBusy())
        return;

    // A codec killed by a signal, or one that says it failed (a full disk, say), leaves a
    // truncated file whatever its size: that is no result to record.
    const bool crashed = FProcess.exitStatus() == QProcess::CrashExit;
    const bool failed = crashed || FProcess.exitCode() != 0;
    bool made = FileExists(FOutputPath);
    if (made) {
        // An output that cannot be opened to be measured is kept and recorded: it exists.
        const std::optional<qint64> size = FileSizeOf(FOutputPath);
        if (failed || (size && *size == 0))
            made = !QFile::remove(FOutputPath);
    }
    if (!made) {
        QString details = CodecLastWords();
        if (failed)
            details.prepend((crashed ? QStringLiteral("The codec was stopped by signal %1.\n")
                                     : QStringLiteral("The codec ended with exit code %1.\n"))
                                .arg(FProcess.exitCode()));
        ShowMessage(QStringLiteral("Can't decode file."), QStringLiteral("INFORMATION"),
                    QMessageBox::Critical, details);
    } else {
        if (QTreeWidgetItem *row = ActiveList()->topLevelItem(FCurrentRow))
            row->setText(OutputColumn, FOutputPath);
        QCoreApplication::processEvents();
    }
    StartRowsFrom(FCurrentRow + 1);
}

void TConverterForm::FinishBatch()
{
    if (IsBusy())
        LogPanel->hide();
    if (FileExists(FOutputPath))
        ShowMessage(QStringLiteral("Success conversion, Output files save in the output folder."),
                    QStringLiteral("INFORMATION"), QMessageBox::Information);
    QCoreApplication::processEvents();
    FOutputPath.clear();
    FCurrentRow = -1;
    EnableControls(true);
}
