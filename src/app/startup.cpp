#include "startup.h"

#include "connectdatabase.h"
#include "db/connection.h"
#include "logonsettings.h"

namespace app {

bool isUnattendedStart(const QStringList &arguments)
{
    return arguments.size() > 1 && arguments.at(1).toUpper() == QStringLiteral("/M");
}

void startDatabase(MainState &state, db::Connection &connection, const AppPaths &paths)
{
    state.moduleCode = QStringLiteral("vlkor");
    connection.close();
    if (state.unattended)
        connection.setAutoCommit(false);

    const LogonSettings logon = readLogonSettings(paths.logonIni());
    state.stationNo = logon.stationNo;
    db::ConnectionSettings settings = connection.settings();
    settings.host = logon.host;
    settings.user = logon.user;
    settings.password = logon.password;
    settings.database = logon.database;
    connection.setSettings(settings);

    connectDatabase(connection, logon.sqlPort, logon.openPort, state.stationNo, QString(),
                    QStringLiteral("Vážní list KOR"));
}

} // namespace app
