// The real dialogs, message boxes and browser.
#include "app/ModalSeam.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileDialog>

QStringList TDesktopSeam::RunOpenDialog(QFileDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

std::optional<QString> TDesktopSeam::ChooseFolder(QWidget *owner, const QString &title,
                                                  const QString &folder)
{
    QFileDialog chooser(owner, title, folder);
    chooser.setFileMode(QFileDialog::Directory);
    chooser.setOption(QFileDialog::ShowDirsOnly);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
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
