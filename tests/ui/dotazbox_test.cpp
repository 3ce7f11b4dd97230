#include "db/error.h"
#include "support/modalhelper.h"
#include "support/printers.h"
#include "ui/dotazbox.h"
#include "ui/errorguard.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Seen {
    QString title;
    QString text;
    QStringList buttons;
    QString defaultButton;
};

// Reads the box that opens, then presses a key or a button in it.
void inspectThen(Seen &seen, std::function<void(QMessageBox *)> act)
{
    whenModalOpens([&seen, act](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        for (QAbstractButton *button : box->buttons())
            seen.buttons << button->text();
        seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        act(box);
    });
}

} // namespace

TEST(DotazBox, settingsPersistBetweenUsesAndButtonsReturnTheirResults)
{
    ui::DotazBox dotaz;
    Seen first;
    inspectThen(first, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    dotaz.text = QStringLiteral("Hotovo");
    EXPECT_EQ(dotaz.show(), ui::DotazBox::Confirm); // a lone OK also answers Esc
    EXPECT_EQ(first.title, QStringLiteral("Vážní listy KOR"));
    EXPECT_EQ(first.buttons, QStringList{QStringLiteral("OK")});

    dotaz.caption = QStringLiteral("Tento vážní list již existuje.");
    dotaz.text = QStringLiteral("Načíst vážní list 815 znovu?\rDruhý řádek");
    dotaz.icon = ui::DotazBox::Icon::Help;
    dotaz.buttonCount = 2;
    dotaz.buttonCaptions = {QStringLiteral("Načíst"), QStringLiteral("Zpět"), QString()};
    Seen second;
    inspectThen(second, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(dotaz.show(), ui::DotazBox::Cancel);
    EXPECT_EQ(second.text, QStringLiteral("Načíst vážní list 815 znovu?\nDruhý řádek"));
    EXPECT_EQ(second.buttons, (QStringList{QStringLiteral("Načíst"), QStringLiteral("Zpět")}));
    EXPECT_EQ(second.defaultButton, QStringLiteral("Načíst"));

    // a use that sets only the text keeps caption and buttons of the last one
    dotaz.text = QStringLiteral("Znovu?");
    Seen third;
    inspectThen(third, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(dotaz.show(), ui::DotazBox::Confirm);
    EXPECT_EQ(third.title, QStringLiteral("Tento vážní list již existuje."));
    EXPECT_EQ(third.buttons, second.buttons);

    pressInNextModal(QStringLiteral("Zpět"));
    EXPECT_EQ(dotaz.show(), ui::DotazBox::Cancel);
    pressInNextModal(QStringLiteral("Načíst"));
    EXPECT_EQ(dotaz.show(), ui::DotazBox::Confirm);
}

TEST(ErrorGuard, failingActionShowsTheStandardErrorBoxAndEnds)
{
    QString shown;
    whenModalOpens([&shown](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        shown = box->text();
        EXPECT_EQ(box->buttons().size(), 1);
        box->button(QMessageBox::Ok)->click();
    });
    bool finished = false;
    EXPECT_FALSE(ui::runGuarded([&] {
        throw vk::Error(QStringLiteral("Table 'kavrid.historiem' doesn't exist"));
        finished = true;
    }));
    EXPECT_EQ(shown, QStringLiteral("Table 'kavrid.historiem' doesn't exist"));
    EXPECT_FALSE(finished);
}
