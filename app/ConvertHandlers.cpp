// The Convert buttons on the window's side: the checks, the output folder and the batch
// they start.
#include "app/ConverterForm.h"
#include "app/ModalSeam.h"
#include "convert/CodecContract.h"
#include "lists/Paths.h"

#include <QApplication>

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
    // One batch at a time, and none while an add is still completing the list.
    if (FBatch || Adding())
        return;
    TConversionList *list = ListOf(direction);
    const TPageTexts &texts = TextsOf(direction);
    if (list->Count() == 0) {
        ShowMessage(tr(texts.selectMessage),
                    //: Caption of a message box, in capitals in English
                    tr("INFORMATION"), QMessageBox::Information);
        return;
    }
    if (!CheckCodecFiles())
        return;
    if (!ChooseOutputFolder(tr(texts.chooserTitle), FOutputDir))
        return;
    // The chooser let events run: the window may have been closed, or an add started.
    if (FBatch || FClosed || Adding())
        return;
    // The chooser gives text; the folder is the one chosen, whatever bytes its name has. The
    // batch looks at it, in its own thread: the rows keep their outputs until it is found.
    const QByteArray folder = DecodedPath(FOutputDirNative) == FOutputDir ? FOutputDirNative
                                                                         : NativePath(FOutputDir);
    // Busy before any event is handled: no click reaches a control from here on.
    EnableControls(false);
    TBatchJob job{direction, {}, folder, FExeDir, FOutputDir};
    job.rows.reserve(list->Count());
    for (int row = 0; row < list->Count(); ++row) {
        const TListRow &listed = list->Row(row);
        job.rows.append({listed.path, listed.tree, listed.subfolder});
    }
    StartBatch(std::move(job));
}

// The chosen folder is not there: nothing was started, and the rows are as they were.
void TConverterForm::ShowFolderMissing()
{
    EndBatch();
    //: Translate the meaning: the folder %1 does not exist
    ShowMessage(tr("Directory \"%1\" don't exists.").arg(ShownPath(FOutputDir)), tr("ERROR"),
                QMessageBox::Critical);
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
