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
class QTableView;

namespace ui {

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
    QTableView *grid() const { return m_grid; }
    QLabel *listCaption() const { return m_listCaption; }
    QTimer &importTimer() { return m_importTimer; }

    // "do lišty": the connection closed, the periodic import check on, the window minimised.
    void doListy();
    // Called when another start of the program asks this one to come forward.
    void bringToFront();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildListPanel();
    void connectActions();
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
    QTableView *m_grid = nullptr;
    QTimer m_importTimer;
    QString m_openDialogFileName;
};

} // namespace ui
