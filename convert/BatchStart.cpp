// The Convert buttons: checks, the output folder, and starting the batch's rows.
#include "app/ConverterForm.h"
#include "app/ModalSeam.h"
#include "app/Paths.h"
#include "convert/CodecContract.h"
#include "convert/OutputNaming.h"

#include <QApplication>
#include <QProgressBar>
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

// Choosing a name also takes it: the first candidate that can be made anew becomes an empty
// file of this program's own, which the codec then writes into. Whatever already stands at
// a name (a file, a folder, a link, even a dangling one) is left alone, so no file of anyone
// else's is ever written or removed by a batch. Given `undecided`, a candidate that is the
// output of a row not judged yet ends the search instead: whether that name will be free
// depends on the judgement.
QString TConverterForm::MakeOutputFileName(const QString &name, QString *whyNone, bool *undecided)
{
    int refused = 0; // errno of a candidate that could not be made for another reason
    bool asked = false;
    const QString path = ::MakeOutputFileName(
        FOutputDir, name, QString::fromLatin1(TextsOf(ActiveDirection()).outputExtension),
        [&](const QString &candidate) {
            asked = true;
            if (undecided && IsHeldOutput(candidate)) {
                *undecided = true;
                return false;
            }
            const int error = CreateNewFile(candidate);
            if (error != 0 && error != EEXIST)
                refused = error;
            return error == EEXIST;
        },
        NameMaxOf(FOutputDir));
    if (undecided && *undecided)
        return QString();
    if (refused != 0 || path.isEmpty()) {
        if (whyNone) {
            *whyNone = refused != 0
                ? QStringLiteral("Can't create \"%1\": %2.").arg(path, qt_error_string(refused))
                : asked ? QStringLiteral("No free output name is left for \"%1\" in \"%2\".")
                              .arg(FileNamePart(name), FOutputDir)
                        : QStringLiteral("No output name for \"%1\" fits in \"%2\".")
                              .arg(FileNamePart(name), FOutputDir);
        }
        return QString();
    }
    return path;
}

// Starts the batch's rows from `row` on until a codec runs; a row converted ahead is taken
// up as it is. A row that cannot start (its input is no longer a file, or no output name can
// be had) counts as a failed file and the batch goes on, so the window is never left busy
// with nothing running.
void TConverterForm::StartRowsFrom(int row)
{
    QTreeWidget *list = ActiveList();
    const int rows = list->topLevelItemCount();
    for (; row < rows; ++row) {
        FCurrentRow = row;
        // Painted with the window's next update rather than at once, which would hold up
        // the batch for a whole repaint at every row.
        BatchProgress->setUpdatesEnabled(false);
        BatchProgress->setRange(0, rows);
        BatchProgress->setValue(row);
        BatchProgress->setUpdatesEnabled(true);
        BatchProgress->setToolTip(QStringLiteral("%1 of %2 files done").arg(row).arg(rows));
        FInputPath = list->topLevelItem(row)->text(0);
        FInputName = FileNamePart(FInputPath);
        QString why;
        if (CurrentRun()) {
            if (TakeUpRun() == TStartResult::Started || FCurrentRow != row)
                return;
        } else {
            FOutputPath = IsRegularFile(FInputPath) ? MakeOutputFileName(FInputName, &why) : QString();
            if (!FOutputPath.isEmpty()) {
                const TStartResult result = StartDecoding();
                // Started, reported, or ended meanwhile by Stop or by closing the window.
                if (result != TStartResult::NotStarted || FCurrentRow != row)
                    return;
            }
        }
        if (why.isEmpty())
            why = QStringLiteral("\"%1\" is no longer there, or is not a file.").arg(FInputPath);
        ShowMessage(QStringLiteral("Can't decode file."), QStringLiteral("INFORMATION"),
                    QMessageBox::Critical, why);
        if (FCurrentRow != row)
            return;
    }
    FinishBatch();
}
