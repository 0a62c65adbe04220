// Drawing path cells: left to right in either layout, and a failed row's mark.
#include "app/PathDelegate.h"

#include "lists/ConversionList.h"

#include <QApplication>
#include <QStyle>

void TPathDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(TConversionList::FailureRole).toString().isEmpty()) {
        const QStyle *style = option->widget ? option->widget->style() : QApplication::style();
        option->icon = style->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, option->widget);
        option->features |= QStyleOptionViewItem::HasDecoration;
        const int size = style->pixelMetric(QStyle::PM_SmallIconSize, nullptr, option->widget);
        option->decorationSize = QSize(size, size);
    }
    if (option->direction == Qt::RightToLeft) {
        option->direction = Qt::LeftToRight;
        option->displayAlignment = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;
    }
}
