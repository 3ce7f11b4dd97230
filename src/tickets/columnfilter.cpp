#include "columnfilter.h"

#include "db/sqlliteral.h"
#include "fieldtext.h"

namespace tickets {

FilterCell filterCell(const db::ResultSet &rows, int row, int field, const QString &title,
                      const QLocale &locale)
{
    FilterCell cell;
    cell.fieldName = rows.columns()[field].name;
    cell.title = title;
    cell.kind = rows.columns()[field].kind;
    cell.rawValue = rows.text(row, field);
    cell.shownText = fieldText(rows, row, field, locale);
    return cell;
}

QStringList filterOperators()
{
    return {QStringLiteral(" = "),  QStringLiteral(" <> "), QStringLiteral(" > "),
            QStringLiteral(" >= "), QStringLiteral(" < "),  QStringLiteral(" <= ")};
}

QStringList filterCaptions(const QString &title, const QString &shownText)
{
    QStringList captions;
    for (const QString &separator :
         {QStringLiteral(" =  "), QStringLiteral(" <> "), QStringLiteral(" >  "),
          QStringLiteral(" >= "), QStringLiteral(" <  "), QStringLiteral(" <= ")})
        captions << title + separator + shownText;
    return captions;
}

namespace {

// The value in the condition. Decimals go with a decimal point whatever the workstation's
// region, since the server would read "14,5" as 14.
QString conditionValue(const FilterCell &cell)
{
    const QDateTime dayZero(QDate(1899, 12, 30), QTime(0, 0));
    switch (cell.kind) {
    case db::ColumnKind::Int32: return QString::number(cell.rawValue.toLongLong());
    case db::ColumnKind::Date:
        return cell.rawValue.isEmpty() ? dayZero.toString(u"yyyy-MM-dd") : cell.rawValue.left(10);
    case db::ColumnKind::DateTime:
        return cell.rawValue.isEmpty() ? sql::dateTimeText(dayZero) : cell.rawValue.left(19);
    case db::ColumnKind::Decimal:
        return cell.rawValue.isEmpty() ? QString() : sql::number(cell.rawValue.toDouble());
    default: return cell.shownText;
    }
}

} // namespace

void addFilterStep(QString &clause, QString &text, const FilterCell &cell, const QString &op)
{
    const QString value = conditionValue(cell);
    const bool bare = cell.kind == db::ColumnKind::Int32;
    const QString condition = cell.fieldName + op + (bare ? value : sql::text(value));
    // what the user reads: the first step as the grid shows it, later dates as yyyy-mm-dd
    const bool shownForm = clause.isEmpty() || cell.kind == db::ColumnKind::Decimal;
    const QString readable = bare ? value : (shownForm ? cell.shownText : value);
    if (clause.isEmpty()) {
        clause = QStringLiteral("where ") + condition;
        text = cell.title + op + readable;
    } else {
        clause += QStringLiteral(" AND ") + condition;
        text += QStringLiteral(", ") + cell.title + op + readable;
    }
}

} // namespace tickets
