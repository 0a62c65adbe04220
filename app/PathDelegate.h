// How a list's path cells are drawn.
#pragma once

#include <QStyledItemDelegate>

// Shows a path as a path also in a right-to-left layout: its text runs left to right, from
// the root folder on, in a cell that keeps to the right like the rest of the row. An output
// cell whose file failed shows the error icon.
class TPathDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
