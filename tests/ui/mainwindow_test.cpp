#include "app/storedvalues.h"
#include "support/testdatabase.h"
#include "ui/busywindow.h"
#include "ui/errorguard.h"
#include "ui/mainwindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList captionsOf(const QMenu *menu)
{
    QStringList captions;
    for (const QAction *action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

QMenu *topMenu(QMainWindow &window, const QString &title)
{
    for (QAction *action : window.menuBar()->actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

} // namespace

class MainWindowTest : public ::testing::Test {
protected:
    TestSite site;
    QStringList errors;
    std::unique_ptr<ui::MainWindow> window;

    void SetUp() override
    {
        ui::setErrorReporter([this](const QString &message) { errors << message; });
        window =
            std::make_unique<ui::MainWindow>(app::AppPaths{site.programDir(), site.workingDir()},
                                             QStringList{QStringLiteral("vovuvaKOR")});
    }
    void TearDown() override { ui::setErrorReporter({}); }
};

TEST_F(MainWindowTest, menusCarryTheirCaptionsInOrder)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vážní a laboratorní listy KOR"));
    const struct {
        QString menu;
        QStringList items;
    } menus[] = {
        {QStringLiteral("Archiv"),
         {QStringLiteral("Archiv"), QStringLiteral("-"), QStringLiteral("CMR")}},
        {QStringLiteral("Kontrola"),
         {QStringLiteral("Kontrola vážních listů"), QStringLiteral("Stav skladů"),
          QStringLiteral("-"), QStringLiteral("Smazat VL"), QStringLiteral("Změna skladu")}},
        {QStringLiteral("Servis"),
         {QStringLiteral("Ceník"), QStringLiteral("Ceník sušení, čištění"),
          QStringLiteral("Nastavení"), QStringLiteral("-"),
          QStringLiteral("Smazat nastavení sloupců"), QStringLiteral("Uložení nastavení sloupců"),
          QStringLiteral("Kontrola nové verze")}},
        {QStringLiteral("Konec"), {QStringLiteral("Opravdu")}},
    };
    QStringList titles;
    for (const QAction *action : window->menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Archiv"), QStringLiteral("Kontrola"),
                                   QStringLiteral("Servis"), QStringLiteral("Konec")}));
    for (const auto &m : menus) {
        QMenu *menu = topMenu(*window, m.menu);
        ASSERT_NE(menu, nullptr) << m.menu.toStdString();
        EXPECT_EQ(captionsOf(menu), m.items) << m.menu.toStdString();
    }
    EXPECT_TRUE(window->menus().archiv->isCheckable());
    EXPECT_FALSE(window->menus().archiv->isChecked());

    EXPECT_EQ(captionsOf(window->menus().gridMenu),
              (QStringList{QStringLiteral("Setřídit podle sloupce"),
                           QStringLiteral("Setřídit podle sloupce - sestupně"), QStringLiteral("-"),
                           QStringLiteral("Hledat doklad v seznamu"), QStringLiteral("-"),
                           QStringLiteral("FILTR"), QStringLiteral("FILTR - zobrazit filtr"),
                           QStringLiteral("FILTR - smazat celý filtr"),
                           QStringLiteral("FILTR - smazat poslední"), QStringLiteral("-"),
                           QStringLiteral("Export do Excelu"), QStringLiteral("-"),
                           QStringLiteral("Tisk CMR")}));
    EXPECT_EQ(captionsOf(window->menus().filtr),
              (QStringList{QStringLiteral("="), QStringLiteral("<>"), QStringLiteral(">"),
                           QStringLiteral(">="), QStringLiteral("<"), QStringLiteral("<=")}));
}

TEST_F(MainWindowTest, bottomPanelControlsStandAtTheirPlacesWithTheirCaptionsAndStates)
{
    const struct {
        const char *name;
        QString caption;
        QRect place; // width or height -1: not fixed
        bool enabled;
        bool visible;
    } controls[] = {
        {"suiButton1", QStringLiteral("do lišty"), {20, 18, 80, 48}, true, true},
        {"Button1", QStringLiteral("Načíst vážní list"), {125, 18, 130, 48}, true, true},
        {"suiComboBoxRok", QStringLiteral("Vše"), {275, 28, 70, -1}, true, true},
        {"suiRadioGroupTyp", QString(), {360, 2, 126, 72}, true, true},
        {"suiCheckBox3", QStringLiteral("dosadit Kč"), {515, 12, -1, -1}, true, true},
        {"suiButton2", QStringLiteral("Dosadit Kč"), {505, 40, 110, 27}, false, true},
        {"suiButton3", QStringLiteral("Tisk tabulky"), {635, 18, 110, 48}, true, true},
        {"Label1", QStringLiteral("Sklad"), {761, 18, -1, -1}, true, false},
        {"suiEdit2", QString(), {802, 15, 39, -1}, true, false},
        {"suiButton6", QStringLiteral("Změnit sklad"), {761, 41, 80, 27}, true, false},
        {"Panel1", QString(), {874, 6, 239, 67}, true, true},
        {"suiCheckBox1", QStringLiteral("úhrada faktur"), {18, 7, -1, -1}, true, true},
        {"suiButton4", QStringLiteral("Zapsat fakturu"), {19, 35, 80, 27}, false, true},
        {"suiEdit1", QString(), {130, 10, 95, -1}, false, true},
        {"DateEdit1", QString(), {130, 35, 95, -1}, false, true},
        {"suiButton5", QStringLiteral("Zápis dodávky"), {1134, 18, 110, 48}, true, true},
        {"suiCheckBox2", QStringLiteral("doplnit burzu"), {1265, 15, -1, -1}, true, true},
        {"suiButton7", QStringLiteral("Burza"), {1265, 40, 93, 26}, false, true},
    };
    window->show();
    ui::BottomPanel *panel = window->bottomPanel();
    EXPECT_EQ(panel->height(), 78);
    for (const auto &c : controls) {
        auto *control = panel->findChild<QWidget *>(QString::fromLatin1(c.name));
        ASSERT_NE(control, nullptr) << c.name;
        QString caption;
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            caption = button->text();
        else if (auto *label = qobject_cast<QLabel *>(control))
            caption = label->text();
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            caption = combo->currentText();
        EXPECT_EQ(caption, c.caption) << c.name;
        EXPECT_EQ(control->pos(), c.place.topLeft()) << c.name;
        if (c.place.width() > 0) {
            EXPECT_EQ(control->width(), c.place.width()) << c.name;
        }
        if (c.place.height() > 0) {
            EXPECT_EQ(control->height(), c.place.height()) << c.name;
        }
        EXPECT_EQ(control->isEnabled(), c.enabled) << c.name;
        EXPECT_EQ(control->isVisible(), c.visible) << c.name;
    }
    QStringList types;
    for (QRadioButton *radio : panel->typ->findChildren<QRadioButton *>())
        types << radio->text();
    EXPECT_EQ(types, (QStringList{QStringLiteral("pouze příjem"), QStringLiteral("pouze výdej"),
                                  QStringLiteral("všechny doklady")}));
    EXPECT_EQ(panel->typButtons->checkedId(), 0);
    EXPECT_EQ(panel->sklad->maxLength(), 3);
}

TEST_F(MainWindowTest, startUpOnTheServerSetsTheStateAndStoredValuesComeBackAndGoBack)
{
    TestDatabase database;
    site.writeLogonFor(database, QStringLiteral("CisloPC=03\r\n"));
    app::StoredValues stored;
    stored.openDialogFileName = QStringLiteral("/váha/wgschein_data.xml");
    stored.yearIndex = 2;
    stored.save(window->paths().programIni());

    window->start();
    EXPECT_EQ(errors, QStringList());
    EXPECT_TRUE(window->connection().isOpen());
    EXPECT_EQ(window->state().stationNo, QStringLiteral("03"));
    EXPECT_EQ(window->state().importFilePath, stored.openDialogFileName);
    EXPECT_EQ(window->state().orderClause, QStringLiteral("order by cislodokla DESC"));
    EXPECT_EQ(window->bottomPanel()->rok->currentIndex(), 2);
    EXPECT_EQ(database.count(QStringLiteral("historiem")), 1);

    window->bottomPanel()->rok->setCurrentIndex(1);
    window->menus().opravdu->trigger();
    EXPECT_FALSE(window->isVisible());
    const app::StoredValues saved = app::StoredValues::load(window->paths().programIni());
    EXPECT_EQ(saved.openDialogFileName, stored.openDialogFileName);
    EXPECT_EQ(saved.yearIndex, 1);
}

TEST_F(MainWindowTest, portThatIsNotANumberShowsTheErrorAndSkipsTheLaterStepsButTheWindowOpens)
{
    site.writeLogon(QStringLiteral("SQLport=abc\r\n"));
    app::StoredValues stored;
    stored.openDialogFileName = QStringLiteral("/váha/wgschein_data.xml");
    stored.save(window->paths().programIni());

    window->start();
    window->show();
    EXPECT_EQ(errors, QStringList{QStringLiteral("'abc' is not a valid integer value")});
    EXPECT_EQ(window->state().orderClause, QString());
    EXPECT_EQ(window->state().importFilePath, QString());
    EXPECT_TRUE(window->isVisible());

    window->close(); // the stored file name survives a failed start
    EXPECT_EQ(app::StoredValues::load(window->paths().programIni()).openDialogFileName,
              stored.openDialogFileName);
}

TEST_F(MainWindowTest, doListyClosesTheConnectionStartsTheCheckAndMinimises)
{
    TestDatabase database;
    site.writeLogonFor(database);
    window->start();
    window->show();
    ASSERT_TRUE(window->connection().isOpen());
    QTest::mouseClick(window->bottomPanel()->doListy, Qt::LeftButton);
    EXPECT_FALSE(window->connection().isOpen());
    EXPECT_TRUE(window->importTimer().isActive());
    EXPECT_EQ(window->importTimer().interval(), 5000);
    EXPECT_TRUE(window->isMinimized());

    window->bringToFront();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, unattendedStartSwitchesAutoCommitOffAndGoesToTheTaskbar)
{
    TestDatabase database;
    site.writeLogonFor(database);
    ui::MainWindow unattended({site.programDir(), site.workingDir()},
                              {QStringLiteral("vovuvaKOR"), QStringLiteral("/m")});
    unattended.start();
    unattended.show();
    EXPECT_FALSE(unattended.connection().autoCommit());
    EXPECT_FALSE(unattended.connection().isOpen());
    EXPECT_TRUE(unattended.importTimer().isActive());
    EXPECT_TRUE(unattended.isMinimized());
    EXPECT_EQ(database.count(QStringLiteral("historiem")), 1);
}

TEST_F(MainWindowTest, layoutFileIsDeletedWhenTheWindowGoesAfterSmazatNastaveni)
{
    const QString layout = site.workingDir() + QStringLiteral("/vazlab.slo");
    QFile(layout).open(QIODevice::WriteOnly);
    window->state().deleteLayoutOnExit = true;
    window.reset();
    EXPECT_FALSE(QFile::exists(layout));
}

TEST(BusyWindow, sweepsItsBlockAcrossTheBar)
{
    ui::BusyWindow busy;
    busy.setText(QStringLiteral("Pracuji…"));
    busy.show();
    EXPECT_EQ(busy.size(), QSize(245, 65));
    EXPECT_TRUE(busy.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(busy.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(QTest::qWaitFor([&] { return busy.blockPosition() > 140; }, 3000));
    EXPECT_LE(busy.blockPosition(), 151); // the block stops at the bar's far end
    EXPECT_TRUE(QTest::qWaitFor([&] { return busy.blockPosition() < 100; }, 3000));
}
