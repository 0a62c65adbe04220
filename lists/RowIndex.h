#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>

class QTreeWidget;
class QTreeWidgetItem;

// The rows of a list by the file each stands for (its name as the file system gives it), so
// that a duplicate is found without walking the rows. It follows the list's own model: rows
// added, removed or cleared by any means keep it right.
class TRowIndex : public QObject {
public:
    explicit TRowIndex(QTreeWidget *list);

    QTreeWidgetItem *Find(const QByteArray &path) const { return FRows.value(path); }

private:
    QTreeWidget *FList;
    QHash<QByteArray, QTreeWidgetItem *> FRows;
};
