#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

// How the workstation writes numbers, dates and times, as the office's other programs show
// them: the locale's short date with a four-digit year, the time as H:mm:ss, numbers in their
// shortest form without grouping.
namespace regional {

QString shortDateFormat(const QLocale &locale = QLocale());
QString formatDate(const QDate &date, const QLocale &locale = QLocale());
QString formatDateTime(const QDateTime &value, const QLocale &locale = QLocale());
QString formatTime(const QTime &time);
QString formatNumber(double value, const QLocale &locale = QLocale());

} // namespace regional
