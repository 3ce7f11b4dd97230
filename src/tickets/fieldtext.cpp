#include "fieldtext.h"

#include "app/regionalformat.h"

namespace tickets {

bool isNumberKind(db::ColumnKind kind)
{
    return kind == db::ColumnKind::Int32 || kind == db::ColumnKind::Integer ||
           kind == db::ColumnKind::Decimal;
}

QString fieldText(const db::ResultSet &rows, int row, int column, const QLocale &locale)
{
    if (rows.isNull(row, column))
        return QString();
    switch (rows.columns()[column].kind) {
    case db::ColumnKind::Decimal: return regional::formatNumber(rows.toDouble(row, column), locale);
    case db::ColumnKind::Date: return regional::formatDate(rows.toDate(row, column), locale);
    case db::ColumnKind::DateTime:
        return regional::formatDateTime(rows.toDateTime(row, column), locale);
    case db::ColumnKind::Time: return regional::formatTime(rows.toTime(row, column));
    default: return rows.text(row, column);
    }
}

} // namespace tickets
