#pragma once

#include "db/resultset.h"

#include <QLocale>
#include <QString>

namespace tickets {

// The grid's current cell, as one filter step needs it.
struct FilterCell {
    QString fieldName; // the query column
    QString title;     // the grid column's title
    db::ColumnKind kind = db::ColumnKind::Text;
    QString rawValue;  // as the server sent it; empty for NULL
    QString shownText; // as the grid shows it
};

FilterCell filterCell(const db::ResultSet &rows, int row, int field, const QString &title,
                      const QLocale &locale = QLocale());

// The six comparisons, in menu order.
QStringList filterOperators(); // " = ", " <> ", …
// Captions of the "FILTR" sub-items for a cell: title, comparison, value.
QStringList filterCaptions(const QString &title, const QString &shownText);

// Adds one comparison of the cell to the clause and to its readable form.
void addFilterStep(QString &clause, QString &text, const FilterCell &cell, const QString &op);

} // namespace tickets
