// The two lists of input files. The pages are twins: one implementation takes the page's
// list and texts, and only the handlers are two.
#include "app/ConverterForm.h"
#include "app/ModalSeam.h"
#include "app/Paths.h"
#include "lists/FileSize.h"
#include "lists/FolderScan.h"
#include "lists/RowIndex.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QSet>
#include <QToolTip>
#include <QTreeWidget>

namespace {

// From this many files on, adding shows the wait cursor.
constexpr qsizetype kManyFiles = 200;

// The wait cursor while a large add keeps the window from answering.
class TWaitCursor {
public:
    explicit TWaitCursor(bool show) : FShown(show)
    {
        if (FShown)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~TWaitCursor()
    {
        if (FShown)
            QGuiApplication::restoreOverrideCursor();
    }
    TWaitCursor(const TWaitCursor &) = delete;
    TWaitCursor &operator=(const TWaitCursor &) = delete;

private:
    bool FShown;
};

} // namespace

void TConverterForm::AMRAddButtonClick()
{
    AddFiles(AMRListView, FSeam.RunOpenDialog(*OpenDialogOf(TDirection::AmrToMp3)));
}

void TConverterForm::MP3AddButtonClick()
{
    AddFiles(MP3ListView, FSeam.RunOpenDialog(*OpenDialogOf(TDirection::Mp3ToAmr)));
}

void TConverterForm::AddAMRFile(const QString &path, bool select)
{
    AddFiles({{AMRListView, path}}, select);
}

void TConverterForm::AddMP3File(const QString &path, bool select)
{
    AddFiles({{MP3ListView, path}}, select);
}

void TConverterForm::AddFiles(QTreeWidget *list, const QStringList &paths)
{
    TFileRows files;
    for (const QString &path : paths)
        files.append({list, path});
    AddFiles(files, true);
}

// Each file is added as one file always was, in the order given: a path already listed
// selects its row instead, and the folder of each new path becomes the proposed output
// folder. The rows go into their lists at once at the end, so that thousands cost no more
// than their own making.
QTreeWidget *TConverterForm::AddFiles(const TFileRows &files, bool select)
{
    const TWaitCursor wait(files.size() > kManyFiles);
    struct TNewRows {
        QList<QTreeWidgetItem *> rows;
        QSet<QString> paths;
    };
    QHash<QTreeWidget *, TNewRows> added;
    QTreeWidget *first = nullptr;
    for (const auto &[list, path] : files) {
        TNewRows &news = added[list];
        if (path.isEmpty() || news.paths.contains(path) || FindRowByPath(list, path))
            continue;
        FOutputDir = DirectoryPart(path);
        // A pipe or device under an audio name could block the codec for good.
        const std::optional<qint64> size = RegularFileSize(path);
        if (!size)
            continue;
        news.rows << new QTreeWidgetItem({path, FormatFileSize(*size), QString()});
        news.paths.insert(path);
        if (!first)
            first = list;
    }
    for (auto it = added.cbegin(); it != added.cend(); ++it) {
        it.key()->addTopLevelItems(it->rows);
        if (select && !it->rows.isEmpty())
            it.key()->setCurrentItem(it->rows.constLast());
    }
    return first;
}

// Exact comparison: two names that differ only in case are two files on Linux.
bool TConverterForm::FindRowByPath(QTreeWidget *list, const QString &path)
{
    QTreeWidgetItem *row = (list == MP3ListView ? FMP3Rows : FAMRRows)->Find(path);
    if (row)
        list->setCurrentItem(row);
    return row != nullptr;
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

// Dropped files go through the same add as the dialog's, in the order dropped. A dropped
// folder gives the files of this page's kind found in it and below.
void TConverterForm::DropFiles(QTreeWidget *list, const QStringList &paths)
{
    if (IsBusy())
        return;
    const TWaitCursor wait(true);
    const TDirection page = list == MP3ListView ? TDirection::Mp3ToAmr : TDirection::AmrToMp3;
    QStringList files;
    for (const QString &path : paths) {
        if (!DirectoryExists(path)) {
            files << path;
            continue;
        }
        for (const QString &file : RegularFilesUnder(path)) {
            if (IsInputOf(page, file))
                files << file;
        }
    }
    AddFiles(list, files);
}

// Files named when the program starts, as a file manager's "Open with" names them: each goes
// to the page of its kind, a folder gives each page its files, and anything else is passed
// over. The window shows the page of the first file added.
void TConverterForm::OpenFiles(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return;
    const TWaitCursor wait(true);
    TFileRows files;
    for (const QString &argument : arguments) {
        if (argument.isEmpty())
            continue;
        const QString path = QFileInfo(argument).absoluteFilePath();
        const QStringList found = DirectoryExists(path) ? RegularFilesUnder(path) : QStringList{path};
        for (const QString &file : found) {
            if (const std::optional<TDirection> page = PageOfFile(file))
                files.append({ListOf(*page), file});
        }
    }
    if (QTreeWidget *first = AddFiles(files, true))
        PageControl->setCurrentIndex(first == MP3ListView ? 1 : 0);
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
