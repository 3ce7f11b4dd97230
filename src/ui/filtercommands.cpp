#include "filtercommands.h"

#include "dotazbox.h"
#include "errorguard.h"
#include "mainmenus.h"
#include "ticketgrid.h"
#include "ticketlist.h"
#include "tickets/columnfilter.h"
#include "tickets/filterhistory.h"

#include <QAction>
#include <QMenu>

namespace ui {

FilterCommands::FilterCommands(TicketList &list, app::MainState &state, DotazBox &dotaz,
                               const app::AppPaths &paths, QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_state(state)
    , m_dotaz(dotaz)
    , m_paths(paths)
{
}

void FilterCommands::connectMenus(const MainMenus &menus)
{
    connect(menus.filtr, &QMenu::aboutToShow, this, [this, &menus] { updateCaptions(menus); });
    for (int i = 0; i < int(menus.filtrOperators.size()); ++i) {
        connect(menus.filtrOperators[size_t(i)], &QAction::triggered, this,
                guarded([this, i] { addStep(i); }));
    }
    connect(menus.filtrZobrazit, &QAction::triggered, this, guarded([this] { show(); }));
    connect(menus.filtrSmazatCely, &QAction::triggered, this, guarded([this] { clear(); }));
    connect(menus.filtrSmazatPosledni, &QAction::triggered, this, guarded([this] { dropLast(); }));
}

QString FilterCommands::historyBase() const
{
    return m_paths.inWorkingDir(m_state.moduleCode);
}

void FilterCommands::updateCaptions(const MainMenus &menus) const
{
    const TicketGrid *grid = m_list.grid();
    const int column = grid->currentGridColumn();
    const int row = grid->currentRow();
    if (column < 0)
        return;
    const QString title = m_list.model().title(column);
    const QString value =
        row >= 0
            ? m_list.model().data(m_list.model().index(row, column), Qt::DisplayRole).toString()
            : QString();
    const QStringList captions = tickets::filterCaptions(title, value);
    for (int i = 0; i < captions.size(); ++i) {
        QString caption = captions[i];
        menus.filtrOperators[size_t(i)]->setText(caption.replace(u'&', QStringLiteral("&&")));
    }
}

void FilterCommands::addStep(int operatorIndex)
{
    const TicketGrid *grid = m_list.grid();
    const int column = grid->currentGridColumn();
    const int row = grid->currentRow();
    const int field = column >= 0 ? m_list.model().fieldIndex(column) : -1;
    if (row < 0 || field < 0)
        return;
    m_state.filterOperator = tickets::filterOperators().at(operatorIndex);
    const tickets::FilterCell cell =
        tickets::filterCell(m_list.model().rows(), row, field, m_list.model().title(column));
    tickets::addFilterStep(m_state.filterClause, m_state.filterText, cell, m_state.filterOperator);
    tickets::FilterHistory(historyBase()).append(m_state.filterClause, m_state.filterText);
    m_list.rebuild();
}

void FilterCommands::dropLast()
{
    tickets::FilterHistory(historyBase()).dropLast(m_state.filterClause, m_state.filterText);
    if (!m_state.filterClause.isEmpty())
        m_list.rebuild();
    else
        clear();
}

void FilterCommands::clear()
{
    tickets::FilterHistory(historyBase()).clear(m_state.filterClause, m_state.filterText);
    m_list.rebuild();
}

void FilterCommands::show()
{
    m_dotaz.inform(m_state.filterText, DotazBox::Icon::Information, m_list.grid()->window());
}

} // namespace ui
