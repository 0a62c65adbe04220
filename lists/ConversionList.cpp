// A page's list of input files: rows, the duplicate check, outputs and failures.
#include "lists/ConversionList.h"

#include "lists/FileSize.h"
#include "lists/Paths.h"

#include <QCoreApplication>

TConversionList::TConversionList(TDirection direction, QObject *parent)
    : QAbstractTableModel(parent), FDirection(direction)
{
}

QList<int> TConversionList::Add(const QList<TFoundFile> &files)
{
    QList<int> rows;
    QList<TListRow> news;
    const int first = Count();
    for (const TFoundFile &file : files) {
        int row = FindRowByPath(file.path);
        if (row < 0)
            row = FindRowByFile(file.id);
        if (row < 0) {
            row = first + int(news.size());
            news.append({file.path, FormatFileSize(file.size), {}, {}, file.id, file.tree,
                         file.subfolder});
            // Known at once, so that a second path to it later in `files` finds it.
            FByPath.insert(file.path, row);
            FById.insert(file.id, row);
        }
        rows << row;
    }
    if (!news.isEmpty()) {
        beginInsertRows(QModelIndex(), first, first + int(news.size()) - 1);
        FRows.append(news);
        endInsertRows();
    }
    return rows;
}

void TConversionList::RemoveRow(int row)
{
    if (row < 0 || row >= Count())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    FByPath.remove(FRows.at(row).path);
    FById.remove(FRows.at(row).id);
    FRows.removeAt(row);
    Reindex(row);
    endRemoveRows();
}

// The rows after a removed one move up by one.
void TConversionList::Reindex(int from)
{
    for (int row = from; row < Count(); ++row) {
        FByPath[FRows.at(row).path] = row;
        FById[FRows.at(row).id] = row;
    }
}

void TConversionList::ClearOutputs()
{
    for (TListRow &row : FRows) {
        row.output.clear();
        row.failure.clear();
    }
    if (!FRows.isEmpty())
        emit dataChanged(index(0, OutputColumn), index(Count() - 1, OutputColumn));
}

void TConversionList::SetOutput(int row, const QByteArray &output)
{
    if (row < 0 || row >= Count())
        return;
    FRows[row].output = output;
    emit dataChanged(index(row, OutputColumn), index(row, OutputColumn));
}

void TConversionList::SetFailure(int row, const QString &reason)
{
    if (row < 0 || row >= Count())
        return;
    FRows[row].failure = reason;
    emit dataChanged(index(row, OutputColumn), index(row, OutputColumn));
}

int TConversionList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Count();
}

int TConversionList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TConversionList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= Count())
        return QVariant();
    const TListRow &row = FRows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case FileColumn:
            return ShownPath(row.path);
        case SizeColumn:
            return row.sizeText;
        case OutputColumn:
            return row.output.isEmpty() ? QString() : ShownPath(row.output);
        }
        break;
    case PathRole:
        return index.column() == OutputColumn ? row.output : row.path;
    case FailureRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (index.column() == OutputColumn && !row.failure.isEmpty())
            return row.failure;
        break;
    default:
        break;
    }
    return QVariant();
}

QVariant TConversionList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    const TPageTexts &texts = TextsOf(FDirection);
    const char *header = section == FileColumn ? texts.fileHeader
        : section == SizeColumn                ? kSizeHeader
                                               : texts.outputHeader;
    return QCoreApplication::translate("TConverterForm", header);
}

Qt::ItemFlags TConversionList::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}
