#include "db/dberror.h"
#include "db/sqlliteral.h"
#include "support/testdatabase.h"

#include <gtest/gtest.h>

class ConnectionTest : public ::testing::Test {
protected:
    TestDatabase database;
    db::Connection connection;
    void SetUp() override { connection.setSettings(database.settings()); }
};

TEST_F(ConnectionTest, czechTextRoundTripsThroughTheCp1250Connection)
{
    const QString name = QStringLiteral("Zemědělské družstvo Kněžice – O'Neill \\ Šťastný");
    connection.exec(QStringLiteral("insert into vazlab set NAZEVPODNI=") + sql::text(name));
    EXPECT_EQ(connection.query(QStringLiteral("select NAZEVPODNI from vazlab")).text(0, 0), name);
    EXPECT_EQ(
        database.scalar(QStringLiteral("select hex(substring(NAZEVPODNI, 4, 1)) from vazlab")),
        QStringLiteral("EC")); // stored as cp1250
    EXPECT_EQ(connection.query(QStringLiteral("select length(NAZEVPODNI) from vazlab")).text(0, 0),
              QString::number(name.size()));
}

TEST_F(ConnectionTest, opensOnDemandAndSetsTheCharacterSetAfterEveryConnect)
{
    EXPECT_FALSE(connection.isOpen());
    const QString query = QStringLiteral(
        "select @@character_set_client, @@character_set_results, @@character_set_connection");
    for (int round = 0; round < 2; ++round) {
        const db::ResultSet rows = connection.query(query);
        EXPECT_TRUE(connection.isOpen());
        EXPECT_EQ(rows.text(0, 0), QStringLiteral("cp1250"));
        EXPECT_EQ(rows.text(0, 1), QStringLiteral("cp1250"));
        EXPECT_EQ(rows.text(0, 2), QStringLiteral("cp1250"));
        connection.close();
    }
}

TEST_F(ConnectionTest, autoCommitSwitchedOffHoldsWorkUntilCommit)
{
    connection.setAutoCommit(false);
    connection.exec(QStringLiteral("insert into vazlab set CISLODOKLA=1"));
    EXPECT_EQ(database.count(QStringLiteral("vazlab")), 0);
    connection.close();
    connection.exec(
        QStringLiteral("insert into vazlab set CISLODOKLA=2")); // reconnected, still off
    connection.exec(QStringLiteral("commit"));
    EXPECT_EQ(database.scalar(QStringLiteral("select group_concat(CISLODOKLA) from vazlab")),
              QStringLiteral("2"));
}

TEST_F(ConnectionTest, resultSetReportsColumnKindsAndConvertsOnAccess)
{
    connection.exec(
        QStringLiteral("insert into vazlab set CISLODOKLA=815, DATUM='2015-02-01', NETTO=980.5, "
                       "DATBRUTTO='2015-02-01 07:05:09', NAZEVPODNI='x'"));
    const db::ResultSet rows = connection.query(QStringLiteral(
        "select id, CISLODOKLA, DATUM, NETTO, DATBRUTTO, NAZEVPODNI, SPZ, count(*) as n, "
        "cast('10:20:30' as time) t, cast('abc' as binary) b from vazlab"));
    using db::ColumnKind;
    const ColumnKind kinds[] = {ColumnKind::Int32,   ColumnKind::Int32,    ColumnKind::Date,
                                ColumnKind::Decimal, ColumnKind::DateTime, ColumnKind::Text,
                                ColumnKind::Text,    ColumnKind::Integer,  ColumnKind::Time,
                                ColumnKind::Text};
    ASSERT_EQ(rows.columnCount(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(rows.columns()[i].kind, kinds[i]) << rows.columns()[i].name.toStdString();
    EXPECT_EQ(rows.columns()[1].name, QStringLiteral("CISLODOKLA"));
    EXPECT_EQ(rows.columnIndex(QStringLiteral("netto")), 3);
    EXPECT_EQ(rows.toInteger(0, 1), 815);
    EXPECT_EQ(rows.toDate(0, 2), QDate(2015, 2, 1));
    EXPECT_DOUBLE_EQ(rows.toDouble(0, 3), 980.5);
    EXPECT_EQ(rows.toDateTime(0, 4), QDateTime(QDate(2015, 2, 1), QTime(7, 5, 9)));
    EXPECT_TRUE(rows.isNull(0, 6));
    EXPECT_FALSE(rows.isNull(0, 5));
    EXPECT_EQ(rows.toTime(0, 8), QTime(10, 20, 30));
}

TEST_F(ConnectionTest, serverErrorsCarryNumberAndMessage)
{
    try {
        connection.exec(QStringLiteral("insert into vazlab set NAZEVPODNI='abc\\'"));
        FAIL();
    } catch (const db::DbError &error) {
        EXPECT_EQ(error.code(), 1064u);
    }
    db::Connection nowhere;
    auto settings = database.settings();
    settings.port = 1;
    nowhere.setSettings(settings);
    EXPECT_THROW(nowhere.open(), db::DbError);
    EXPECT_FALSE(nowhere.isOpen());
}

TEST_F(ConnectionTest, manyRowsKeepTheirValuesAcrossStorageBlocksAndLongRows)
{
    const db::ResultSet rows = connection.query(
        QStringLiteral("select seq, repeat('Ž', seq % 500), if(seq % 3 = 0, null, 'x'), "
                       "if(seq % 1000 = 0, repeat('W', 40000 + seq), null) "
                       "from seq_1_to_20000 order by seq"));
    ASSERT_EQ(rows.rowCount(), 20000);
    for (int row = 0; row < rows.rowCount(); row += 499) {
        const int seq = row + 1;
        EXPECT_EQ(rows.toInteger(row, 0), seq);
        EXPECT_EQ(rows.text(row, 1), QString(seq % 500, QChar(u'Ž')));
        EXPECT_EQ(rows.isNull(row, 2), seq % 3 == 0);
        EXPECT_EQ(rows.isNull(row, 3), seq % 1000 != 0);
    }
    EXPECT_EQ(rows.bytes(999, 3).size(), 41000);
    EXPECT_EQ(rows.text(999, 2), QStringLiteral("x"));
    EXPECT_EQ(rows.text(999, 1), QString(500 % 500 + 1000 % 500, QChar(u'Ž')));

    db::ResultSet copy = connection.query(
        QStringLiteral("select repeat('W', 40000), 'a' union all select 'b', null"));
    copy.removeRow(0);
    ASSERT_EQ(copy.rowCount(), 1);
    EXPECT_EQ(copy.text(0, 0), QStringLiteral("b"));
    EXPECT_TRUE(copy.isNull(0, 1));
}
