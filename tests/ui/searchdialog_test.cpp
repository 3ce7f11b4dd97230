#include "support/listfixture.h"
#include "support/modalhelper.h"
#include "ui/searchdialog.h"
#include "ui/ticketgrid.h"
#include "ui/ticketlist.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QStringListModel>
#include <QTest>

namespace {

QStringList pickEntries(ui::SearchDialog *dialog)
{
    return static_cast<QStringListModel *>(dialog->pickList()->model())->stringList();
}

} // namespace

class SearchDialogTest : public ListFixture {
protected:
    void SetUp() override
    {
        ListFixture::SetUp();
        window->bottomPanel()->typButtons->button(2)->click(); // 819 818 817 816 815
    }
    // Opens the dialog from the context menu with the cell cursor in a column, then acts on it.
    void search(const QString &fieldName, int row, std::function<void(ui::SearchDialog *)> act)
    {
        selectCell(row, fieldName);
        whenModalOpens([act](QWidget *modal) {
            auto *dialog = qobject_cast<ui::SearchDialog *>(modal);
            ASSERT_NE(dialog, nullptr);
            act(dialog);
        });
        window->menus().hledatDoklad->trigger();
    }
    QString currentNumber() const { return listedNumbers().value(window->grid()->currentRow()); }
};

TEST_F(SearchDialogTest, plainModeFindsTheWholeValueIgnoringCase)
{
    QString preselected;
    search(QStringLiteral("SPZ"), 0, [&](ui::SearchDialog *dialog) {
        preselected = dialog->fields()->currentText();
        dialog->fields()->setCurrentText(QStringLiteral("NAZEVPODNI"));
        EXPECT_TRUE(dialog->okButton()->isDefault());
        QTest::keyClicks(dialog->templateEdit(), QStringLiteral("abc°"));
        EXPECT_EQ(dialog->templateEdit()->text(), QStringLiteral("abc")); // degree sign dropped
        QTest::keyClick(dialog->templateEdit(), Qt::Key_Return);
    });
    EXPECT_EQ(preselected, QStringLiteral("SPZ"));
    EXPECT_EQ(currentNumber(), QStringLiteral("815"));
}

TEST_F(SearchDialogTest, plainModeWithoutMatchSaysSoAndStaysOpen)
{
    QString message;
    bool stillOpen = false;
    search(QStringLiteral("NAZEVPODNI"), 0, [&](ui::SearchDialog *dialog) {
        dialog->templateEdit()->setText(QStringLiteral("AB"));
        whenModalOpens([&](QWidget *box) {
            message = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text();
            QTest::keyClick(box, Qt::Key_Return);
            stillOpen = dialog->isVisible();
            dialog->cancelButton()->click();
        });
        dialog->okButton()->click();
    });
    EXPECT_EQ(message, QStringLiteral("Record not found"));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(currentNumber(), QStringLiteral("819"));
}

TEST_F(SearchDialogTest, listModeMovesTheListAndStornoPutsItBack)
{
    QStringList entries;
    QString whileBrowsing;
    search(QStringLiteral("NAZEVPODNI"), 1, [&](ui::SearchDialog *dialog) {
        dialog->listMode()->setChecked(true);
        entries = pickEntries(dialog);
        EXPECT_EQ(dialog->templateEdit()->text(), QStringLiteral("Provoz Brno"));
        QTest::keyClick(dialog->templateEdit(), Qt::Key_Down);
        QTest::keyClick(dialog->templateEdit(), Qt::Key_Down);
        EXPECT_EQ(dialog->templateEdit()->text(), QStringLiteral("O'Brien"));
        dialog->templateEdit()->clear();
        QTest::keyClicks(dialog->templateEdit(), QStringLiteral("kov"));
        whileBrowsing = currentNumber();
        dialog->cancelButton()->click();
    });
    EXPECT_EQ(entries, (QStringList{QStringLiteral("Provoz Brno"), QStringLiteral("Zlatovka"),
                                    QStringLiteral("O'Brien"), QStringLiteral("Kovo Novák"),
                                    QStringLiteral("ABC")}));
    EXPECT_EQ(whileBrowsing, QStringLiteral("816"));
    EXPECT_EQ(currentNumber(), QStringLiteral("818")); // the row current before the dialog
}

TEST_F(SearchDialogTest, substringModeKeepsEntriesContainingTheTextAndTakeOverKeepsTheRow)
{
    QStringList kept;
    search(QStringLiteral("NAZEVPODNI"), 0, [&](ui::SearchDialog *dialog) {
        dialog->listMode()->setChecked(true);
        dialog->substringMode()->setChecked(true);
        dialog->templateEdit()->clear();
        QTest::keyClicks(dialog->templateEdit(), QStringLiteral("OV"));
        kept = pickEntries(dialog);
        EXPECT_TRUE(dialog->okButton()->isDefault());
        QTest::keyClick(dialog->templateEdit(), Qt::Key_Down);
        dialog->okButton()->click();
    });
    EXPECT_EQ(kept, (QStringList{QStringLiteral("Provoz Brno"), QStringLiteral("Zlatovka"),
                                 QStringLiteral("Kovo Novák")}));
    EXPECT_EQ(currentNumber(), QStringLiteral("818"));
}

TEST_F(SearchDialogTest, lettersAreRefusedInANumberColumn)
{
    QString typed;
    search(QStringLiteral("CISLODOKLA"), 0, [&](ui::SearchDialog *dialog) {
        QTest::keyClicks(dialog->templateEdit(), QStringLiteral("8a1x7"));
        typed = dialog->templateEdit()->text();
        QTest::keyClick(dialog->templateEdit(), Qt::Key_Return);
    });
    EXPECT_EQ(typed, QStringLiteral("817"));
    EXPECT_EQ(currentNumber(), QStringLiteral("817"));
}
