#pragma once

#include <QDateTime>
#include <QLocale>
#include <optional>

namespace import {

// Reads a date and time as the workstation writes them: the locale's order of day, month and
// year and its date separator, one or two digits for day and month, two or four for the year,
// then optionally the time as H:mm with optional seconds. Two-digit years fall within fifty
// years of today.
std::optional<QDateTime> readRegionalDateTime(const QString &text,
                                              const QLocale &locale = QLocale());

} // namespace import
