#include "support/printers.h"
#include "tickets/columnfilter.h"

#include <gtest/gtest.h>

using db::ColumnKind;

TEST(ColumnFilter, stepsBuildTheClauseAndItsReadableText)
{
    const QString sklad = QStringLiteral("SKLAD");
    const struct {
        QString clauseBefore;
        QString textBefore;
        tickets::FilterCell cell;
        QString op;
        QString clause;
        QString text;
    } cases[] = {
        {{},
         {},
         {sklad, QStringLiteral("Sklad"), ColumnKind::Text, QStringLiteral("12"),
          QStringLiteral("12")},
         QStringLiteral(" = "),
         QStringLiteral("where SKLAD = '12'"),
         QStringLiteral("Sklad = 12")},
        {{},
         {},
         {QStringLiteral("NAZEVPODNI"), QStringLiteral("NAZEVPODNI"), ColumnKind::Text,
          QStringLiteral("O'Brien \\"), QStringLiteral("O'Brien \\")},
         QStringLiteral(" <> "),
         QStringLiteral("where NAZEVPODNI <> 'O''Brien \\\\'"),
         QStringLiteral("NAZEVPODNI <> O'Brien \\")},
        {{},
         {},
         {QStringLiteral("CISLODOKLA"), QStringLiteral("Číslo dokl."), ColumnKind::Int32, {}, {}},
         QStringLiteral(" > "),
         QStringLiteral("where CISLODOKLA > 0"),
         QStringLiteral("Číslo dokl. > 0")},
        {{},
         {},
         {QStringLiteral("DATUM"), QStringLiteral("Datum"), ColumnKind::Date,
          QStringLiteral("2015-02-01"), QStringLiteral("01.02.2015")},
         QStringLiteral(" >= "),
         QStringLiteral("where DATUM >= '2015-02-01'"),
         QStringLiteral("Datum >= 01.02.2015")},
        {QStringLiteral("where SKLAD = '12'"),
         QStringLiteral("Sklad = 12"),
         {QStringLiteral("DATUM"), QStringLiteral("Datum"), ColumnKind::Date,
          QStringLiteral("2015-02-01"), QStringLiteral("01.02.2015")},
         QStringLiteral(" >= "),
         QStringLiteral("where SKLAD = '12' AND DATUM >= '2015-02-01'"),
         QStringLiteral("Sklad = 12, Datum >= 2015-02-01")},
        // a decimal goes to the server with a point, the user keeps reading the regional form
        {{},
         {},
         {QStringLiteral("VLHKOST"), QStringLiteral("Vlhkost"), ColumnKind::Decimal,
          QStringLiteral("14.50"), QStringLiteral("14,5")},
         QStringLiteral(" < "),
         QStringLiteral("where VLHKOST < '14.5'"),
         QStringLiteral("Vlhkost < 14,5")},
        {QStringLiteral("where SKLAD = '12'"),
         QStringLiteral("Sklad = 12"),
         {QStringLiteral("VLHKOST"), QStringLiteral("Vlhkost"), ColumnKind::Decimal,
          QStringLiteral("14.50"), QStringLiteral("14,5")},
         QStringLiteral(" <= "),
         QStringLiteral("where SKLAD = '12' AND VLHKOST <= '14.5'"),
         QStringLiteral("Sklad = 12, Vlhkost <= 14,5")},
        {{},
         {},
         {QStringLiteral("DATBRUTTO"), QStringLiteral("DATBRUTTO"), ColumnKind::DateTime,
          QStringLiteral("2015-02-01 07:05:09"), QStringLiteral("01.02.2015 7:05:09")},
         QStringLiteral(" = "),
         QStringLiteral("where DATBRUTTO = '2015-02-01 07:05:09'"),
         QStringLiteral("DATBRUTTO = 01.02.2015 7:05:09")},
    };
    for (const auto &c : cases) {
        QString clause = c.clauseBefore;
        QString text = c.textBefore;
        tickets::addFilterStep(clause, text, c.cell, c.op);
        EXPECT_EQ(clause, c.clause);
        EXPECT_EQ(text, c.text);
    }
}

TEST(ColumnFilter, captionsNameTitleComparisonAndValue)
{
    EXPECT_EQ(tickets::filterCaptions(QStringLiteral("Sklad"), QStringLiteral("12")),
              (QStringList{QStringLiteral("Sklad =  12"), QStringLiteral("Sklad <> 12"),
                           QStringLiteral("Sklad >  12"), QStringLiteral("Sklad >= 12"),
                           QStringLiteral("Sklad <  12"), QStringLiteral("Sklad <= 12")}));
}
