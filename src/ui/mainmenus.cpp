#include "mainmenus.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace ui {

namespace {

QAction *item(QMenu *menu, const char *objectName, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

void buildMenuBar(QMainWindow *window, MainMenus &m)
{
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *archiv = bar->addMenu(QStringLiteral("Archiv"));
    m.archiv = item(archiv, "Archiv1", QStringLiteral("Archiv"));
    m.archiv->setCheckable(true);
    archiv->addSeparator();
    m.cmr = item(archiv, "CMR1", QStringLiteral("CMR"));

    QMenu *kontrola = bar->addMenu(QStringLiteral("Kontrola"));
    m.kontrolaVazenichListu =
        item(kontrola, "Kontrolavanchlist1", QStringLiteral("Kontrola vážních listů"));
    m.stavSkladu = item(kontrola, "Stavsklad1", QStringLiteral("Stav skladů"));
    kontrola->addSeparator();
    m.smazatVL = item(kontrola, "SmazatVL1", QStringLiteral("Smazat VL"));
    m.zmenaSkladu = item(kontrola, "Zmnaskladu1", QStringLiteral("Změna skladu"));
    m.zmenaSkladu->setCheckable(true);

    QMenu *servis = bar->addMenu(QStringLiteral("Servis"));
    m.cenik = item(servis, "Cenk1", QStringLiteral("Ceník"));
    m.cenikSuseniCisteni = item(servis, "Cenksueni1", QStringLiteral("Ceník sušení, čištění"));
    m.nastaveni = item(servis, "Nastaven1", QStringLiteral("Nastavení"));
    servis->addSeparator();
    m.smazatNastaveniSloupcu =
        item(servis, "Smazatnastavensloupc1", QStringLiteral("Smazat nastavení sloupců"));
    m.ulozeniNastaveniSloupcu =
        item(servis, "Uloennastavensloupc1", QStringLiteral("Uložení nastavení sloupců"));
    m.kontrolaNoveVerze = item(servis, "Kontrolanovverze1", QStringLiteral("Kontrola nové verze"));

    QMenu *konec = bar->addMenu(QStringLiteral("Konec"));
    m.opravdu = item(konec, "Opravdu1", QStringLiteral("Opravdu"));
}

void buildGridMenu(QMainWindow *window, MainMenus &m)
{
    m.gridMenu = new QMenu(window);
    m.gridMenu->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu *grid = m.gridMenu;
    m.setriditVzestupne =
        item(grid, "Setiditpodlesloupce1", QStringLiteral("Setřídit podle sloupce"));
    m.setriditSestupne = item(grid, "Setiditpodlesloupcesestupn1",
                              QStringLiteral("Setřídit podle sloupce - sestupně"));
    grid->addSeparator();
    m.hledatDoklad = item(grid, "Hledatdokladvseznamu1", QStringLiteral("Hledat doklad v seznamu"));
    grid->addSeparator();
    m.filtr = grid->addMenu(QStringLiteral("FILTR"));
    m.filtr->setObjectName(QStringLiteral("FILTR1"));
    const char *operators[] = {"=", "<>", ">", ">=", "<", "<="};
    for (int i = 0; i < 6; ++i) {
        m.filtrOperators[size_t(i)] =
            item(m.filtr, QByteArray("FiltrOperator").append(char('1' + i)).constData(),
                 QString::fromLatin1(operators[i]));
    }
    m.filtrZobrazit = item(grid, "FILTRzobrazitfiltr1", QStringLiteral("FILTR - zobrazit filtr"));
    m.filtrSmazatCely =
        item(grid, "FILTRsmazatcelfiltr1", QStringLiteral("FILTR - smazat celý filtr"));
    m.filtrSmazatPosledni =
        item(grid, "FILTRsmazatposledn1", QStringLiteral("FILTR - smazat poslední"));
    grid->addSeparator();
    m.exportDoExcelu = item(grid, "ExportdoExcelu1", QStringLiteral("Export do Excelu"));
    grid->addSeparator();
    m.tiskCmr = item(grid, "TiskCMR1", QStringLiteral("Tisk CMR"));
}

} // namespace

MainMenus buildMainMenus(QMainWindow *window)
{
    MainMenus menus;
    buildMenuBar(window, menus);
    buildGridMenu(window, menus);
    return menus;
}

} // namespace ui
