// A page's list as the user sees it: the rows of a conversion list in three columns, with
// drops, tooltips and the mark of a failed row.
#pragma once

#include <QTreeView>

#include <functional>

class QMimeData;
class TConversionList;

// The local files of a drop, as the file system names them. The URI list is read as bytes:
// Qt's own reading turns a name that is not UTF-8 into another name.
QList<QByteArray> LocalFilesOf(const QMimeData &data);

// Text shown as a tooltip exactly as it reads, markup and all.
QString PlainToolTip(const QString &text);

class TConversionListView : public QTreeView {
    Q_OBJECT

public:
    explicit TConversionListView(QWidget *parent = nullptr);

    // Shows `list`, with the design's column widths or what a translated header needs.
    void SetList(TConversionList *list);
    TConversionList *List() const { return FList; }

    // The selected row, or -1.
    int SelectedRow() const;
    // Makes `row` the current and selected one; -1 for none.
    void SelectRow(int row);
    // Whether drops are taken now (the window is idle).
    std::function<bool()> acceptsDrops;
    // The wait cursor over the list while an add looks at the file system.
    void ShowAdding(bool adding);

signals:
    void FilesDropped(const QList<QByteArray> &paths);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    TConversionList *FList = nullptr;
};
