#pragma once

#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace ui {

// The main window's menu bar and the grid's context menu.
struct MainMenus {
    QAction *archiv = nullptr; // tick item
    QAction *cmr = nullptr;
    QAction *kontrolaVazenichListu = nullptr;
    QAction *stavSkladu = nullptr;
    QAction *smazatVL = nullptr;
    QAction *zmenaSkladu = nullptr; // tick item
    QAction *cenik = nullptr;
    QAction *cenikSuseniCisteni = nullptr;
    QAction *nastaveni = nullptr;
    QAction *smazatNastaveniSloupcu = nullptr;
    QAction *ulozeniNastaveniSloupcu = nullptr;
    QAction *kontrolaNoveVerze = nullptr;
    QAction *opravdu = nullptr;

    QMenu *gridMenu = nullptr;
    QAction *setriditVzestupne = nullptr;
    QAction *setriditSestupne = nullptr;
    QAction *hledatDoklad = nullptr;
    QMenu *filtr = nullptr;
    std::array<QAction *, 6> filtrOperators{}; // "=", "<>", ">", ">=", "<", "<="
    QAction *filtrZobrazit = nullptr;
    QAction *filtrSmazatCely = nullptr;
    QAction *filtrSmazatPosledni = nullptr;
    QAction *exportDoExcelu = nullptr;
    QAction *tiskCmr = nullptr;
};

MainMenus buildMainMenus(QMainWindow *window);

} // namespace ui
