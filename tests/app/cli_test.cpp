#include "app/platforminfo.h"
#include "support/testdatabase.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString output;
    QString errors;
};

Outcome runCli(const QStringList &arguments, const QString &workingDir = QString())
{
    QProcess process;
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.start(QStringLiteral(VK_CLI_PATH), arguments);
    process.waitForFinished(20000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

TEST(Cli, versionAndConnectionCheck)
{
    const Outcome version = runCli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, QStringLiteral("vovuvakor-cli %1\n").arg(platform::exeVersionText()));

    TestDatabase database;
    TestSite site;
    site.writeLogonFor(database, QStringLiteral("CisloPC=04\r\n"));
    const Outcome connected = runCli({QStringLiteral("check-connection")}, site.workingDir());
    EXPECT_EQ(connected.exitCode, 0) << connected.errors.toStdString();
    EXPECT_TRUE(connected.output.contains(QStringLiteral("as workstation 04")))
        << connected.output.toStdString();
    EXPECT_EQ(database.count(QStringLiteral("historiem")), 1);

    site.writeLogonFor(database, QStringLiteral("SQLport=1\r\n"));
    const Outcome refused = runCli({QStringLiteral("check-connection")}, site.workingDir());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_FALSE(refused.errors.isEmpty());

    EXPECT_EQ(runCli({QStringLiteral("nonsense")}).exitCode, 2);
}
