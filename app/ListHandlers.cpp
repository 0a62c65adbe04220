// The lists' handlers on the window's side: the Add and Delete buttons, drops and files
// named at start. Every look at the file system an add needs is made by the engine's add
// worker; the window hands it the paths and shows what comes back, in order. The pages are
// twins: one implementation takes the page, and only the handlers are two.
#include "app/ConverterForm.h"
#include "app/ListView.h"
#include "app/ModalSeam.h"
#include "lists/FileAdder.h"
#include "lists/Paths.h"

#include <QFileDialog>
#include <QSet>
#include <QPushButton>
#include <QTabWidget>

void TConverterForm::AMRAddButtonClick()
{
    AddPicked(TDirection::AmrToMp3, FSeam.RunOpenDialog(*OpenDialogOf(TDirection::AmrToMp3)));
}

void TConverterForm::MP3AddButtonClick()
{
    AddPicked(TDirection::Mp3ToAmr, FSeam.RunOpenDialog(*OpenDialogOf(TDirection::Mp3ToAmr)));
}

void TConverterForm::AddAMRFile(const QString &path, bool select)
{
    AddOneFile(TDirection::AmrToMp3, path, select);
}

void TConverterForm::AddMP3File(const QString &path, bool select)
{
    AddOneFile(TDirection::Mp3ToAmr, path, select);
}

void TConverterForm::SetOutputDir(const QByteArray &folder)
{
    FOutputDirNative = folder;
    FOutputDir = DecodedPath(folder);
}

// A file added by itself: a path already listed selects its row and nothing else happens;
// otherwise its folder becomes the proposed output folder, and the worker looks it up. A
// file that is not there is passed over, silently.
void TConverterForm::AddOneFile(TDirection page, const QString &path, bool select)
{
    const QByteArray native = NativePath(path);
    if (path.isEmpty() || FindRowByPath(ViewOf(page), path))
        return;
    SetOutputDir(DirectoryPart(native));
    StartAdd({{native}, false, {}, {}}, {page, select, false, false, false});
}

// The files picked in an Add dialog, as one add: each is added as one file always was, and
// a file that is there but could not be looked at is named after the add.
void TConverterForm::AddPicked(TDirection page, const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    QList<QByteArray> files;
    QSet<QByteArray> picked;
    for (const QString &path : paths) {
        const QByteArray native = NativePath(path);
        files << native;
        if (!path.isEmpty() && ListOf(page)->FindRowByPath(native) < 0 && !picked.contains(native))
            SetOutputDir(DirectoryPart(native));
        picked.insert(native);
    }
    StartAdd({files, false, {}, {}}, {page, true, true, false, false});
}

// Dropped files go through the same add as the dialog's, in the order dropped. A dropped
// folder gives the files of this page's kind found in it and below.
void TConverterForm::DropFiles(TDirection page, const QList<QByteArray> &paths)
{
    if (IsBusy() || FBatch || paths.isEmpty())
        return;
    QList<QByteArray> dropped;
    for (const QByteArray &path : paths)
        dropped << AbsolutePath(path); // no "." or ".." step left to name a kept tree
    StartAdd({dropped, true, TextsOf(page).inputExtensions, {}}, {page, true, true, false, true});
}

// Files named when the program starts, as a file manager's "Open with" names them: each goes
// to the page of its kind, a folder gives each page its files, and anything else is passed
// over. The window shows the page of the first file added.
void TConverterForm::OpenFiles(const QList<QByteArray> &arguments)
{
    QList<QByteArray> paths;
    for (const QByteArray &argument : arguments) {
        if (!argument.isEmpty())
            paths << AbsolutePath(argument);
    }
    if (paths.isEmpty())
        return;
    const QList<QByteArray> kinds = TextsOf(TDirection::AmrToMp3).inputExtensions
        + TextsOf(TDirection::Mp3ToAmr).inputExtensions;
    StartAdd({paths, true, kinds, kinds}, {std::nullopt, true, true, true, true});
}

void TConverterForm::StartAdd(TAddRequest request, const TPendingAdd &add)
{
    FAdds.insert(FAdder->Add(std::move(request)), add);
}

bool TConverterForm::Adding() const
{
    return FAdder->Busy();
}

// What an add found, in order: a file listed already (by its path, or reached by another
// path) selects its row instead; each new one proposes its folder as the output folder. The
// new rows go into their lists at once, so that thousands cost no more than their own
// making.
void TConverterForm::ShowFound(quint64 add, const QList<TFoundFile> &files)
{
    const auto found = FAdds.find(add);
    if (found == FAdds.end())
        return;
    TPendingAdd &pending = *found;
    QHash<TDirection, QList<TFoundFile>> byPage;
    QList<TDirection> order;
    for (const TFoundFile &file : files) {
        const std::optional<TDirection> page = pending.page ? pending.page : PageOfFile(file.path);
        if (!page)
            continue;
        if (!byPage.contains(*page))
            order << *page;
        byPage[*page] << file;
    }
    for (const TDirection page : std::as_const(order)) {
        TConversionList *list = ListOf(page);
        const int before = list->Count();
        const QList<int> rows = list->Add(byPage.value(page));
        int last = before - 1;
        for (const int row : rows) {
            if (row > last && pending.proposeFolders)
                SetOutputDir(DirectoryPart(list->Row(row).path));
            last = std::max(last, row);
        }
        if (pending.select && !rows.isEmpty())
            ViewOf(page)->SelectRow(list->Count() > before ? list->Count() - 1 : rows.constLast());
        if (pending.showPage && list->Count() > before) {
            PageControl->setCurrentIndex(page == TDirection::Mp3ToAmr ? 1 : 0);
            pending.showPage = false;
        }
    }
}

// One message for everything an add could not look at, however much.
void TConverterForm::ShowAddDone(quint64 add, const QList<TFolderProblem> &problems)
{
    if (!FAdds.contains(add))
        return;
    const TPendingAdd pending = FAdds.take(add);
    if (!pending.report || problems.isEmpty())
        return;
    QStringList lines;
    for (const TFolderProblem &problem : problems)
        lines << ReasonLine(ShownPath(problem.path), ErrorText(problem.error));
    ShowMessage(tr("%n file(s) or folder(s) could not be added.", nullptr, int(lines.size())),
                tr("INFORMATION"), QMessageBox::Information, lines.join(u'\n'));
}

// While an add looks at files the window answers as ever; only Convert and Delete wait for
// it to end, as their lists are not complete yet. Escape ends it.
void TConverterForm::ShowAdding(bool adding)
{
    for (TConversionListView *view : {AMRListView, MP3ListView})
        view->ShowAdding(adding);
    if (IsBusy())
        return;
    for (QPushButton *button : {AMRDeleteButton, AMRMP3Button, MP3DeleteButton, MP3AMRButton})
        button->setEnabled(!adding);
}

// Exact comparison: two names that differ only in case are two files on Linux.
bool TConverterForm::FindRowByPath(TConversionListView *list, const QString &path)
{
    const int row = list->List()->FindRowByPath(NativePath(path));
    if (row >= 0)
        list->SelectRow(row);
    return row >= 0;
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
    if (Adding() || IsBusy())
        return;
    TConversionListView *view = ViewOf(direction);
    const int row = view->SelectedRow();
    if (row < 0) {
        ShowMessage(tr(TextsOf(direction).selectMessage), tr("INFORMATION"),
                    QMessageBox::Information);
        return;
    }
    view->List()->RemoveRow(row);
    // The list would select the next row; a second press must not remove that one too.
    view->SelectRow(-1);
}
