#include "support/listfixture.h"
#include "support/modalhelper.h"
#include "tickets/tickettablemodel.h"
#include "ui/bottompanel.h"
#include "ui/ticketgrid.h"
#include "ui/ticketlist.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using TicketListTest = ListFixture;

TEST_F(TicketListTest, listShowsReceiptsNewestFirstAndDumpsItsStatement)
{
    EXPECT_EQ(errors, QStringList());
    EXPECT_EQ(listedNumbers(),
              (QStringList{QStringLiteral("819"), QStringLiteral("817"), QStringLiteral("815")}));
    EXPECT_EQ(
        workingFile(QStringLiteral("a.txt")),
        QStringLiteral(
            "select * from vazlab\n\n where LEFT(typdokladu,2)=\"01\"\norder by cislodokla DESC"));
    EXPECT_EQ(window->grid()->currentRow(), 0);
    EXPECT_EQ(window->listCaption()->text(), QString());

    tickets::TicketTableModel &model = window->list().model();
    EXPECT_EQ(model.columnCount(), 59);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Číslo dokl."));
    EXPECT_EQ(
        model.headerData(gridColumn(QStringLiteral("NAZEVPODNI")), Qt::Horizontal, Qt::DisplayRole)
            .toString(),
        QStringLiteral("NAZEVPODNI"));
    EXPECT_EQ(model.data(model.index(1, gridColumn(QStringLiteral("NAZEVPODNI"))), Qt::DisplayRole)
                  .toString(),
              QStringLiteral("O'Brien"));
    EXPECT_EQ(model.data(model.index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    QAbstractItemModelTester tester(&model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
}

TEST_F(TicketListTest, sortOrderSurvivesTypeChangesAndArchiveSwitchesTables)
{
    selectCell(0, QStringLiteral("DATUM"));
    window->menus().setriditSestupne->trigger();
    EXPECT_EQ(window->state().orderClause, QStringLiteral("order by DATUM DESC"));
    window->bottomPanel()->typButtons->button(2)->click();
    EXPECT_EQ(listedNumbers(),
              (QStringList{QStringLiteral("819"), QStringLiteral("818"), QStringLiteral("817"),
                           QStringLiteral("816"), QStringLiteral("815")}));
    window->bottomPanel()->typButtons->button(1)->click();
    EXPECT_EQ(listedNumbers(), QStringList{QStringLiteral("816")});

    selectCell(0, QStringLiteral("SPZ"));
    window->menus().setriditVzestupne->trigger();
    EXPECT_EQ(window->state().orderClause, QStringLiteral("order by SPZ"));

    database.connection().exec(
        QStringLiteral("insert into vazlab_arch (CISLODOKLA, DATUM, TYPDOKLADU) values (700, "
                       "'2013-01-01', '04 Výdej')"));
    window->menus().archiv->trigger();
    EXPECT_EQ(listedNumbers(), QStringList{QStringLiteral("700")});
    EXPECT_TRUE(workingFile(QStringLiteral("a.txt"))
                    .startsWith(QStringLiteral("select * from vazlab_arch\n")));
    window->menus().archiv->trigger();
    EXPECT_EQ(listedNumbers(), QStringList{QStringLiteral("816")});
}

TEST_F(TicketListTest, typedYearNarrowsTheList)
{
    window->bottomPanel()->typButtons->button(2)->click();
    QComboBox *rok = window->bottomPanel()->rok;
    EXPECT_EQ(rok->itemText(1), QString::number(QDate::currentDate().year()));
    EXPECT_EQ(rok->itemText(rok->count() - 1), QStringLiteral("2013"));
    rok->lineEdit()->setText(QStringLiteral("2016"));
    Q_EMIT rok->lineEdit()->editingFinished();
    EXPECT_EQ(listedNumbers(),
              (QStringList{QStringLiteral("819"), QStringLiteral("818"), QStringLiteral("817")}));
    EXPECT_EQ(workingFile(QStringLiteral("a.txt")),
              QStringLiteral(
                  "select * from vazlab\n\n where year(datum) = '2016'\norder by cislodokla DESC"));
    rok->setCurrentIndex(0);
    EXPECT_EQ(listedNumbers().size(), 5);
}

TEST_F(TicketListTest, rejectedQueryShowsTheErrorLeavesTheGridEmptyAndKeepsTheCaption)
{
    window->listCaption()->setText(QStringLiteral(" filtr: Sklad = 12"));
    window->state().filterClause = QStringLiteral("where NOSUCH = 1");
    window->state().filterText = QStringLiteral("NOSUCH = 1");
    window->bottomPanel()->typButtons->button(2)->click();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(QStringLiteral("NOSUCH")));
    EXPECT_EQ(window->list().model().rowCount(), 0);
    EXPECT_EQ(window->listCaption()->text(), QStringLiteral(" filtr: Sklad = 12"));
    EXPECT_TRUE(workingFile(QStringLiteral("a.txt")).contains(QStringLiteral("where NOSUCH = 1")));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(TicketListTest, ctrlDeleteAsksAndDeletesTheSelectedRows)
{
    QString asked;
    whenModalOpens([&asked](QWidget *box) {
        asked = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QTest::keyClick(window->grid(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(asked, QStringLiteral("Delete record?"));

    window->bottomPanel()->typButtons->button(2)->click();
    window->bottomPanel()->dosaditKc->setChecked(true);
    ASSERT_TRUE(window->grid()->multiSelect());
    for (int row : {0, 2, 4})
        window->grid()->selectionModel()->select(window->list().model().index(row, 0),
                                                 QItemSelectionModel::Select |
                                                     QItemSelectionModel::Rows);
    whenModalOpens([&asked](QWidget *box) {
        asked = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QTest::keyClick(window->grid(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(asked, QStringLiteral("Delete all selected records?"));
    EXPECT_EQ(database.count(QStringLiteral("vazlab")), 5);

    pressInNextModal(QStringLiteral("OK"));
    QTest::keyClick(window->grid(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(database.scalar(QStringLiteral(
                  "select group_concat(CISLODOKLA order by CISLODOKLA) from vazlab")),
              QStringLiteral("816,818"));
    EXPECT_EQ(listedNumbers(), (QStringList{QStringLiteral("818"), QStringLiteral("816")}));

    // one switch off ends the multi-row selection for all and clears it
    window->menus().zmenaSkladu->setChecked(true);
    window->grid()->selectionModel()->select(window->list().model().index(0, 0),
                                             QItemSelectionModel::Select |
                                                 QItemSelectionModel::Rows);
    window->menus().zmenaSkladu->setChecked(false);
    EXPECT_FALSE(window->bottomPanel()->dosaditKc->isChecked());
    EXPECT_FALSE(window->grid()->multiSelect());
    EXPECT_EQ(window->grid()->selectedRows(), QList<int>());
}

TEST_F(TicketListTest, columnFilterNarrowsStepsBackAndClears)
{
    selectCell(1, QStringLiteral("SKLAD")); // 817, warehouse 12
    Q_EMIT window->menus().filtr->aboutToShow();
    EXPECT_EQ(window->menus().filtrOperators[0]->text(), QStringLiteral("Sklad =  12"));
    window->menus().filtrOperators[0]->trigger();
    EXPECT_EQ(window->state().filterClause, QStringLiteral("where SKLAD = '12'"));
    EXPECT_EQ(window->listCaption()->text(), QStringLiteral(" filtr: Sklad = 12"));
    EXPECT_EQ(listedNumbers(), (QStringList{QStringLiteral("817"), QStringLiteral("815")}));

    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    selectCell(1, QStringLiteral("VLHKOST")); // 815, 14.5
    window->menus().filtrOperators[3]->trigger();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(window->state().filterClause,
              QStringLiteral("where SKLAD = '12' AND VLHKOST >= '14.5'"));
    EXPECT_EQ(window->state().filterText, QStringLiteral("Sklad = 12, Vlhkost >= 14,5"));
    EXPECT_EQ(listedNumbers(), QStringList{QStringLiteral("815")});
    EXPECT_EQ(workingFile(QStringLiteral("vlkor.Fi_")),
              QStringLiteral("where SKLAD = '12'\r\nwhere SKLAD = '12' AND VLHKOST >= '14.5'\r\n"));

    window->menus().filtrSmazatPosledni->trigger();
    EXPECT_EQ(window->state().filterClause, QStringLiteral("where SKLAD = '12'"));
    EXPECT_EQ(listedNumbers().size(), 2);
    window->menus().filtrSmazatPosledni->trigger();
    EXPECT_EQ(window->state().filterClause, QString());
    EXPECT_EQ(window->state().filterText, QStringLiteral("Žádný filtr"));
    EXPECT_EQ(window->listCaption()->text(), QString());
    EXPECT_EQ(listedNumbers().size(), 3);
    EXPECT_EQ(workingFile(QStringLiteral("vlkor.Te_")), QString());

    QString shown;
    whenModalOpens([&shown](QWidget *box) {
        shown = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    window->menus().filtrZobrazit->trigger();
    EXPECT_EQ(shown, QStringLiteral("Žádný filtr"));
    EXPECT_EQ(errors, QStringList());
}

TEST_F(TicketListTest, savedLayoutComesBackAtTheNextStartAndADamagedOneIsReported)
{
    QHeaderView *header = window->grid()->horizontalHeader();
    header->moveSection(gridColumn(QStringLiteral("SPZ")), 0);
    header->resizeSection(gridColumn(QStringLiteral("SPZ")), 222);
    window->menus().ulozeniNastaveniSloupcu->trigger();
    window.reset();

    window = startWindow();
    EXPECT_EQ(window->list().model().gridColumns().first().fieldName, QStringLiteral("SPZ"));
    EXPECT_EQ(window->grid()->columnWidth(0), 222);
    EXPECT_EQ(window->list().model().gridColumns().size(), 59);

    // "Smazat nastavení sloupců" ends the run at once and the next start has the design layout
    window->menus().smazatNastaveniSloupcu->trigger();
    EXPECT_FALSE(window->isVisible());
    window.reset();
    EXPECT_FALSE(QFile::exists(site.workingDir() + QStringLiteral("/vazlab.slo")));

    QFile damaged(site.workingDir() + QStringLiteral("/vazlab.slo"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a layout");
    damaged.close();
    window = startWindow();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(QStringLiteral("vazlab.slo")));
    EXPECT_EQ(window->list().model().gridColumns(), tickets::designColumns());
}

TEST_F(TicketListTest, burstOfSizeChangesReadsTheListOnceAndRestoringReadsAtOnce)
{
    QSignalSpy reads(&window->list().model(), &QAbstractItemModel::rowsInserted);
    for (int width = 900; width < 1300; width += 20)
        window->resize(width, 400);
    EXPECT_TRUE(QTest::qWaitFor([&] { return reads.count() > 0; }, 2000));
    QTest::qWait(300);
    EXPECT_EQ(reads.count(), 1);

    window->showMinimized();
    const int before = int(reads.count());
    window->showNormal();
    EXPECT_EQ(reads.count(), before + 1);
}
