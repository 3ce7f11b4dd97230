#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace app {

// Connects the program's connection, trying openPort first when it is given. A connection made
// on openPort is used as it is (no set-up statements, no history row), and later reconnects use
// sqlPort. A connection made on sqlPort gets the two set-up statements and one login-history
// row. Returns true only then. Failing connects are not errors; a port that is not a number,
// a rejected set-up statement or history insert throw.
bool connectDatabase(db::Connection &connection, const QString &sqlPort, const QString &openPort,
                     const QString &pc, const QString &stredisko, const QString &modul);

} // namespace app
