#pragma once

#include "apppaths.h"
#include "mainstate.h"

#include <QStringList>

namespace db {
class Connection;
}

namespace app {

// "/M" as the first argument, in any letter case, starts the unattended mode.
bool isUnattendedStart(const QStringList &arguments);

// The database part of the main window's start-up: module code, connection settings from the
// shared settings file, the connection with its login-history row. Throws where the user has
// to be told (a port that is not a number, a rejected set-up statement).
void startDatabase(MainState &state, db::Connection &connection, const AppPaths &paths);

} // namespace app
