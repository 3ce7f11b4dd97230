#pragma once

#include "tickets/gridcolumns.h"

#include <QTableView>

namespace tickets {
class TicketTableModel;
}

namespace ui {

// "suiDBGrid1": the ticket list's grid. Read-only; a single current row, or several selected
// rows while multi-row selection is on.
class TicketGrid : public QTableView {
    Q_OBJECT
public:
    explicit TicketGrid(QWidget *parent = nullptr);

    void setTicketModel(tickets::TicketTableModel *model);
    tickets::TicketTableModel *ticketModel() const { return m_model; }

    int currentRow() const;
    int currentGridColumn() const;
    void setCurrentRow(int row);
    QList<int> selectedRows() const;
    void setMultiSelect(bool on);
    bool multiSelect() const { return m_multiSelect; }

    // Column widths and visibility from the layout, defaults from the display sizes.
    void applyColumnLayout();
    // The columns as the user sees them now: display order, widths, visibility.
    QList<tickets::GridColumn> currentLayout() const;

Q_SIGNALS:
    void deleteRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int defaultWidth(int gridColumn) const;

    tickets::TicketTableModel *m_model = nullptr;
    bool m_multiSelect = false;
};

} // namespace ui
