#include "app/storedvalues.h"
#include "support/listfixture.h"
#include "support/modalhelper.h"
#include "ui/bottompanel.h"
#include "ui/importcommands.h"
#include "ui/ticketlist.h"

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class ImportCommandsTest : public ListFixture {
protected:
    QString ticket() const { return site.workingDir() + QStringLiteral("/wgschein_data.xml"); }
    void SetUp() override
    {
        ListFixture::SetUp();
        QFile::copy(sourcePath(QStringLiteral("samples/wgschein_data.xml")), ticket());
        window->state().importFilePath = ticket();
        window->imports().setRetryWait(1);
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
        ListFixture::TearDown();
    }
};

TEST_F(ImportCommandsTest, buttonImportsConfirmsAndBringsTheListBack)
{
    QString confirmation;
    whenModalOpens([&](QWidget *box) {
        confirmation = box->windowTitle() + u'|' +
                       box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    window->bottomPanel()->nacistVazniList->click();
    EXPECT_EQ(errors, QStringList());
    EXPECT_EQ(confirmation, QStringLiteral("Soubor přenesen.|Vážní list přenesen."));
    EXPECT_TRUE(window->list().isOpen());
    EXPECT_EQ(listedNumbers().first(), QStringLiteral("5001"));
    EXPECT_EQ(
        database.scalar(QStringLiteral("select NAZEVPODNI from vazlab where cislodokla=5001")),
        QStringLiteral("Zemědělské družstvo Kněžice"));
}

TEST_F(ImportCommandsTest, unattendedImportKeepsItsFailureForTheReturningUser)
{
    window->doListy();
    database.connection().exec(QStringLiteral("rename table vazlab to vazlab_gone"));
    window->imports().checkForNewFile();
    EXPECT_TRUE(window->imports().lastFailure().contains(QStringLiteral("vazlab")));
    EXPECT_EQ(errors, QStringList()); // nothing popped up over the minimised window
    EXPECT_TRUE(window->importTimer().isActive());
    EXPECT_FALSE(window->connection().isOpen());

    database.connection().exec(QStringLiteral("rename table vazlab_gone to vazlab"));
    window->imports().checkForNewFile();
    EXPECT_EQ(database.scalar(QStringLiteral("select count(*) from vazlab where cislodokla=5001")),
              QStringLiteral("1"));
    EXPECT_FALSE(window->connection().isOpen());

    window->imports().checkForNewFile(); // same stamp: nothing more
    EXPECT_EQ(database.scalar(QStringLiteral("select count(*) from vazlab where cislodokla=5001")),
              QStringLiteral("1"));
    window->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !errors.isEmpty(); }, 2000));
    EXPECT_TRUE(errors.first().contains(QStringLiteral("vazlab")));
}

TEST_F(ImportCommandsTest, nastaveniChoosesTheFileAndCancelKeepsIt)
{
    const QString other = site.workingDir() + QStringLiteral("/druhy.xml");
    QFile::copy(ticket(), other);
    whenModalOpens([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("xml (*.xml)")});
        dialog->selectFile(other);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    window->menus().nastaveni->trigger();
    EXPECT_EQ(window->state().importFilePath, other);

    whenModalOpens([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    window->menus().nastaveni->trigger();
    EXPECT_EQ(window->state().importFilePath, other);

    window->close();
    EXPECT_EQ(app::StoredValues::load(window->paths().programIni()).openDialogFileName, other);
}
