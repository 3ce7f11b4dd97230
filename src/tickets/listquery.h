#pragma once

#include <QString>

namespace tickets {

// What the ticket list shows: the table, the filter, the document type, the year and the order.
struct ListInputs {
    bool archive = false;
    QString filterClause;
    int typeIndex = 0; // 0 receipts ("01"), 1 issues ("04"), 2 every document
    QString yearText;  // empty or "Vše": every year
    QString orderClause;
};

QString ticketTable(bool archive);
// The list statement, one line per part, joined by line breaks.
QString listStatement(const ListInputs &inputs);

} // namespace tickets
