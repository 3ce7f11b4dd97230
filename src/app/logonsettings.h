#pragma once

#include <QString>

namespace app {

// Section "LogON" of the shared settings file "..\kavrid05.ini". The program only reads it.
struct LogonSettings {
    QString host = QStringLiteral("localhost");
    QString user = QStringLiteral("root");
    QString password;
    QString database = QStringLiteral("kavrid");
    QString sqlPort = QStringLiteral("3306");
    QString openPort;
    QString stationNo = QStringLiteral("00");
};

// A missing file or key keeps the default.
LogonSettings readLogonSettings(const QString &path);

// A port text as a whole number; anything else is a conversion error naming the text.
unsigned int portNumber(const QString &text);

} // namespace app
