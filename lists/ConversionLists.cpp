// The two lists of input files. The pages are twins: one implementation takes the page's
// list and texts, and only the handlers are two. A row shows its file's path as text and
// keeps the name the file system gave, as bytes: a name that is not UTF-8 is shown with
// U+FFFD where it cannot be read, and is converted all the same.
#include "app/ConverterForm.h"
#include "app/ModalSeam.h"
#include "app/Paths.h"
#include "lists/FileSize.h"
#include "lists/FolderScan.h"
#include "lists/RowIndex.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMimeData>
#include <QSet>
#include <QToolTip>
#include <QTreeWidget>

#include <cerrno>

namespace {

// From this many files on, adding shows the wait cursor.
constexpr qsizetype kManyFiles = 200;
constexpr int kRealPath = Qt::UserRole;

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

// The local files of a drop, as the file system names them. The URI list is read as bytes:
// Qt's own reading turns a name that is not UTF-8 into another name.
QList<QByteArray> LocalFilesOf(const QMimeData &data)
{
    QList<QByteArray> paths;
    const QByteArray list = data.data(QStringLiteral("text/uri-list"));
    for (QByteArray line : list.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#') || !line.toLower().startsWith("file:"))
            continue;
        QByteArray path = line.mid(5);
        if (path.startsWith("//")) {
            const qsizetype slash = path.indexOf('/', 2);
            const QByteArray host = path.mid(2, slash < 0 ? -1 : slash - 2);
            if (slash < 0 || !(host.isEmpty() || host.toLower() == "localhost"))
                continue; // another machine's file
            path = path.mid(slash);
        }
        path = QByteArray::fromPercentEncoding(path);
        // A name holds no zero byte: one that does would name another file to the system.
        if (path.startsWith('/') && !path.contains('\0'))
            paths << path;
    }
    return paths;
}

} // namespace

QByteArray TConverterForm::RowPath(const QTreeWidgetItem *row)
{
    return row->data(0, kRealPath).toByteArray();
}

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
    AddFiles({{AMRListView, NativePath(path)}}, select, nullptr);
}

void TConverterForm::AddMP3File(const QString &path, bool select)
{
    AddFiles({{MP3ListView, NativePath(path)}}, select, nullptr);
}

void TConverterForm::AddFiles(QTreeWidget *list, const QStringList &paths)
{
    TFileRows files;
    for (const QString &path : paths)
        files.append({list, NativePath(path)});
    AddFound(files, {});
}

void TConverterForm::SetOutputDir(const QByteArray &folder)
{
    FOutputDirNative = folder;
    FOutputDir = ShownPath(folder);
}

// Each file is added as one file always was, in the order given: a path already listed
// selects its row instead, and the folder of each new path becomes the proposed output
// folder. The rows go into their lists at once at the end, so that thousands cost no more
// than their own making. A file that is there but could not be looked at goes into
// `problems`; one that is not there, or is no regular file, is passed over.
QTreeWidget *TConverterForm::AddFiles(const TFileRows &files, bool select, QStringList *problems)
{
    const TWaitCursor wait(files.size() > kManyFiles);
    struct TNewRows {
        QList<QTreeWidgetItem *> rows;
        QSet<QByteArray> paths;
    };
    QHash<QTreeWidget *, TNewRows> added;
    QTreeWidget *first = nullptr;
    for (const auto &[list, path] : files) {
        TNewRows &news = added[list];
        if (path.isEmpty() || path.contains('\0') || news.paths.contains(path) || FindRow(list, path))
            continue;
        SetOutputDir(DirectoryPart(path));
        // A pipe or device under an audio name could block the codec for good.
        int error = 0;
        const std::optional<qint64> size = RegularFileSize(path, &error);
        if (!size) {
            if (problems && error != 0 && error != ENOENT && error != ENOTDIR)
                *problems << ReasonLine(ShownPath(path), ErrorText(error));
            continue;
        }
        auto *row = new QTreeWidgetItem({ShownPath(path), FormatFileSize(*size), QString()});
        row->setData(0, kRealPath, path);
        news.rows << row;
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

// One message for everything an add could not take, however much.
void TConverterForm::ReportUnadded(const QStringList &problems)
{
    if (problems.isEmpty())
        return;
    ShowMessage(tr("%n file(s) or folder(s) could not be added.", nullptr, int(problems.size())),
                tr("INFORMATION"), QMessageBox::Information, problems.join(u'\n'));
}

// Exact comparison: two names that differ only in case are two files on Linux.
bool TConverterForm::FindRowByPath(QTreeWidget *list, const QString &path)
{
    return FindRow(list, NativePath(path));
}

bool TConverterForm::FindRow(QTreeWidget *list, const QByteArray &path)
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
        ShowMessage(tr(TextsOf(direction).selectMessage), tr("INFORMATION"),
                    QMessageBox::Information);
        return;
    }
    delete selected.constFirst();
    // The list would select the next row; a second press must not remove that one too.
    ListOf(direction)->setCurrentItem(nullptr);
}

// Dropped files go through the same add as the dialog's, in the order dropped. A dropped
// folder gives the files of this page's kind found in it and below.
void TConverterForm::DropFiles(QTreeWidget *list, const QList<QByteArray> &paths)
{
    if (IsBusy() || FBatch)
        return;
    const TWaitCursor wait(true);
    const TDirection page = list == MP3ListView ? TDirection::Mp3ToAmr : TDirection::AmrToMp3;
    TFileRows files;
    QList<TFolderProblem> unread;
    for (const QByteArray &path : paths) {
        if (!DirectoryExists(path)) {
            files.append({list, path});
            continue;
        }
        const auto ofPage = [page](const QByteArray &name) { return IsInputOf(page, name); };
        for (const QByteArray &file : FilesUnder(path, ofPage, &unread))
            files.append({list, file});
    }
    AddFound(files, unread);
}

// Files named when the program starts, as a file manager's "Open with" names them: each goes
// to the page of its kind, a folder gives each page its files, and anything else is passed
// over. The window shows the page of the first file added.
void TConverterForm::OpenFiles(const QList<QByteArray> &arguments)
{
    if (arguments.isEmpty())
        return;
    const TWaitCursor wait(true);
    TFileRows files;
    QList<TFolderProblem> unread;
    const auto ofAPage = [](const QByteArray &name) { return PageOfFile(name).has_value(); };
    for (const QByteArray &argument : arguments) {
        if (argument.isEmpty())
            continue;
        const QByteArray path = AbsolutePath(argument);
        const QList<QByteArray> found =
            DirectoryExists(path) ? FilesUnder(path, ofAPage, &unread) : QList<QByteArray>{path};
        for (const QByteArray &file : found) {
            if (const std::optional<TDirection> page = PageOfFile(file))
                files.append({ListOf(*page), file});
        }
    }
    if (QTreeWidget *first = AddFound(files, unread))
        PageControl->setCurrentIndex(first == MP3ListView ? 1 : 0);
}

// Adds what a walk found and reports, once, whatever it or the add could not take.
QTreeWidget *TConverterForm::AddFound(const TFileRows &files, const QList<TFolderProblem> &unread)
{
    QStringList problems;
    for (const TFolderProblem &problem : unread)
        problems << ReasonLine(ShownPath(problem.path), ErrorText(problem.error));
    QTreeWidget *first = AddFiles(files, true, &problems);
    ReportUnadded(problems);
    return first;
}

bool TConverterForm::HandleListEvent(QTreeWidget *list, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!IsBusy() && !FBatch && drag->mimeData()->hasUrls())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::ToolTip: {
        // A cell's own tip (why its file failed), else its whole text, which may be elided.
        auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex cell = list->indexAt(help->pos());
        const QString tip = cell.data(Qt::ToolTipRole).toString();
        const QString text = tip.isEmpty() ? cell.data().toString() : tip;
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, list->viewport(), list->visualRect(cell));
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QList<QByteArray> paths = LocalFilesOf(*drop->mimeData());
        if (IsBusy() || FBatch || paths.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // Added once the drop is over: a message about what could not be added must not hold
        // the file manager's drag open until it is answered.
        QMetaObject::invokeMethod(this, [this, list, paths] { DropFiles(list, paths); },
                                  Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}
