#pragma once

#include "app/apppaths.h"
#include "app/mainstate.h"
#include "tickets/tickettablemodel.h"

#include <QObject>

class QLabel;

namespace db {
class Connection;
}

namespace ui {

class TicketGrid;

// The list of tickets behind the main grid: builds its statement from the shared state, opens
// it, refreshes it, and deletes, sorts and lays out what the grid shows.
class TicketList : public QObject {
    Q_OBJECT
public:
    TicketList(db::Connection &connection, app::MainState &state, app::AppPaths paths,
               TicketGrid *grid, QLabel *caption, QObject *parent = nullptr);

    tickets::TicketTableModel &model() { return m_model; }
    TicketGrid *grid() const { return m_grid; }
    bool isOpen() const { return m_open; }
    const QString &statement() const { return m_statement; }

    // Builds the statement from the current inputs, writes it to "a.txt" and opens it.
    void rebuild();
    // Runs the same statement again and keeps the current ticket where it still is.
    void refresh();
    // Opens the list again when something closed it, refreshes it otherwise.
    void reopenOrRefresh();
    void close();

    void sortByCurrentColumn(bool descending);
    // Ctrl+Delete: the current ticket, or the selected ones, after the question.
    void deleteChosenRows();

    void saveLayout() const;
    void loadLayoutIfSaved();
    QString layoutPath() const { return m_paths.inWorkingDir(QStringLiteral("vazlab.slo")); }

private:
    void open();
    void deleteRows(const QList<int> &rows);

    db::Connection &m_connection;
    app::MainState &m_state;
    app::AppPaths m_paths;
    TicketGrid *m_grid;
    QLabel *m_caption;
    tickets::TicketTableModel m_model;
    QString m_statement;
    bool m_open = false;
};

} // namespace ui
