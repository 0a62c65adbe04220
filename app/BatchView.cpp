// What the window shows of the batch it started: the row reached, the status text, each
// row's output or failure, and the end. The batch's signals arrive queued, so a message box
// here never runs inside a step of the batch; after one, the batch may have been stopped
// (or the window closed), which each handler checks before it goes on.
#include "app/ConverterForm.h"
#include "app/ListView.h"
#include "app/ModalSeam.h"
#include "lists/Paths.h"

#include <QLabel>
#include <QProgressBar>

void TConverterForm::StartBatch(TBatchJob job)
{
    const int rows = int(job.rows.size());
    FBatchDirection = job.direction;
    FBatchRows.clear();
    FBatchRows.reserve(rows);
    TConversionList *list = ListOf(job.direction);
    for (int row = 0; row < rows; ++row)
        FBatchRows << QPersistentModelIndex(list->index(row, 0));
    FBatch.reset(new TBatch(std::move(job), FBatchOptions));
    FFailures = {};
    const quint64 serial = ++FBatchSerial;
    TBatch *batch = FBatch.get();
    // What a batch that is no longer the window's own says is not shown.
    const auto shown = [this, serial] { return FBatch && serial == FBatchSerial; };
    connect(batch, &TBatch::FolderOpened, this, [this, shown](const QByteArray &folder) {
        if (!shown())
            return;
        SetOutputDir(folder);
        ListOf(FBatchDirection)->ClearOutputs();
    }, Qt::QueuedConnection);
    connect(batch, &TBatch::FolderMissing, this, [this, shown] {
        if (shown())
            ShowFolderMissing();
    }, Qt::QueuedConnection);
    connect(batch, &TBatch::RowReached, this, [this, shown](int row) {
        if (shown())
            ShowRowReached(row);
    }, Qt::QueuedConnection);
    connect(batch, &TBatch::RowStarting, this, [this, shown] {
        if (shown())
            LogPanel->setText(StatusText(std::nullopt));
    }, Qt::QueuedConnection);
    connect(batch, &TBatch::Progress, this, [this, shown](int, const QString &size) {
        if (shown())
            LogPanel->setText(StatusText(size));
    }, Qt::QueuedConnection);
    connect(batch, &TBatch::RowConverted, this, [this, shown](int row, const QByteArray &output) {
        if (shown())
            ShowRowConverted(row, output);
    }, Qt::QueuedConnection);
    connect(batch, &TBatch::RowFailed, this,
            [this, shown](int row, const QString &reason, const QString &details) {
        if (shown())
            ShowRowFailed(row, reason, details);
    }, Qt::QueuedConnection);
    connect(batch, &TBatch::CodecNotStarted, this, [this, shown](int, const QString &details) {
        if (shown())
            ShowCodecNotStarted(details);
    }, Qt::QueuedConnection);
    connect(batch, &TBatch::Finished, this, [this, shown](bool lastRowConverted) {
        if (shown())
            ShowBatchEnd(lastRowConverted);
    }, Qt::QueuedConnection);
    BatchProgress->setRange(0, rows);
    batch->Start();
}

QString TConverterForm::StatusText(const std::optional<QString> &size)
{
    if (!size)
        return tr("Start to decode audio ...");
    //: The status while a file converts; %1 is how much of the output is written so far, such as "125kb"
    return tr("Decoding audio %1").arg(*size);
}

QString TConverterForm::ReasonLine(const QString &what, const QString &why)
{
    //: A file or folder, then why it could not be converted or added
    return tr("%1: %2").arg(what, why);
}

int TConverterForm::BatchRow(int row) const
{
    return row >= 0 && row < FBatchRows.size() && FBatchRows.at(row).isValid()
        ? FBatchRows.at(row).row()
        : -1;
}

// The row a batch has reached is made the selected one.
void TConverterForm::ShowRowReached(int row)
{
    if (const int listed = BatchRow(row); listed >= 0)
        ViewOf(FBatchDirection)->SelectRow(listed);
    // Painted with the window's next update rather than at once, which would hold up the
    // batch for a whole repaint at every row.
    BatchProgress->setUpdatesEnabled(false);
    BatchProgress->setValue(row);
    BatchProgress->setUpdatesEnabled(true);
    // Numbers as the user's language writes them, but never grouped: "1000 of 1200".
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    //: Tooltip of the batch's progress bar
    BatchProgress->setToolTip(tr("%1 of %2 files done")
                                  .arg(locale.toString(row), locale.toString(BatchProgress->maximum())));
}

void TConverterForm::ShowRowConverted(int row, const QByteArray &output)
{
    ListOf(FBatchDirection)->SetOutput(BatchRow(row), output);
}

void TConverterForm::ShowRowFailed(int row, const QString &reason, const QString &details)
{
    const quint64 serial = FBatchSerial;
    ReportFailure(row, reason, details);
    if (FBatch && serial == FBatchSerial)
        FBatch->Continue();
}

// The one place that decides how a failed file is reported, whatever made it fail.
void TConverterForm::ReportFailure(int row, const QString &reason, const QString &details)
{
    TConversionList *list = ListOf(FBatchDirection);
    if (const int listed = BatchRow(row); listed >= 0) {
        list->SetFailure(listed, reason);
        FFailures.lines << ReasonLine(ShownPath(list->Row(listed).path), reason);
    }
    if (FFailures.quiet) {
        FFailures.skipped = true;
        return;
    }
    const quint64 serial = FBatchSerial;
    const bool noMore = ShowMessage(tr("Can't decode file."), tr("INFORMATION"),
                                    QMessageBox::Critical, details,
                                    //: A check box in the message about a file that failed
                                    tr("Show no more failures in this batch"));
    if (noMore && FBatch && serial == FBatchSerial)
        FFailures.quiet = true;
}

void TConverterForm::ShowFailureSummary(const TFailureReport &report)
{
    if (!report.skipped)
        return;
    ShowMessage(tr("%n file(s) could not be converted.", nullptr, int(report.lines.size())),
                tr("INFORMATION"), QMessageBox::Information, report.lines.join(u'\n'));
}

void TConverterForm::ShowCodecNotStarted(const QString &details)
{
    const TFailureReport report = std::exchange(FFailures, {});
    EndBatch();
    ShowFailureSummary(report);
    //: The codec program could not be started (translate the meaning; the English spelling is kept as it always was)
    ShowMessage(tr("Can't start to deocde audio."), tr("ERROR"), QMessageBox::Critical, details);
}

void TConverterForm::ShowBatchEnd(bool lastRowConverted)
{
    const quint64 serial = FBatchSerial;
    const auto ours = [&] { return FBatch && serial == FBatchSerial; };
    LogPanel->hide();
    ShowFailureSummary(std::exchange(FFailures, {}));
    if (ours() && lastRowConverted)
        //: The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)
        ShowMessage(tr("Success conversion, Output files save in the output folder."),
                    tr("INFORMATION"), QMessageBox::Information);
    if (ours())
        EndBatch();
}

void TConverterForm::EndBatch()
{
    FBatch.reset();
    FBatchRows.clear();
    EnableControls(true);
}

// Stop and Escape end the batch where it is, saying nothing but what failed unshown.
void TConverterForm::StopButtonClick()
{
    if (!FBatch)
        return;
    const TFailureReport report = std::exchange(FFailures, {});
    EndBatch();
    ShowFailureSummary(report);
}
