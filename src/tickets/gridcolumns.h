#pragma once

#include <QList>
#include <QString>
#include <Qt>

namespace tickets {

// One column of the ticket grid: which query column it shows and how.
struct GridColumn {
    QString fieldName;
    QString title;                    // empty: the column's name as the server reports it
    int width = -1;                   // pixels; -1: from the column's display size
    Qt::Alignment cellAlignment = {}; // none given: right for numbers, left otherwise
    Qt::Alignment titleAlignment = Qt::AlignLeft;
    bool visible = true;

    bool operator==(const GridColumn &) const = default;
};

// The grid's columns when no saved layout exists.
QList<GridColumn> designColumns();

// The column layout file: a header line, then one line per column in display order with
// name, title, title alignment, cell alignment, width and visibility separated by tabs
// (alignments as Qt's flag values, 0 for the default). UTF-8.
void saveLayout(const QString &path, const QList<GridColumn> &columns);
QList<GridColumn> loadLayout(const QString &path); // throws when unreadable or damaged

} // namespace tickets
