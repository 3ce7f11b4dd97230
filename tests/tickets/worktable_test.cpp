#include "support/testdatabase.h"
#include "tickets/worktable.h"

#include <gtest/gtest.h>

TEST(WorkTable, statementsNameTheWorkstationsTable)
{
    EXPECT_EQ(tickets::workTableStatements(QStringLiteral("07")),
              QStringList({QStringLiteral("DROP TABLE IF EXISTS tmp07vala"),
                           QStringLiteral("CREATE TABLE tmp07vala COLLATE cp1250_general_ci "
                                          "ENGINE=MyISAM\n select * from vazlab limit 0,0")}));
    EXPECT_EQ(tickets::workTableName(QStringLiteral("00")), QStringLiteral("tmp00vala"));
}

TEST(WorkTable, copyHasTheColumnsButNoKeysAndRowsCopiedBackDrawNewIds)
{
    TestDatabase database;
    db::Connection &connection = database.connection();
    connection.exec(QStringLiteral("insert into vazlab set CISLODOKLA=1"));
    tickets::recreateWorkTable(connection, QStringLiteral("07"));
    tickets::recreateWorkTable(connection, QStringLiteral("07")); // again over an existing one

    const auto columnsOf = [&](const QString &table) {
        const db::ResultSet rows = connection.query(
            QStringLiteral(
                "select column_name from information_schema.columns where table_schema=database() "
                "and table_name='%1' order by ordinal_position")
                .arg(table));
        QStringList names;
        for (int row = 0; row < rows.rowCount(); ++row)
            names << rows.text(row, 0);
        return names;
    };
    EXPECT_EQ(columnsOf(QStringLiteral("tmp07vala")), columnsOf(QStringLiteral("vazlab")));
    EXPECT_EQ(
        database.scalar(QStringLiteral(
            "select count(*) from information_schema.statistics where table_schema=database() "
            "and table_name='tmp07vala'")),
        QStringLiteral("0"));
    EXPECT_EQ(database.scalar(QStringLiteral(
                  "select concat(column_default, '/', extra) from information_schema.columns where "
                  "table_schema=database() and table_name='tmp07vala' and column_name='id'")),
              QStringLiteral("0/"));

    connection.exec(QStringLiteral("insert into tmp07vala set CISLODOKLA=2"));
    EXPECT_EQ(database.scalar(QStringLiteral("select id from tmp07vala")), QStringLiteral("0"));
    connection.exec(QStringLiteral("insert into vazlab select * from tmp07vala"));
    EXPECT_EQ(
        database.scalar(QStringLiteral("select id from vazlab where CISLODOKLA=2")),
        QString::number(
            database.scalar(QStringLiteral("select id from vazlab where CISLODOKLA=1")).toInt() +
            1));
}
