#include "app/inifile.h"
#include "db/cp1250.h"
#include "support/printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(IniFile, readsCp1250AndWritesBackKeepingOtherSections)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vovuvaKOR.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(cp1250::encode(QStringLiteral("[TForm1]\r\nOpenDialog1_FileName=C:\\Váha\\wgschein_"
                                             "data.xml\r\n\r\n[Jiné]\r\nklíč = hodnota \r\n")));
    file.close();

    app::IniFile ini(path);
    ini.load();
    EXPECT_EQ(ini.value(QStringLiteral("tform1"), QStringLiteral("OPENDIALOG1_FILENAME")),
              QStringLiteral("C:\\Váha\\wgschein_data.xml"));
    EXPECT_EQ(ini.value(QStringLiteral("Jiné"), QStringLiteral("klíč")), QStringLiteral("hodnota"));
    EXPECT_EQ(ini.value(QStringLiteral("XML"), QStringLiteral("Datum"), QStringLiteral("2020")),
              QStringLiteral("2020"));

    ini.setValue(QStringLiteral("XML"), QStringLiteral("Datum"),
                 QStringLiteral("2026-12-11 10:00:00"));
    ini.setValue(QStringLiteral("TForm1"), QStringLiteral("suiComboBoxRok_ItemIndex"),
                 QStringLiteral("2"));
    ini.save();

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(cp1250::decode(file.readAll()),
              QStringLiteral("[TForm1]\r\nOpenDialog1_FileName=C:\\Váha\\wgschein_data.xml\r\n"
                             "suiComboBoxRok_ItemIndex=2\r\n\r\n[Jiné]\r\nklíč=hodnota\r\n\r\n"
                             "[XML]\r\nDatum=2026-12-11 10:00:00\r\n\r\n"));
}

TEST(IniFile, missingFileReadsAsEmpty)
{
    app::IniFile ini(QStringLiteral("/nonexistent/kavrid05.ini"));
    ini.load();
    EXPECT_FALSE(ini.contains(QStringLiteral("LogON"), QStringLiteral("IP")));
}
