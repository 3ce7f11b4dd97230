#include "recordsearch.h"

#include "fieldtext.h"

namespace tickets {

QList<int> searchableFields(const db::ResultSet &rows)
{
    QList<int> fields;
    for (int i = 0; i < rows.columnCount(); ++i) {
        if (rows.columns()[i].kind != db::ColumnKind::LargeObject)
            fields << i;
    }
    return fields;
}

QStringList columnTexts(const db::ResultSet &rows, int field, const QLocale &locale)
{
    QStringList texts;
    texts.reserve(rows.rowCount());
    for (int row = 0; row < rows.rowCount(); ++row)
        texts << fieldText(rows, row, field, locale);
    return texts;
}

int findRow(const QStringList &texts, const QString &text)
{
    for (int i = 0; i < texts.size(); ++i) {
        if (texts[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QList<int> entriesContaining(const QStringList &texts, const QString &part)
{
    QList<int> kept;
    for (int i = 0; i < texts.size(); ++i) {
        if (texts[i].contains(part, Qt::CaseInsensitive))
            kept << i;
    }
    return kept;
}

int entryFollowing(const QStringList &texts, const QString &typed)
{
    for (int i = 0; i < texts.size(); ++i) {
        if (texts[i].startsWith(typed, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

bool acceptsCharacter(db::ColumnKind kind, QChar c, const QLocale &locale)
{
    if (!c.isPrint())
        return true;
    switch (kind) {
    case db::ColumnKind::Int32:
    case db::ColumnKind::Integer: return c.isDigit() || c == u'-' || c == u'+';
    case db::ColumnKind::Decimal:
        return c.isDigit() || c == u'-' || c == u'+' || c == locale.decimalPoint().at(0) ||
               c == u'e' || c == u'E';
    case db::ColumnKind::Date:
    case db::ColumnKind::DateTime:
    case db::ColumnKind::Time:
        return c.isDigit() || c == u'.' || c == u'-' || c == u'/' || c == u':' || c == u' ';
    default: return true;
    }
}

} // namespace tickets
