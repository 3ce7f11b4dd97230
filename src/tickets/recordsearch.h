#pragma once

#include "db/resultset.h"

#include <QList>
#include <QLocale>
#include <QStringList>

// The matching behind the record search dialog.
namespace tickets {

// Columns that can be searched: all but large objects, in query order.
QList<int> searchableFields(const db::ResultSet &rows);
// Every row's shown text in one column, in list order.
QStringList columnTexts(const db::ResultSet &rows, int field, const QLocale &locale = QLocale());
// First row whose whole shown value equals the text, ignoring case; -1 when none.
int findRow(const QStringList &texts, const QString &text);
// Positions of the entries that contain the part anywhere, ignoring case (all for an empty one).
QList<int> entriesContaining(const QStringList &texts, const QString &part);
// First entry, in order, that begins with the typed text, ignoring case; -1 when none.
int entryFollowing(const QStringList &texts, const QString &typed);
// Whether a typed character can stand in a value of the column's kind.
bool acceptsCharacter(db::ColumnKind kind, QChar character, const QLocale &locale = QLocale());

} // namespace tickets
