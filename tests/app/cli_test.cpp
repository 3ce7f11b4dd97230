#include "app/platforminfo.h"
#include "support/testdatabase.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString output;
    QString errors;
};

Outcome runCli(const QStringList &arguments, const QString &workingDir = QString(),
               const char *language = nullptr)
{
    QProcess process;
    if (language) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(language));
        environment.remove(QStringLiteral("LC_ALL"));
        process.setProcessEnvironment(environment);
    }
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

TEST(Cli, importTakesTheFileOverAndFailsLoudly)
{
    TestDatabase database;
    TestSite site;
    site.writeLogonFor(database);
    const QString ticket = site.workingDir() + QStringLiteral("/wgschein_data.xml");
    QFile::copy(sourcePath(QStringLiteral("samples/wgschein_data.xml")), ticket);

    const Outcome imported =
        runCli({QStringLiteral("import"), ticket}, site.workingDir(), "cs_CZ.UTF-8");
    EXPECT_EQ(imported.exitCode, 0) << imported.errors.toStdString();
    EXPECT_EQ(
        database.scalar(QStringLiteral("select concat(cislodokla, ' ', datbrutto) from vazlab")),
        QStringLiteral("5001 2026-12-11 07:42:10"));
    EXPECT_TRUE(QFile::exists(site.workingDir() + QStringLiteral("/apo.txt")));

    const Outcome wrongRegion =
        runCli({QStringLiteral("import"), ticket}, site.workingDir(), "en_US.UTF-8");
    EXPECT_EQ(wrongRegion.exitCode, 1);
    EXPECT_TRUE(wrongRegion.errors.contains(QStringLiteral("is not a valid date and time")))
        << wrongRegion.errors.toStdString();

    const Outcome missing =
        runCli({QStringLiteral("import"), site.workingDir() + QStringLiteral("/none.xml")},
               site.workingDir(), "cs_CZ.UTF-8");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(database.count(QStringLiteral("vazlab")), 1);
}
