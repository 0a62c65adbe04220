// The two lists of input files. The pages are twins: one implementation takes the page's
// list and texts, and only the handlers are two.
#include "app/ConverterForm.h"
#include "app/ModalSeam.h"
#include "app/Paths.h"
#include "lists/FileSize.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QToolTip>
#include <QTreeWidget>

void TConverterForm::AMRAddButtonClick()
{
    const std::optional<QString> path = FSeam.RunOpenDialog(*OpenDialogOf(TDirection::AmrToMp3));
    if (path)
        AddAMRFile(*path, true);
}

void TConverterForm::MP3AddButtonClick()
{
    const std::optional<QString> path = FSeam.RunOpenDialog(*OpenDialogOf(TDirection::Mp3ToAmr));
    if (path)
        AddMP3File(*path, true);
}

void TConverterForm::AddAMRFile(const QString &path, bool select)
{
    AddFile(AMRListView, path, select);
}

void TConverterForm::AddMP3File(const QString &path, bool select)
{
    AddFile(MP3ListView, path, select);
}

void TConverterForm::AddFile(QTreeWidget *list, const QString &path, bool select)
{
    if (path.isEmpty() || FindRowByPath(list, path))
        return;
    FOutputDir = DirectoryPart(path);
    // A pipe or device under an audio name could block the codec for good.
    if (!IsRegularFile(path))
        return;
    auto *row = new QTreeWidgetItem(list, {path, FormatFileSize(QFileInfo(path).size()), QString()});
    if (select)
        list->setCurrentItem(row);
}

// Exact comparison: two names that differ only in case are two files on Linux.
bool TConverterForm::FindRowByPath(QTreeWidget *list, const QString &path)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(0) == path) {
            list->setCurrentItem(list->topLevelItem(i));
            return true;
        }
    }
    return false;
}

void TConverterForm::AMRDeleteButtonClick()
{
    DeleteSelectedRow(TDirection::AmrToMp3);
}

void TConverterForm::MP3DeleteButtonClick()
{
    DeleteSelectedRow(TDirection::Mp3ToAmr);
}

// Removes the row only; the file stays on disk.
void TConverterForm::DeleteSelectedRow(TDirection direction)
{
    const QList<QTreeWidgetItem *> selected = ListOf(direction)->selectedItems();
    if (selected.isEmpty()) {
        ShowMessage(QString::fromLatin1(TextsOf(direction).selectMessage),
                    QStringLiteral("INFORMATION"), QMessageBox::Information);
        return;
    }
    delete selected.constFirst();
    // The list would select the next row; a second press must not remove that one too.
    ListOf(direction)->setCurrentItem(nullptr);
}

// Dropped files go through the same add as the dialog's, in the order dropped; folders are
// passed over and the last row added ends up selected.
void TConverterForm::DropFiles(QTreeWidget *list, const QStringList &paths)
{
    if (IsBusy())
        return;
    QTreeWidgetItem *added = nullptr;
    for (const QString &path : paths) {
        if (DirectoryExists(path))
            continue;
        const int before = list->topLevelItemCount();
        AddFile(list, path, false);
        if (list->topLevelItemCount() > before)
            added = list->topLevelItem(before);
    }
    if (added)
        list->setCurrentItem(added);
}

bool TConverterForm::HandleListEvent(QTreeWidget *list, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!IsBusy() && drag->mimeData()->hasUrls())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::ToolTip: {
        auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex cell = list->indexAt(help->pos());
        const QString text = cell.data().toString();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, list->viewport(), list->visualRect(cell));
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        QStringList paths;
        for (const QUrl &url : drop->mimeData()->urls()) {
            if (url.isLocalFile())
                paths << url.toLocalFile();
        }
        if (IsBusy() || paths.isEmpty()) {
            drop->ignore();
            return true;
        }
        DropFiles(list, paths);
        drop->acceptProposedAction();
        return true;
    }
    default:
        return false;
    }
}
