#include "tickettablemodel.h"

#include "fieldtext.h"

namespace tickets {

TicketTableModel::TicketTableModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(designColumns())
{
    mapFields();
}

// Rows leave and arrive as removals and insertions, not as a reset, so the grid keeps its
// columns as the user arranged them.
void TicketTableModel::setRows(db::ResultSet rows)
{
    if (m_rows.rowCount() > 0) {
        beginRemoveRows(QModelIndex(), 0, m_rows.rowCount() - 1);
        m_rows = db::ResultSet(m_rows.columns());
        endRemoveRows();
    }
    const int count = rows.rowCount();
    if (count > 0)
        beginInsertRows(QModelIndex(), 0, count - 1);
    m_rows = std::move(rows);
    mapFields();
    if (count > 0)
        endInsertRows();
    if (!m_columns.isEmpty())
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, int(m_columns.size()) - 1);
}

void TicketTableModel::clear()
{
    setRows(db::ResultSet());
}

void TicketTableModel::setGridColumns(QList<GridColumn> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    mapFields();
    endResetModel();
}

void TicketTableModel::mapFields()
{
    m_fieldIndexes.clear();
    for (const GridColumn &column : m_columns)
        m_fieldIndexes.push_back(m_rows.columnIndex(column.fieldName));
}

QString TicketTableModel::title(int gridColumn) const
{
    const GridColumn &column = m_columns[gridColumn];
    if (!column.title.isEmpty())
        return column.title;
    const int field = fieldIndex(gridColumn);
    return field >= 0 ? m_rows.columns()[field].name : column.fieldName;
}

void TicketTableModel::removeTicketRow(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeRow(row);
    endRemoveRows();
}

int TicketTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.rowCount();
}

int TicketTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TicketTableModel::data(const QModelIndex &index, int role) const
{
    const int field = fieldIndex(index.column());
    if (role == Qt::DisplayRole) {
        return field >= 0 ? fieldText(m_rows, index.row(), field) : QString();
    }
    if (role == Qt::TextAlignmentRole) {
        Qt::Alignment alignment = m_columns[index.column()].cellAlignment;
        if (!alignment) {
            const bool number = field >= 0 && isNumberKind(m_rows.columns()[field].kind);
            alignment = number ? Qt::AlignRight : Qt::AlignLeft;
        }
        return QVariant::fromValue(alignment | Qt::AlignVCenter);
    }
    return {};
}

QVariant TicketTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    if (role == Qt::DisplayRole)
        return title(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns[section].titleAlignment | Qt::AlignVCenter);
    return {};
}

} // namespace tickets
