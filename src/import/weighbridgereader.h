#pragma once

#include <QLocale>
#include <QStringList>

namespace import {

// Reads a weighbridge ticket file and appends, for every element it knows, the assignment
// lines of the ticket's columns (",CISLODOKLA = '815'" and so on) in the order the elements
// end. Elements are known by their exact name at any depth; others give nothing. A file that
// cannot be read or is not well-formed, or a date and time that cannot be read, throws; what was
// appended so far stays.
void readTicketFile(const QString &path, QStringList &fragments, const QLocale &locale = QLocale());

// The lines for one element and its value (none for an unknown element).
QStringList fragmentsFor(const QString &element, const QString &value,
                         const QLocale &locale = QLocale());

} // namespace import
