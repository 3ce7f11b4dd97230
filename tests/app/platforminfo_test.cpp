#include "app/platforminfo.h"
#include "app/startup.h"
#include "support/printers.h"

#include <QFile>
#include <QHostAddress>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PlatformInfo, fileDateTimeHasTwoSecondResolutionAndDayZeroForMissingFiles)
{
    EXPECT_EQ(platform::fileDateTime(QStringLiteral("/nonexistent/file")),
              QDateTime(QDate(1899, 12, 30), QTime(0, 0)));

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("wgschein_data.xml")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QDateTime odd(QDate(2026, 12, 11), QTime(10, 20, 31, 700));
    ASSERT_TRUE(file.setFileTime(odd, QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(platform::fileDateTime(file.fileName()),
              QDateTime(QDate(2026, 12, 11), QTime(10, 20, 30)));
}

TEST(PlatformInfo, workstationFactsHaveTheirFormats)
{
    const QString ip = platform::localIPAddress();
    EXPECT_EQ(QHostAddress(ip).protocol(), QAbstractSocket::IPv4Protocol) << ip.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$"))
                    .match(platform::exeVersionText())
                    .hasMatch());
    EXPECT_FALSE(platform::userName().isEmpty());
    EXPECT_LE(platform::userName().size(), 62);
    EXPECT_LE(platform::computerName().size(), 15);
}

TEST(Startup, unattendedSwitchIsTheFirstArgumentInAnyCase)
{
    const struct {
        QStringList arguments;
        bool unattended;
    } cases[] = {
        {{QStringLiteral("vovuvaKOR"), QStringLiteral("/M")}, true},
        {{QStringLiteral("vovuvaKOR"), QStringLiteral("/m")}, true},
        {{QStringLiteral("vovuvaKOR"), QStringLiteral("/x"), QStringLiteral("/M")}, false},
        {{QStringLiteral("vovuvaKOR"), QStringLiteral("/ES")}, false},
        {{QStringLiteral("vovuvaKOR")}, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(app::isUnattendedStart(c.arguments), c.unattended)
            << c.arguments.join(u' ').toStdString();
}
