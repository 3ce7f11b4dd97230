#include "support/printers.h"
#include "tickets/listquery.h"

#include <gtest/gtest.h>

TEST(ListQuery, statementFollowsArchiveFilterTypeYearAndOrder)
{
    const QString order = QStringLiteral("order by cislodokla DESC");
    const QString filter = QStringLiteral("where SKLAD = '12'");
    const struct {
        tickets::ListInputs inputs;
        QString expected;
    } cases[] = {
        {{false, {}, 0, QStringLiteral("Vše"), order},
         "select * from vazlab\n\n where LEFT(typdokladu,2)=\"01\"\norder by cislodokla DESC"},
        {{false, filter, 2, QStringLiteral("2015"), order},
         "select * from vazlab\nwhere SKLAD = '12'\n AND year(datum) = '2015'\norder by cislodokla "
         "DESC"},
        {{false, {}, 2, QStringLiteral("2015"), order},
         "select * from vazlab\n\n where year(datum) = '2015'\norder by cislodokla DESC"},
        {{false, filter, 1, QStringLiteral("Vše"), order},
         "select * from vazlab\nwhere SKLAD = '12'\n AND LEFT(typdokladu,2)=\"04\"\norder by "
         "cislodokla DESC"},
        {{true, {}, 1, QStringLiteral("2026"), QStringLiteral("order by DATUM DESC")},
         "select * from vazlab_arch\n\n where LEFT(typdokladu,2)=\"04\"\n AND year(datum) = "
         "'2026'\norder by DATUM DESC"},
        {{false, {}, 2, QStringLiteral("Vše"), QString()}, "select * from vazlab\n\n"},
        {{false, {}, 0, QStringLiteral("20'1"), order},
         "select * from vazlab\n\n where LEFT(typdokladu,2)=\"01\"\n AND year(datum) = "
         "'20''1'\norder by cislodokla DESC"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(tickets::listStatement(c.inputs), c.expected);
}
