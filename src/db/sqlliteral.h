#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Literal values for statement text. No statement parameters are used anywhere: every value
// reaches the server through one of these.
namespace sql {

// Single quotes doubled and backslashes escaped: the connection runs with an empty sql_mode,
// where a backslash escapes the next character, so a value ending in one would otherwise
// leave the literal open.
QString text(const QString &value);
// Shortest general form with at most 15 significant digits and a decimal point, never grouped.
QString number(double value);
QString date(const QDate &value);
QString dateTime(const QDateTime &value);
QString dateTimeText(const QDateTime &value); // unquoted 'yyyy-mm-dd hh:nn:ss' text

} // namespace sql
