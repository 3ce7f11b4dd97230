#include "ticketlist.h"

#include "db/connection.h"
#include "db/cp1250.h"
#include "db/error.h"
#include "db/filebytes.h"
#include "db/sqlliteral.h"
#include "ticketgrid.h"
#include "tickets/listquery.h"
#include "waitcursor.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>

namespace ui {

TicketList::TicketList(db::Connection &connection, app::MainState &state, app::AppPaths paths,
                       TicketGrid *grid, QLabel *caption, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_state(state)
    , m_paths(std::move(paths))
    , m_grid(grid)
    , m_caption(caption)
{
    m_grid->setTicketModel(&m_model);
    connect(&m_connection, &db::Connection::aboutToClose, this, &TicketList::close);
}

void TicketList::rebuild()
{
    WaitCursor wait;
    close();
    tickets::ListInputs inputs;
    inputs.archive = m_state.archive;
    inputs.filterClause = m_state.filterClause;
    inputs.typeIndex = m_state.typeIndex;
    inputs.yearText = m_state.yearText;
    inputs.orderClause = m_state.orderClause;
    m_statement = tickets::listStatement(inputs);
    vk::writeFileBytes(m_paths.inWorkingDir(QStringLiteral("a.txt")), cp1250::encode(m_statement));
    open();
    m_caption->setText(m_state.filterClause.isEmpty()
                           ? QString()
                           : QStringLiteral(" filtr: ") + m_state.filterText);
}

void TicketList::open()
{
    m_model.setRows(m_connection.query(m_statement));
    m_open = true;
    if (m_model.rowCount() > 0)
        m_grid->setCurrentRow(0);
}

void TicketList::close()
{
    if (!m_open && m_model.rowCount() == 0)
        return;
    m_open = false;
    m_model.clear();
}

void TicketList::refresh()
{
    WaitCursor wait;
    const db::ResultSet &rows = m_model.rows();
    const int idField = rows.columnIndex(QStringLiteral("id"));
    const int row = m_grid->currentRow();
    const QString currentId = row >= 0 && idField >= 0 ? rows.text(row, idField) : QString();
    open();
    if (m_model.rowCount() == 0)
        return;
    int target = std::min(std::max(row, 0), m_model.rowCount() - 1);
    const int newIdField = m_model.rows().columnIndex(QStringLiteral("id"));
    for (int i = 0; !currentId.isEmpty() && newIdField >= 0 && i < m_model.rowCount(); ++i) {
        if (m_model.rows().text(i, newIdField) == currentId) {
            target = i;
            break;
        }
    }
    m_grid->setCurrentRow(target);
}

void TicketList::reopenOrRefresh()
{
    if (m_statement.isEmpty())
        return;
    if (m_open)
        refresh();
    else
        open();
}

void TicketList::sortByCurrentColumn(bool descending)
{
    const int column = m_grid->currentGridColumn();
    if (column < 0)
        return;
    const int field = m_model.fieldIndex(column);
    const QString name =
        field >= 0 ? m_model.rows().columns()[field].name : m_model.gridColumns()[column].fieldName;
    m_state.orderClause =
        QStringLiteral("order by ") + name + (descending ? QStringLiteral(" DESC") : QString());
    rebuild();
}

void TicketList::deleteChosenRows()
{
    QList<int> rows = m_grid->selectedRows();
    if (rows.isEmpty() && m_grid->currentRow() >= 0)
        rows << m_grid->currentRow();
    if (rows.isEmpty())
        return;
    const QString question = rows.size() >= 2 ? QStringLiteral("Delete all selected records?")
                                              : QStringLiteral("Delete record?");
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), question,
                    QMessageBox::Ok | QMessageBox::Cancel, m_grid->window());
    box.setObjectName(QStringLiteral("deleteQuestion"));
    if (box.exec() != QMessageBox::Ok)
        return;
    deleteRows(rows);
}

void TicketList::deleteRows(const QList<int> &rows)
{
    const int idField = m_model.rows().columnIndex(QStringLiteral("id"));
    if (idField < 0)
        throw vk::Error(QStringLiteral("The list has no column id"));
    const QString table = tickets::ticketTable(m_state.archive);
    // from the last row up, so the positions of the rows still to go stay valid
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        m_connection.exec(QStringLiteral("delete from ") + table + QStringLiteral(" where id=") +
                          sql::text(m_model.rows().text(*row, idField)));
        m_model.removeTicketRow(*row);
    }
    m_grid->clearSelection();
}

void TicketList::saveLayout() const
{
    WaitCursor wait;
    tickets::saveLayout(layoutPath(), m_grid->currentLayout());
}

void TicketList::loadLayoutIfSaved()
{
    if (!QFile::exists(layoutPath()))
        return;
    m_model.setGridColumns(tickets::loadLayout(layoutPath()));
    m_grid->applyColumnLayout();
}

} // namespace ui
