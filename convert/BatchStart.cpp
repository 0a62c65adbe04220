// The Convert buttons: checks, the output folder and the batch they start; and how a batch
// moves from row to row and names what it makes.
#include "app/ConverterForm.h"
#include "app/ModalSeam.h"
#include "app/Paths.h"
#include "convert/CodecContract.h"
#include "convert/OutputNaming.h"

#include <QApplication>
#include <QTreeWidget>

#include <cerrno>

void TConverterForm::AMRMP3ButtonClick()
{
    ConvertPage(TDirection::AmrToMp3);
}

void TConverterForm::MP3AMRButtonClick()
{
    ConvertPage(TDirection::Mp3ToAmr);
}

void TConverterForm::ConvertPage(TDirection direction)
{
    if (FBatch)
        return; // one batch at a time
    QTreeWidget *list = ListOf(direction);
    const TPageTexts &texts = TextsOf(direction);
    if (list->topLevelItemCount() == 0) {
        ShowMessage(tr(texts.selectMessage),
                    //: Caption of a message box, in capitals in English
                    tr("INFORMATION"), QMessageBox::Information);
        return;
    }
    if (!CheckCodecFiles())
        return;
    if (!ChooseOutputFolder(tr(texts.chooserTitle), FOutputDir))
        return;
    // The chooser let events run: the window may have been closed meanwhile.
    if (FBatch || FClosed)
        return;
    const QByteArray folder =
        ShownPath(FOutputDirNative) == FOutputDir ? FOutputDirNative : NativePath(FOutputDir);
    if (!DirectoryExists(folder)) {
        //: Translate the meaning: the folder %1 does not exist
        ShowMessage(tr("Directory \"%1\" don't exists.").arg(FOutputDir), tr("ERROR"),
                    QMessageBox::Critical);
        return;
    }
    // Busy before any event is handled: no click reaches a control from here on.
    EnableControls(false);
    TBatchJob job{direction, {}, folder, FExeDir};
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = list->topLevelItem(i);
        row->setText(OutputColumn, QString());
        row->setIcon(OutputColumn, QIcon());
        row->setToolTip(OutputColumn, QString());
        row->setData(OutputColumn, Qt::AccessibleDescriptionRole, QVariant());
        job.inputs << RowPath(row);
    }
    StartBatch(std::move(job));
}

bool TConverterForm::CheckCodecFiles()
{
    for (const char *name : kCodecFiles) {
        if (!FileExists(FExeDir + QString::fromLatin1(name))) {
            ShowMessage(tr("Audio codec error, please reinstall this software."), tr("ERROR"),
                        QMessageBox::Critical);
            return false;
        }
    }
    return true;
}

bool TConverterForm::ChooseOutputFolder(const QString &title, QString &folder)
{
    QWidget *owner = QApplication::activeWindow();
    const std::optional<QString> chosen = FSeam.ChooseFolder(owner ? owner : this, title, folder);
    if (!chosen || chosen->isEmpty())
        return false;
    folder = *chosen;
    return true;
}

void TBatch::Start()
{
    if (FStage != TStage::Ready)
        return;
    FStage = TStage::Running;
    StartRowsFrom(0);
}

// Moves the batch to `row`: a row converted ahead is taken up as it is, any other is started
// now. A row that cannot start (its input is gone, no working file can be made) fails.
void TBatch::StartRowsFrom(int row)
{
    if (row >= FJob.inputs.size()) {
        FinishBatch();
        return;
    }
    FCurrentRow = row;
    FInputPath = FJob.inputs.at(row);
    FInputName = FileNamePart(FInputPath);
    emit RowReached(row);
    TCodecRun *run = CurrentRun();
    // Converted ahead from a memo that has gone or been replaced since: the row's turn
    // decides, as it would have for a row started only now.
    if (run && !run->InputStillAt(FInputPath)) {
        FRuns.erase(row);
        run = nullptr;
    }
    if (run) {
        run->SetAhead(false);
    } else {
        QString why;
        const TStartResult result = StartDecoding(&why);
        if (result == TStartResult::NotStarted)
            FailRow(row, why, why);
        if (result != TStartResult::Started)
            return;
        run = CurrentRun();
    }
    emit RowStarting(row);
    Timer.start();
    if (run->Ended())
        BringTickForward();
    FLookAheadTick.start();
}

// Publishes the current row's whole file under the first free name of the naming rule: a
// name is taken only by a file that appears under it whole, and whatever stands under a
// name already (a file, a folder, a link, even a dangling one) is passed over and left
// alone. Answers the published path, or nothing with the reason.
QString TBatch::MakeOutputFileName(TCodecRun &run, QString *whyNone)
{
    int refused = 0; // errno of a candidate that could not be had for another reason
    bool asked = false;
    const QByteArray path = ::MakeOutputFileName(
        FJob.outputDir, FInputName, OutputExtension(),
        [&](const QByteArray &candidate) {
            asked = true;
            const int error = run.Publish(FileNamePart(candidate));
            if (error != 0 && error != EEXIST)
                refused = error;
            return error == EEXIST;
        },
        FNameMax);
    if (refused == 0 && !path.isEmpty())
        return ShownPath(path);
    const QString folder = ShownPath(FJob.outputDir);
    const QString name = ShownPath(FInputName);
    *whyNone = refused != 0 ? tr("Can't create \"%1\": %2.").arg(ShownPath(path), ErrorText(refused))
        : asked ? tr("No free output name is left for \"%1\" in \"%2\".").arg(name, folder)
                : tr("No output name for \"%1\" fits in \"%2\".").arg(name, folder);
    return QString();
}
