#include "db/sqlliteral.h"
#include "support/printers.h"

#include <gtest/gtest.h>

TEST(SqlLiteral, textDoublesQuotesAndEscapesBackslashes)
{
    const struct {
        QString value;
        QString expected;
    } cases[] = {
        {QStringLiteral("abc"), QStringLiteral("'abc'")},
        {QString(), QStringLiteral("''")},
        {QStringLiteral("O'Brien"), QStringLiteral("'O''Brien'")},
        {QStringLiteral("abc\\"), QStringLiteral("'abc\\\\'")},
        {QStringLiteral("C:\\váha\\new"), QStringLiteral("'C:\\\\váha\\\\new'")},
        {QStringLiteral("a;\"b\""), QStringLiteral("'a;\"b\"'")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(sql::text(c.value), c.expected) << c.value.toStdString();
}

TEST(SqlLiteral, numbersUseShortestFormWithPoint)
{
    const struct {
        double value;
        const char *expected;
    } cases[] = {{14.5, "14.5"},
                 {980, "980"},
                 {0.1 + 0.2, "0.3"},
                 {-1234567.25, "-1234567.25"},
                 {123456789012345678.0, "1.23456789012346e+17"}};
    for (const auto &c : cases)
        EXPECT_EQ(sql::number(c.value), QString::fromLatin1(c.expected));
}

TEST(SqlLiteral, datesAndDateTimesAreQuotedIsoText)
{
    EXPECT_EQ(sql::date(QDate(2015, 2, 1)), QStringLiteral("'2015-02-01'"));
    EXPECT_EQ(sql::dateTime(QDateTime(QDate(2015, 2, 1), QTime(7, 5, 9))),
              QStringLiteral("'2015-02-01 07:05:09'"));
}
