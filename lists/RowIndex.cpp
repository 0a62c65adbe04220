#include "lists/RowIndex.h"

#include "app/ConverterForm.h"

#include <QTreeWidget>

TRowIndex::TRowIndex(QTreeWidget *list) : QObject(list), FList(list)
{
    QAbstractItemModel *model = list->model();
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &parent, int first, int last) {
                if (parent.isValid())
                    return;
                for (int row = first; row <= last; ++row) {
                    QTreeWidgetItem *item = FList->topLevelItem(row);
                    FRows.insert(TConverterForm::RowPath(item), item);
                }
            });
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &parent, int first, int last) {
                if (parent.isValid())
                    return;
                for (int row = first; row <= last; ++row) {
                    QTreeWidgetItem *item = FList->topLevelItem(row);
                    const auto found = FRows.constFind(TConverterForm::RowPath(item));
                    if (found != FRows.cend() && found.value() == item)
                        FRows.erase(found);
                }
            });
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { FRows.clear(); });
}
