#pragma once

#include "app/apppaths.h"
#include "app/mainstate.h"
#include "bottompanel.h"
#include "db/connection.h"
#include "dotazbox.h"
#include "mainmenus.h"

#include <QMainWindow>
#include <QTimer>

class QLabel;

namespace ui {

class FilterCommands;
class ImportCommands;
class TicketGrid;
class TicketList;

// "TForm1": the program's main window. It owns the connection, the shared state, the message
// box and the list; its actions call the core of each area.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(app::AppPaths paths, QStringList arguments, QWidget *parent = nullptr);
    ~MainWindow() override;

    static QString title() { return QStringLiteral("Vážní a laboratorní listy KOR"); }

    // Restores the stored values and runs the start-up steps; the caller shows the window.
    void start();

    app::MainState &state() { return m_state; }
    db::Connection &connection() { return m_connection; }
    DotazBox &dotaz() { return m_dotaz; }
    const app::AppPaths &paths() const { return m_paths; }
    const MainMenus &menus() const { return m_menus; }
    BottomPanel *bottomPanel() const { return m_bottom; }
    TicketGrid *grid() const { return m_grid; }
    TicketList &list() { return *m_list; }
    ImportCommands &imports() { return *m_imports; }
    // The file name the open dialog of "Nastavení" holds; kept between runs.
    const QString &openDialogFileName() const { return m_openDialogFileName; }
    void setOpenDialogFileName(const QString &name) { m_openDialogFileName = name; }
    QLabel *listCaption() const { return m_listCaption; }
    QTimer &importTimer() { return m_importTimer; }

    // "do lišty": the connection closed, the periodic import check on, the window minimised.
    void doListy();
    // Called when another start of the program asks this one to come forward.
    void bringToFront();

    // Multi-row selection of the list, shared by the settlement switches: any of them switches it
    // on; switching one off switches all off and clears the selection.
    void setMultiSelect(bool on);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildListPanel();
    void connectActions();
    void connectListInputs();
    void rebuildList();
    void openSearch();
    void runStartupSteps();
    void saveStoredValues();

    app::AppPaths m_paths;
    QStringList m_arguments;
    app::MainState m_state;
    db::Connection m_connection;
    DotazBox m_dotaz;
    MainMenus m_menus;
    BottomPanel *m_bottom = nullptr;
    QLabel *m_listCaption = nullptr;
    TicketGrid *m_grid = nullptr;
    TicketList *m_list = nullptr;
    FilterCommands *m_filter = nullptr;
    ImportCommands *m_imports = nullptr;
    QTimer m_importTimer;
    QTimer m_resizeSettle;
    QString m_openDialogFileName;
};

} // namespace ui
