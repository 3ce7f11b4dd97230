#include "app/connectdatabase.h"
#include "app/loginhistory.h"
#include "app/platforminfo.h"
#include "app/startup.h"
#include "db/dberror.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString unreachablePort = QStringLiteral("1");

} // namespace

class StartupTest : public ::testing::Test {
protected:
    TestDatabase database;
    TestSite site;
    app::MainState state;
    db::Connection connection;

    app::AppPaths paths() const { return {site.programDir(), site.workingDir()}; }
    QString port() const { return QString::number(database.settings().port); }
    QString sqlMode()
    {
        return connection.query(QStringLiteral("select @@session.sql_mode")).text(0, 0);
    }
};

TEST_F(StartupTest, withoutSettingsFileTheDefaultsApply)
{
    app::startDatabase(state, connection, paths());
    EXPECT_EQ(state.stationNo, QStringLiteral("00"));
    EXPECT_EQ(state.moduleCode, QStringLiteral("vlkor"));
    const db::ConnectionSettings &settings = connection.settings();
    EXPECT_EQ(settings.host, QStringLiteral("localhost"));
    EXPECT_EQ(settings.port, 3306u);
    EXPECT_EQ(settings.database, QStringLiteral("kavrid"));
    EXPECT_EQ(settings.user, QStringLiteral("root"));
    EXPECT_EQ(settings.password, QString());
}

TEST_F(StartupTest, reachableOpenPortConnectsWithoutSetupOrHistoryAndReconnectsOnSqlPort)
{
    site.writeLogonFor(
        database,
        QStringLiteral("SQLport=%1\r\nOPENport=%2\r\nCisloPC=07\r\n").arg(unreachablePort, port()));
    app::startDatabase(state, connection, paths());
    ASSERT_TRUE(connection.isOpen());
    EXPECT_EQ(state.stationNo, QStringLiteral("07"));
    EXPECT_NE(sqlMode(), QString()); // no set-up statements: the server's own mode
    EXPECT_EQ(database.count(QStringLiteral("historiem")), 0);

    connection.close();
    EXPECT_EQ(connection.settings().port, 1u);
    EXPECT_THROW(connection.open(), db::DbError);
}

TEST_F(StartupTest, unreachableOpenPortFallsBackToSqlPortAndWritesOneHistoryRow)
{
    site.writeLogonFor(database,
                       QStringLiteral("OPENport=%1\r\nCisloPC=07\r\n").arg(unreachablePort));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    app::startDatabase(state, connection, paths());
    ASSERT_TRUE(connection.isOpen());
    EXPECT_EQ(connection.settings().port, database.settings().port);
    EXPECT_EQ(sqlMode(), QString());

    const db::ResultSet rows = database.connection().query(QStringLiteral(
        "select modul, pc, stredisko, datumcas, ipadr, computeruser, computername, mdatumcas, "
        "mverze from historiem"));
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.text(0, 0), QStringLiteral("Vážní list KOR"));
    EXPECT_EQ(rows.text(0, 1), QStringLiteral("07"));
    EXPECT_EQ(rows.text(0, 2), QString());
    const QDateTime written =
        QDateTime::fromString(rows.text(0, 3), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    EXPECT_GE(written, before);
    EXPECT_LE(written, QDateTime::currentDateTime());
    EXPECT_EQ(rows.text(0, 4), platform::localIPAddress());
    EXPECT_EQ(rows.text(0, 5), platform::userName());
    EXPECT_EQ(rows.text(0, 6), platform::computerName());
    EXPECT_EQ(rows.text(0, 7), platform::fileDateTime(platform::programFilePath())
                                   .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    EXPECT_EQ(rows.text(0, 8), platform::exeVersionText());
}

TEST_F(StartupTest, portsThatAreNotNumbersAreConversionErrors)
{
    for (const QString &lines :
         {QStringLiteral("SQLport=abc\r\n"), QStringLiteral("OPENport=33x\r\n")}) {
        site.writeLogonFor(database, lines);
        try {
            app::startDatabase(state, connection, paths());
            ADD_FAILURE() << lines.toStdString();
        } catch (const vk::Error &error) {
            EXPECT_TRUE(error.message().contains(QStringLiteral("is not a valid integer value")));
        }
        EXPECT_EQ(database.count(QStringLiteral("historiem")), 0);
    }
}

TEST_F(StartupTest, historyValuesAreStoredExactlyWhateverTheyHold)
{
    app::LoginRecord record;
    record.modul = QStringLiteral("Vážní list KOR");
    record.pc = QStringLiteral("01");
    record.computeruser = QStringLiteral("jan\"; drop table historiem; -- \\");
    record.computername = QStringLiteral("PC'\\");
    const QString statement = app::historyInsertStatement(record);
    EXPECT_TRUE(statement.startsWith(QStringLiteral(
        "insert into historiem \nset modul = 'Vážní list KOR', pc = '01', stredisko = '',\n"
        "datumcas = '',\nipadr = '', computeruser = 'jan\"; drop table historiem; -- \\\\', "
        "computername = 'PC''\\\\',\nmdatumcas = '', mverze=''")));
    database.connection().exec(statement);
    EXPECT_EQ(database.scalar(
                  QStringLiteral("select concat(computeruser, '|', computername) from historiem")),
              record.computeruser + u'|' + record.computername);
}
