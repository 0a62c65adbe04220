// The list views: columns, selection, drops from file managers, plain-text tooltips.
#include "app/ListView.h"

#include "app/PathDelegate.h"
#include "lists/ConversionList.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMimeData>
#include <QStyle>
#include <QToolTip>

namespace {

// Room kept round a translated header that needs more than the design gave its column.
constexpr int kTextPadding = 4;

} // namespace

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

QString PlainToolTip(const QString &text)
{
    // Qt reads a tooltip that looks like markup as markup: this one is always plain text.
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}

TConversionListView::TConversionListView(QWidget *parent) : QTreeView(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Long paths keep their file names in view; the whole text shows on hover.
    setTextElideMode(Qt::ElideMiddle);
    auto *paths = new TPathDelegate(this);
    setItemDelegateForColumn(TConversionList::FileColumn, paths);
    setItemDelegateForColumn(TConversionList::OutputColumn, paths);
    header()->setStretchLastSection(false);
    viewport()->setAcceptDrops(true);
}

void TConversionListView::SetList(TConversionList *list)
{
    FList = list;
    setModel(list);
    // A header whose translation needs more room than the design's width gets it.
    const int widths[] = {180, 80, 160};
    for (int column = 0; column < TConversionList::ColumnCount; ++column) {
        const QString text = list->headerData(column, Qt::Horizontal).toString();
        const int room = header()->fontMetrics().horizontalAdvance(text)
            + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + kTextPadding;
        setColumnWidth(column, std::max(widths[column], room));
    }
}

int TConversionListView::SelectedRow() const
{
    const QModelIndexList rows = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void TConversionListView::SelectRow(int row)
{
    if (row < 0 || !FList || row >= FList->Count()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(FList->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TConversionListView::ShowAdding(bool adding)
{
    if (adding)
        viewport()->setCursor(Qt::WaitCursor);
    else
        viewport()->unsetCursor();
}

void TConversionListView::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void TConversionListView::dragMoveEvent(QDragMoveEvent *event)
{
    if ((!acceptsDrops || acceptsDrops()) && event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TConversionListView::dropEvent(QDropEvent *event)
{
    const QList<QByteArray> paths = LocalFilesOf(*event->mimeData());
    if ((acceptsDrops && !acceptsDrops()) || paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit FilesDropped(paths);
}

bool TConversionListView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QTreeView::viewportEvent(event);
    // A cell's own tip (why its file failed), else its whole text, which may be elided.
    auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex cell = indexAt(help->pos());
    const QString tip = cell.data(Qt::ToolTipRole).toString();
    const QString text = tip.isEmpty() ? cell.data().toString() : tip;
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), PlainToolTip(text), viewport(), visualRect(cell));
    return true;
}
