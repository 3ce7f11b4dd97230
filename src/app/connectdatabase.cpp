#include "connectdatabase.h"

#include "db/connection.h"
#include "db/error.h"
#include "db/sqlliteral.h"
#include "loginhistory.h"
#include "logonsettings.h"
#include "platforminfo.h"

namespace app {

namespace {

bool tryOpen(db::Connection &connection)
{
    try {
        connection.open();
    } catch (const vk::Error &) {
        return false;
    }
    return connection.isOpen();
}

} // namespace

bool connectDatabase(db::Connection &connection, const QString &sqlPort, const QString &openPort,
                     const QString &pc, const QString &stredisko, const QString &modul)
{
    if (!openPort.isEmpty()) {
        connection.setPort(portNumber(openPort));
        if (tryOpen(connection)) {
            connection.setPort(portNumber(sqlPort));
            return false;
        }
    }
    connection.setPort(portNumber(sqlPort));
    if (!tryOpen(connection))
        return false;

    LoginRecord record;
    record.modul = modul;
    record.pc = pc;
    record.stredisko = stredisko;
    record.ipadr = platform::localIPAddress();
    record.computeruser = platform::userName();
    record.computername = platform::computerName();

    connection.exec(QStringLiteral("set @@session.sql_mode=\"\""));
    connection.exec(QStringLiteral("SET names cp1250;"));

    const QString program = platform::programFilePath();
    record.mdatumcas = sql::dateTimeText(platform::fileDateTime(program));
    record.mverze = platform::exeVersionText();
    record.datumcas = sql::dateTimeText(QDateTime::currentDateTime());
    connection.exec(historyInsertStatement(record));
    // Unattended runs work with auto-commit off; the login row must not vanish with the
    // connection that "do lišty" closes.
    if (!connection.autoCommit())
        connection.exec(QStringLiteral("commit"));
    return true;
}

} // namespace app
