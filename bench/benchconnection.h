#pragma once

#include "db/connection.h"

#include <QString>

// The benchmarks' connection: root over TCP to the private server's port, one database.
inline db::ConnectionSettings benchSettings(const char *port, const char *database)
{
    db::ConnectionSettings settings;
    settings.host = QStringLiteral("127.0.0.1");
    settings.port = QString::fromLocal8Bit(port).toUInt();
    settings.database = QString::fromLocal8Bit(database);
    return settings;
}
