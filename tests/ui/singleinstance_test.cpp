#include "support/testdatabase.h"
#include "ui/singleinstance.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(SingleInstance, laterInstanceFindsTheFirstAndAsksItToComeForward)
{
    const QString name =
        QStringLiteral("VOVUVAKOR-TEST-%1").arg(QCoreApplication::applicationPid());
    ui::SingleInstance first(name);
    ASSERT_TRUE(first.claim());
    QSignalSpy activated(&first, &ui::SingleInstance::activationRequested);

    ui::SingleInstance second(name);
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(activated.wait(2000));
}

// The real program, twice: the first start writes exactly one login row with the workstation
// number; a second start writes its own row and ends by itself while the first keeps running.
TEST(SingleInstance, secondStartOfTheProgramWritesItsRowAndEnds)
{
    TestDatabase database;
    TestSite site;
    site.writeLogonFor(database, QStringLiteral("CisloPC=05\r\n"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const auto start = [&](QProcess &process) {
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(site.workingDir());
        process.start(QStringLiteral(VK_PROGRAM_PATH), {});
        return process.waitForStarted(5000);
    };
    const auto historyRows = [&] { return database.count(QStringLiteral("historiem")); };

    QProcess first;
    ASSERT_TRUE(start(first));
    EXPECT_TRUE(QTest::qWaitFor([&] { return historyRows() == 1; }, 10000));
    EXPECT_EQ(database.scalar(QStringLiteral("select pc from historiem")), QStringLiteral("05"));

    QProcess second;
    ASSERT_TRUE(start(second));
    EXPECT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(historyRows(), 2);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    first.waitForFinished(5000);
}
