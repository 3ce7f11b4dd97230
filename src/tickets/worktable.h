#pragma once

#include <QStringList>

namespace db {
class Connection;
}

namespace tickets {

QString workTableName(const QString &stationNo);
// The two statements that make the workstation's work table anew as an empty copy of vazlab's
// columns (no keys, `id` defaulting to 0). Sent one after the other.
QStringList workTableStatements(const QString &stationNo);
void recreateWorkTable(db::Connection &connection, const QString &stationNo);

} // namespace tickets
