#include "mainwindow.h"

#include "app/startup.h"
#include "app/storedvalues.h"
#include "errorguard.h"
#include "filtercommands.h"
#include "importcommands.h"
#include "searchdialog.h"
#include "ticketgrid.h"
#include "ticketlist.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int clientWidth = 1362;
constexpr int clientHeight = 325;
constexpr int importCheckMilliseconds = 5000;
// Dragging the window edge sends a stream of size changes; the list is read once they settle.
constexpr int resizeSettleMilliseconds = 150;

} // namespace

MainWindow::MainWindow(app::AppPaths paths, QStringList arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_paths(std::move(paths))
    , m_arguments(std::move(arguments))
{
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
    m_resizeSettle.setSingleShot(true);
    m_resizeSettle.setInterval(resizeSettleMilliseconds);
    connect(&m_resizeSettle, &QTimer::timeout, this, &MainWindow::rebuildList);

    m_list = new TicketList(m_connection, m_state, m_paths, m_grid, m_listCaption, this);
    m_filter = new FilterCommands(*m_list, m_state, m_dotaz, m_paths, this);
    m_imports = new ImportCommands(*this);
    connectActions();
    connectListInputs();
}

MainWindow::~MainWindow()
{
    if (m_state.deleteLayoutOnExit)
        QFile::remove(m_paths.inWorkingDir(QStringLiteral("vazlab.slo")));
}

void MainWindow::buildListPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("suiPanel1"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_listCaption = new QLabel(panel);
    m_listCaption->setObjectName(QStringLiteral("suiPanel1Caption"));
    m_listCaption->setMinimumHeight(16);
    layout->addWidget(m_listCaption);
    m_grid = new TicketGrid(panel);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_grid, 1);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        m_menus.gridMenu->popup(m_grid->viewport()->mapToGlobal(at));
    });
}

void MainWindow::connectActions()
{
    connect(m_menus.opravdu, &QAction::triggered, this, &QWidget::close);
    connect(m_bottom->doListy, &QPushButton::clicked, this, guarded([this] { doListy(); }));
    connect(m_bottom->nacistVazniList, &QPushButton::clicked, this,
            guarded([this] { m_imports->importByHand(); }));
    connect(m_menus.nastaveni, &QAction::triggered, this,
            guarded([this] { m_imports->chooseFile(); }));
    connect(&m_importTimer, &QTimer::timeout, this, [this] { m_imports->checkForNewFile(); });
    connect(m_menus.setriditVzestupne, &QAction::triggered, this,
            guarded([this] { m_list->sortByCurrentColumn(false); }));
    connect(m_menus.setriditSestupne, &QAction::triggered, this,
            guarded([this] { m_list->sortByCurrentColumn(true); }));
    connect(m_menus.hledatDoklad, &QAction::triggered, this, guarded([this] { openSearch(); }));
    connect(m_menus.ulozeniNastaveniSloupcu, &QAction::triggered, this,
            guarded([this] { m_list->saveLayout(); }));
    connect(m_menus.smazatNastaveniSloupcu, &QAction::triggered, this, [this] {
        m_state.deleteLayoutOnExit = true;
        close();
    });
    connect(m_grid, &TicketGrid::deleteRequested, this,
            guarded([this] { m_list->deleteChosenRows(); }));
    m_filter->connectMenus(m_menus);

    for (QCheckBox *box : {m_bottom->dosaditKc, m_bottom->uhradaFaktur, m_bottom->doplnitBurzu})
        connect(box, &QCheckBox::toggled, this, &MainWindow::setMultiSelect);
    connect(m_menus.zmenaSkladu, &QAction::toggled, this, &MainWindow::setMultiSelect);
}

void MainWindow::connectListInputs()
{
    connect(m_menus.archiv, &QAction::toggled, this, [this](bool on) {
        m_state.archive = on;
        rebuildList();
    });
    connect(m_bottom->typButtons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked || id == m_state.typeIndex)
            return;
        m_state.typeIndex = id;
        rebuildList();
    });
    const auto yearChosen = [this] {
        const QString year = m_bottom->rok->currentText();
        if (year == m_state.yearText)
            return;
        m_state.yearText = year;
        rebuildList();
    };
    connect(m_bottom->rok, &QComboBox::currentIndexChanged, this, yearChosen);
    connect(m_bottom->rok->lineEdit(), &QLineEdit::editingFinished, this, yearChosen);
}

void MainWindow::rebuildList()
{
    m_resizeSettle.stop();
    runGuarded([this] { m_list->rebuild(); });
}

void MainWindow::setMultiSelect(bool on)
{
    if (!on) {
        for (QCheckBox *box :
             {m_bottom->dosaditKc, m_bottom->uhradaFaktur, m_bottom->doplnitBurzu}) {
            const QSignalBlocker block(box);
            box->setChecked(false);
        }
        const QSignalBlocker block(m_menus.zmenaSkladu);
        m_menus.zmenaSkladu->setChecked(false);
    }
    m_state.multiSelect = on;
    m_grid->setMultiSelect(on);
}

void MainWindow::openSearch()
{
    const int column = m_grid->currentGridColumn();
    SearchDialog dialog(m_list->model().rows(), m_grid->currentRow(),
                        column >= 0 ? m_list->model().fieldIndex(column) : -1, this);
    connect(&dialog, &SearchDialog::rowChosen, m_grid, &TicketGrid::setCurrentRow);
    dialog.exec();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (!isMinimized())
        m_resizeSettle.start();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto *change = static_cast<QWindowStateChangeEvent *>(event);
    if ((change->oldState() & Qt::WindowMinimized) && !isMinimized()) {
        rebuildList();
        QTimer::singleShot(0, this, [this] { m_imports->showLastFailure(); });
    }
}

void MainWindow::start()
{
    runGuarded([this] {
        const app::StoredValues stored = app::StoredValues::load(m_paths.programIni());
        m_openDialogFileName = stored.openDialogFileName;
        if (stored.yearIndex >= 0 && stored.yearIndex < m_bottom->rok->count()) {
            const QSignalBlocker quiet(m_bottom->rok);
            m_bottom->rok->setCurrentIndex(stored.yearIndex);
        }
        m_state.yearText = m_bottom->rok->currentText();
    });
    runStartupSteps();
}

void MainWindow::runStartupSteps()
{
    runGuarded([this] {
        app::startDatabase(m_state, m_connection, m_paths);
        m_state.importFilePath = m_openDialogFileName;
        m_state.orderClause = QStringLiteral("order by cislodokla DESC");
        if (m_state.unattended)
            doListy();
        m_list->loadLayoutIfSaved();
    });
}

void MainWindow::doListy()
{
    m_connection.close();
    m_importTimer.start();
    setWindowState((windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
}

void MainWindow::bringToFront()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void MainWindow::saveStoredValues()
{
    app::StoredValues stored;
    stored.openDialogFileName = m_openDialogFileName;
    stored.yearIndex = m_bottom->rok->currentIndex();
    stored.save(m_paths.programIni());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    runGuarded([this] { saveStoredValues(); });
    event->accept();
}

} // namespace ui
