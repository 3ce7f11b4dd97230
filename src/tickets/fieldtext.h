#pragma once

#include "db/resultset.h"

#include <QLocale>

namespace tickets {

// A field as the grid shows it: numbers in the regional form without grouping, dates in the
// regional short form, NULL as an empty text.
QString fieldText(const db::ResultSet &rows, int row, int column,
                  const QLocale &locale = QLocale());

bool isNumberKind(db::ColumnKind kind);

} // namespace tickets
