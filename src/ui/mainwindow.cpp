#include "mainwindow.h"

#include "app/startup.h"
#include "app/storedvalues.h"
#include "errorguard.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int clientWidth = 1362;
constexpr int clientHeight = 325;
constexpr int importCheckMilliseconds = 5000;

} // namespace

MainWindow::MainWindow(app::AppPaths paths, QStringList arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_paths(std::move(paths))
    , m_arguments(std::move(arguments)) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(title());
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    m_state.unattended = app::isUnattendedStart(m_arguments);

    m_menus = buildMainMenus(this);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildListPanel();
    layout->addWidget(m_listCaption->parentWidget(), 1);
    m_bottom = new BottomPanel(central);
    layout->addWidget(m_bottom);
    setCentralWidget(central);

    setMinimumSize(150, 29);
    move(0, 0);
    resize(clientWidth, clientHeight + menuBar()->sizeHint().height());

    m_importTimer.setObjectName(QStringLiteral("Timer1"));
    m_importTimer.setInterval(importCheckMilliseconds);
    connectActions();
}

MainWindow::~MainWindow() {
    if (m_state.deleteLayoutOnExit)
        QFile::remove(m_paths.inWorkingDir(QStringLiteral("vazlab.slo")));
}

void MainWindow::buildListPanel() {
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("suiPanel1"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_listCaption = new QLabel(panel);
    m_listCaption->setObjectName(QStringLiteral("suiPanel1Caption"));
    m_listCaption->setMinimumHeight(16);
    layout->addWidget(m_listCaption);
    m_grid = new QTableView(panel);
    m_grid->setObjectName(QStringLiteral("suiDBGrid1"));
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_grid, 1);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        m_menus.gridMenu->popup(m_grid->viewport()->mapToGlobal(at));
    });
}

void MainWindow::connectActions() {
    connect(m_menus.opravdu, &QAction::triggered, this, &QWidget::close);
    connect(m_bottom->doListy, &QPushButton::clicked, this, guarded([this] { doListy(); }));
}

void MainWindow::start() {
    runGuarded([this] {
        const app::StoredValues stored = app::StoredValues::load(m_paths.programIni());
        m_openDialogFileName = stored.openDialogFileName;
        if (stored.yearIndex >= 0 && stored.yearIndex < m_bottom->rok->count())
            m_bottom->rok->setCurrentIndex(stored.yearIndex);
    });
    runStartupSteps();
}

void MainWindow::runStartupSteps() {
    runGuarded([this] {
        app::startDatabase(m_state, m_connection, m_paths);
        m_state.importFilePath = m_openDialogFileName;
        m_state.orderClause = QStringLiteral("order by cislodokla DESC");
        if (m_state.unattended)
            doListy();
    });
}

void MainWindow::doListy() {
    m_connection.close();
    m_importTimer.start();
    setWindowState((windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
}

void MainWindow::bringToFront() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void MainWindow::saveStoredValues() {
    app::StoredValues stored;
    stored.openDialogFileName = m_openDialogFileName;
    stored.yearIndex = m_bottom->rok->currentIndex();
    stored.save(m_paths.programIni());
}

void MainWindow::closeEvent(QCloseEvent *event) {
    runGuarded([this] { saveStoredValues(); });
    event->accept();
}

} // namespace ui
