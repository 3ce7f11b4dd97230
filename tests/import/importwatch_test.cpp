#include "app/inifile.h"
#include "app/platforminfo.h"
#include "db/error.h"
#include "db/sqlliteral.h"
#include "import/exclusiveopen.h"
#include "import/importwatch.h"
#include "import/ticketimport.h"
#include "support/printers.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

class ImportWatchTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString ticket = dir.filePath(QStringLiteral("wgschein_data.xml"));
    QString ini = dir.filePath(QStringLiteral("vovuvaKOR.ini"));
    bool minimised = true;
    int imports = 0;
    std::function<import::ImportOutcome()> importer = [this] {
        ++imports;
        return import::ImportOutcome::Imported;
    };
    QStringList failures;
    QTimer timer;
    import::ImportWatch watch{ini, { [this] { return minimised;
}, [this] { return ticket; }, [this] { return importer(); },
    [this](const QString &failure) { failures << failure; }
}
}
;

void SetUp() override
{
    timer.setInterval(5000);
    timer.start();
    writeTicket(QDateTime(QDate(2026, 12, 11), QTime(8, 0, 0)));
}
void writeTicket(const QDateTime &modified)
{
    QFile file(ticket);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<wgschein/>");
    file.flush();
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
}
QString xml(const QString &key)
{
    app::IniFile file(ini);
    file.load();
    return file.value(QStringLiteral("XML"), key, QStringLiteral("<none>"));
}
}
;

TEST_F(ImportWatchTest, newStampIsImportedOnceAndRemembered)
{
    watch.tick(timer); // no "Datum" yet: imports at once
    EXPECT_EQ(imports, 1);
    EXPECT_EQ(xml(QStringLiteral("Datum")), QStringLiteral("2026-12-11 08:00:00"));
    EXPECT_EQ(xml(QStringLiteral("Soubor")), QStringLiteral("2026-12-11 08:00:00"));
    EXPECT_TRUE(timer.isActive());

    writeTicket(QDateTime(QDate(2026, 12, 11), QTime(8, 0, 1))); // same stamp at two-second steps
    watch.tick(timer);
    EXPECT_EQ(imports, 1);
    const QDateTime test =
        QDateTime::fromString(xml(QStringLiteral("Test")), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    EXPECT_LE(std::abs(test.secsTo(QDateTime::currentDateTime())), 2);

    writeTicket(QDateTime(QDate(2026, 12, 11), QTime(8, 5, 0)));
    watch.tick(timer);
    EXPECT_EQ(imports, 2);
    EXPECT_EQ(failures, QStringList());
}

TEST_F(ImportWatchTest, windowShownNormallyOrMissingFileDoNothing)
{
    minimised = false;
    watch.tick(timer);
    EXPECT_EQ(imports, 0);
    EXPECT_FALSE(QFile::exists(ini));

    minimised = true;
    ticket = dir.filePath(QStringLiteral("none.xml"));
    watch.tick(timer);
    EXPECT_EQ(imports, 0);
    EXPECT_FALSE(QFile::exists(ini));
    EXPECT_TRUE(timer.isActive());
}

TEST_F(ImportWatchTest, fileHeldOpenByAnotherProgramWaitsForALaterTick)
{
    QProcess holder;
    holder.start(
        QStringLiteral("sh"),
        {QStringLiteral("-c"), QStringLiteral("exec 3<\"$0\"; echo held; exec sleep 30"), ticket});
    ASSERT_TRUE(holder.waitForReadyRead(5000));
    EXPECT_FALSE(import::isFileFree(ticket));
    watch.tick(timer);
    EXPECT_EQ(imports, 0);
    EXPECT_EQ(xml(QStringLiteral("Soubor")), QStringLiteral("2026-12-11 08:00:00"));
    EXPECT_EQ(xml(QStringLiteral("Datum")), QStringLiteral("<none>"));

    holder.kill();
    holder.waitForFinished();
    EXPECT_TRUE(import::isFileFree(ticket));
    watch.tick(timer);
    EXPECT_EQ(imports, 1);
}

TEST_F(ImportWatchTest, failedImportIsReportedAndTriedAgainWithTheCheckStillRunning)
{
    importer = [this]() -> import::ImportOutcome {
        ++imports;
        throw vk::Error(QStringLiteral("Table 'vazlab' doesn't exist"));
    };
    watch.tick(timer);
    EXPECT_EQ(failures, QStringList{QStringLiteral("Table 'vazlab' doesn't exist")});
    EXPECT_EQ(xml(QStringLiteral("Datum")), QStringLiteral("<none>"));
    EXPECT_TRUE(timer.isActive());

    importer = [this] {
        ++imports;
        return import::ImportOutcome::NoConnection;
    };
    watch.tick(timer);
    EXPECT_EQ(imports, 2);
    EXPECT_EQ(xml(QStringLiteral("Datum")), QStringLiteral("<none>"));

    importer = [this] {
        ++imports;
        return import::ImportOutcome::Imported;
    };
    watch.tick(timer);
    EXPECT_EQ(imports, 3);
    EXPECT_EQ(xml(QStringLiteral("Datum")), QStringLiteral("2026-12-11 08:00:00"));
}
