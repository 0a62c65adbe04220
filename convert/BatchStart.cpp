// The Convert buttons: checks, the output folder, and starting the batch's rows.
#include "app/ConverterForm.h"
#include "app/ModalSeam.h"
#include "app/Paths.h"
#include "convert/CodecContract.h"
#include "convert/OutputNaming.h"

#include <QApplication>
#include <QTreeWidget>

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
    QTreeWidget *list = ListOf(direction);
    const TPageTexts &texts = TextsOf(direction);
    if (list->topLevelItemCount() == 0) {
        ShowMessage(QString::fromLatin1(texts.selectMessage), QStringLiteral("INFORMATION"),
                    QMessageBox::Information);
        return;
    }
    if (!CheckCodecFiles())
        return;
    if (!ChooseOutputFolder(QString::fromLatin1(texts.chooserTitle), FOutputDir))
        return;
    if (!DirectoryExists(FOutputDir)) {
        ShowMessage(QStringLiteral("Directory \"") + FOutputDir + QStringLiteral("\" don't exists."),
                    QStringLiteral("ERROR"), QMessageBox::Critical);
        return;
    }
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        list->topLevelItem(i)->setText(OutputColumn, QString());
    StartRowsFrom(0);
}

bool TConverterForm::CheckCodecFiles()
{
    for (const char *name : kCodecFiles) {
        if (!FileExists(FExeDir + QString::fromLatin1(name))) {
            ShowMessage(QStringLiteral("Audio codec error, please reinstall this software."),
                        QStringLiteral("ERROR"), QMessageBox::Critical);
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

// A name counts as taken when anything stands there: a folder would make the codec fail,
// and a link, even a dangling one, would let it write through to wherever it points.
QString TConverterForm::MakeOutputFileName(const QString &name) const
{
    return ::MakeOutputFileName(FOutputDir, name,
                                QString::fromLatin1(TextsOf(ActiveDirection()).outputExtension),
                                EntryExists);
}

// Starts the batch's rows from `row` on until a codec runs. A row that cannot start (its
// input has gone, or no output name is free) counts as a failed file and the batch goes
// on, so the window is never left busy with nothing running.
void TConverterForm::StartRowsFrom(int row)
{
    QTreeWidget *list = ActiveList();
    for (; row < list->topLevelItemCount(); ++row) {
        FCurrentRow = row;
        FInputPath = list->topLevelItem(row)->text(0);
        FInputName = FileNamePart(FInputPath);
        FOutputPath = MakeOutputFileName(FInputName);
        switch (StartDecoding()) {
        case TStartResult::Started:
        case TStartResult::FailedToStart: // reported; the window is idle again
            return;
        case TStartResult::NotStarted: {
            const QString why = FOutputPath.isEmpty()
                ? QStringLiteral("No free output name is left for \"%1\" in \"%2\".")
                      .arg(FInputName, FOutputDir)
                : QStringLiteral("\"%1\" is no longer there.").arg(FInputPath);
            ShowMessage(QStringLiteral("Can't decode file."), QStringLiteral("INFORMATION"),
                        QMessageBox::Critical, why);
            break;
        }
        }
    }
    FinishBatch();
}
