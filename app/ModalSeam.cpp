// The real dialogs, message boxes and browser.
#include "app/ModalSeam.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileDialog>

QStringList TDesktopSeam::RunOpenDialog(QFileDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

TDesktopSeam::TDesktopSeam() = default;

TDesktopSeam::~TDesktopSeam()
{
    delete FChooser;
}

std::optional<QString> TDesktopSeam::ChooseFolder(QWidget *owner, const QString &title,
                                                  const QString &folder)
{
    if (FChooser && FChooser->parentWidget() != owner)
        delete FChooser;
    if (!FChooser) {
        FChooser = new QFileDialog(owner);
        FChooser->setFileMode(QFileDialog::Directory);
        FChooser->setOption(QFileDialog::ShowDirsOnly);
        FChooser->setOption(QFileDialog::DontUseNativeDialog);
    }
    QFileDialog &chooser = *FChooser;
    chooser.setWindowTitle(title);
    chooser.setDirectory(folder);
    chooser.selectFile(QString()); // the folder itself, not what was typed last time
    if (chooser.exec() != QDialog::Accepted || !FChooser || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    return chooser.selectedFiles().constFirst();
}

bool TDesktopSeam::ShowMessage(QWidget *owner, const TMessage &message)
{
    QMessageBox box(message.icon, message.caption, message.text, QMessageBox::Ok, owner);
    // Texts hold file names, which may look like markup: shown as they are.
    box.setTextFormat(Qt::PlainText);
    if (!message.details.isEmpty())
        box.setDetailedText(message.details);
    if (!message.checkBox.isEmpty())
        box.setCheckBox(new QCheckBox(message.checkBox, &box));
    box.exec();
    return box.checkBox() && box.checkBox()->isChecked();
}

void TDesktopSeam::OpenAddress(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}
