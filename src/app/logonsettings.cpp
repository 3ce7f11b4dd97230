#include "logonsettings.h"

#include "db/error.h"
#include "inifile.h"

namespace app {

LogonSettings readLogonSettings(const QString &path)
{
    IniFile file(path);
    file.load();
    const QString section = QStringLiteral("LogON");
    LogonSettings settings;
    settings.host = file.value(section, QStringLiteral("IP"), settings.host);
    settings.user = file.value(section, QStringLiteral("User"), settings.user);
    settings.password = file.value(section, QStringLiteral("Password"), settings.password);
    settings.database = file.value(section, QStringLiteral("Database"), settings.database);
    settings.sqlPort = file.value(section, QStringLiteral("SQLport"), settings.sqlPort);
    settings.openPort = file.value(section, QStringLiteral("OPENport"), settings.openPort);
    settings.stationNo = file.value(section, QStringLiteral("CisloPC"), settings.stationNo);
    return settings;
}

unsigned int portNumber(const QString &text)
{
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    if (!ok || port < 0 || port > 65535)
        throw vk::Error(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return unsigned(port);
}

} // namespace app
