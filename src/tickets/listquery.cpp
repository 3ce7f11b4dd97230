#include "listquery.h"

#include "db/sqlliteral.h"

#include <QStringList>

namespace tickets {

QString ticketTable(bool archive)
{
    return archive ? QStringLiteral("vazlab_arch") : QStringLiteral("vazlab");
}

QString listStatement(const ListInputs &inputs)
{
    QStringList lines;
    lines << QStringLiteral("select * from ") + ticketTable(inputs.archive);
    lines << inputs.filterClause;
    const bool filtered = !inputs.filterClause.isEmpty();
    if (inputs.typeIndex == 0 || inputs.typeIndex == 1) {
        const QString code = inputs.typeIndex == 0 ? QStringLiteral("01") : QStringLiteral("04");
        lines << (filtered ? QStringLiteral(" AND") : QStringLiteral(" where")) +
                     QStringLiteral(" LEFT(typdokladu,2)=\"") + code + u'"';
    }
    if (!inputs.yearText.isEmpty() && inputs.yearText != QStringLiteral("Vše")) {
        const bool first = inputs.typeIndex == 2 && !filtered;
        lines << (first ? QStringLiteral(" where") : QStringLiteral(" AND")) +
                     QStringLiteral(" year(datum) = ") + sql::text(inputs.yearText);
    }
    lines << inputs.orderClause;
    return lines.join(u'\n');
}

} // namespace tickets
