#pragma once

#include "app/apppaths.h"
#include "app/mainstate.h"

#include <QObject>

namespace ui {

class DotazBox;
class TicketList;
struct MainMenus;

// The grid's "FILTR" commands: narrow the list by the current cell, step back, clear, show.
class FilterCommands : public QObject {
    Q_OBJECT
public:
    FilterCommands(TicketList &list, app::MainState &state, DotazBox &dotaz,
                   const app::AppPaths &paths, QObject *parent = nullptr);

    void connectMenus(const MainMenus &menus);

    // Captions of the six comparisons for the current cell.
    void updateCaptions(const MainMenus &menus) const;
    void addStep(int operatorIndex);
    void dropLast();
    void clear();
    void show();

private:
    QString historyBase() const;

    TicketList &m_list;
    app::MainState &m_state;
    DotazBox &m_dotaz;
    app::AppPaths m_paths;
};

} // namespace ui
