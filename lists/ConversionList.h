// One page's list of input files as a model: its rows, the duplicate check and the outputs
// a batch records in them.
#pragma once

#include "lists/Direction.h"
#include "lists/FolderWalk.h"

#include <QAbstractTableModel>
#include <QHash>

// A row: the file it stands for, its size text, and what the last batch made of it.
struct TListRow {
    QByteArray path; // as the file system names it
    QString sizeText;
    QByteArray output;   // the output made from it, empty for none
    QString failure;     // why the last batch could not convert it, empty for none
    TFileId id;          // what the file was when it was added
    QByteArray tree;     // the added folder it was found in, empty for a file added by itself
    QByteArray subfolder; // its folder below that one
};

// The two pages' lists are two of these. Rows keep the order they were added in; no two stand
// for the same file, by path or by what the file is. The list holds only what it was told:
// it never looks at a file.
class TConversionList : public QAbstractTableModel {
    Q_OBJECT

public:
    enum TColumn { FileColumn, SizeColumn, OutputColumn, ColumnCount };
    // Roles beyond Qt's: the row's file as bytes, and why it failed (for the failure mark).
    enum TRole { PathRole = Qt::UserRole, FailureRole };

    explicit TConversionList(TDirection direction, QObject *parent = nullptr);

    const TListRow &Row(int row) const { return FRows.at(row); }
    int Count() const { return int(FRows.size()); }

    // The row that lists `path` exactly (two names that differ only in case are two files),
    // or -1.
    int FindRowByPath(const QByteArray &path) const { return FByPath.value(path, -1); }
    // The row that lists the file `id` is, reached by whatever path, or -1.
    int FindRowByFile(const TFileId &id) const { return FById.value(id, -1); }

    // Adds a row for each file not listed yet, in order, as one insertion. Answers the rows
    // the files stand in, new or already there, in the order given.
    QList<int> Add(const QList<TFoundFile> &files);
    void RemoveRow(int row);

    void ClearOutputs();
    void SetOutput(int row, const QByteArray &output);
    void SetFailure(int row, const QString &reason);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void Reindex(int from);

    const TDirection FDirection;
    QList<TListRow> FRows;
    QHash<QByteArray, int> FByPath;
    QHash<TFileId, int> FById;
};
