#include "db/dberror.h"
#include "db/scriptrunner.h"
#include "support/testdatabase.h"

#include <gtest/gtest.h>

TEST(ScriptRunnerSplit, splitsAtSemicolonsOutsideQuotedText)
{
    const struct {
        QByteArray script;
        QList<QByteArray> statements;
    } cases[] = {
        {"a;b;", {"a", "b"}},
        {"BEGIN;\n;\n  ;commit;", {"BEGIN", "commit"}},
        {"x='a;b';y", {"x='a;b'", "y"}},
        {"x=\"a;b\";y", {"x=\"a;b\"", "y"}},
        {"x=`a;b`;y", {"x=`a;b`", "y"}},
        {"x='it''s;';y", {"x='it''s;'", "y"}},
        {"x='a\\';b';y", {"x='a\\';b'", "y"}},
        {"x='a\\\\';b", {"x='a\\\\'", "b"}},
        {"x=\"say \\\"hi;\\\"\";y", {"x=\"say \\\"hi;\\\"\"", "y"}},
        {"x='\"';y='`;'", {"x='\"'", "y='`;'"}},
        {"x=`a\\`;b", {"x=`a\\`", "b"}},
        {"", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(db::ScriptRunner::split(c.script), c.statements) << c.script.toStdString();
}

class ScriptRunnerTest : public ::testing::Test {
protected:
    TestDatabase database;
};

TEST_F(ScriptRunnerTest, rejectedStatementStopsTheRunAndRollsBackItsTransaction)
{
    db::ScriptRunner runner;
    runner.addLine(QStringLiteral("BEGIN;"));
    runner.addLine(QStringLiteral("insert into vazlab set CISLODOKLA=1;"));
    runner.addLine(QStringLiteral("insert into no_such_table set x=1;"));
    runner.addLine(QStringLiteral("insert into vazlab set CISLODOKLA=2;"));
    runner.addLine(QStringLiteral("commit;"));
    try {
        runner.run(database.connection());
        FAIL() << "the script should have failed";
    } catch (const db::DbError &error) {
        EXPECT_EQ(error.code(), 1146u);
        EXPECT_TRUE(error.message().contains(QStringLiteral("no_such_table")));
    }

    // a later transaction on the same connection commits only its own work
    runner.clear();
    runner.addLine(QStringLiteral("BEGIN;"));
    runner.addLine(QStringLiteral("insert into vazlab set CISLODOKLA=3;"));
    runner.addLine(QStringLiteral("commit;"));
    runner.run(database.connection());
    EXPECT_EQ(database.scalar(QStringLiteral("select group_concat(CISLODOKLA) from vazlab")),
              QStringLiteral("3"));
}

TEST_F(ScriptRunnerTest, scriptRoundTripsThroughItsFileInCp1250)
{
    QTemporaryDir dir;
    db::ScriptRunner runner;
    runner.addLine(
        QStringLiteral("insert into vazlab set CISLODOKLA=7, NAZEVPODNI='Řepka; a''s';"));
    runner.saveToFile(dir.filePath(QStringLiteral("apre.txt")));
    db::ScriptRunner loaded;
    loaded.loadFromFile(dir.filePath(QStringLiteral("apre.txt")));
    EXPECT_EQ(loaded.text(), runner.text());
    EXPECT_TRUE(loaded.text().contains("\xD8"
                                       "epka")); // Ř in cp1250
    loaded.run(database.connection());
    EXPECT_EQ(database.scalar(QStringLiteral("select NAZEVPODNI from vazlab")),
              QStringLiteral("Řepka; a's"));
}
