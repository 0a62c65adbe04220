#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// The rows of a list by their caption, so that a duplicate is found without walking the
// rows. It follows the list's own model: rows added, removed or cleared by any means keep it
// right.
class TRowIndex : public QObject {
public:
    explicit TRowIndex(QTreeWidget *list);

    QTreeWidgetItem *Find(const QString &path) const { return FRows.value(path); }

private:
    QTreeWidget *FList;
    QHash<QString, QTreeWidgetItem *> FRows;
};
