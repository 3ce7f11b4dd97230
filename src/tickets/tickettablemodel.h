#pragma once

#include "db/resultset.h"
#include "gridcolumns.h"

#include <QAbstractTableModel>
#include <vector>

namespace tickets {

// The grid's model over the list's result set: one row per ticket, one column per grid column.
// Cells are converted only when the view asks for them.
class TicketTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TicketTableModel(QObject *parent = nullptr);

    void setRows(db::ResultSet rows);
    void clear();
    void setGridColumns(QList<GridColumn> columns);
    const QList<GridColumn> &gridColumns() const { return m_columns; }
    const db::ResultSet &rows() const { return m_rows; }
    // The result column a grid column shows, -1 when the query lacks it.
    int fieldIndex(int gridColumn) const { return m_fieldIndexes[size_t(gridColumn)]; }
    QString title(int gridColumn) const;
    void removeTicketRow(int row);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void mapFields();

    db::ResultSet m_rows;
    QList<GridColumn> m_columns;
    std::vector<int> m_fieldIndexes;
};

} // namespace tickets
