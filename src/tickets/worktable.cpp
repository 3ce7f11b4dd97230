#include "worktable.h"

#include "db/connection.h"

namespace tickets {

QString workTableName(const QString &stationNo)
{
    return QStringLiteral("tmp") + stationNo + QStringLiteral("vala");
}

QStringList workTableStatements(const QString &stationNo)
{
    const QString table = workTableName(stationNo);
    return {QStringLiteral("DROP TABLE IF EXISTS ") + table,
            QStringLiteral("CREATE TABLE ") + table +
                QStringLiteral(" COLLATE cp1250_general_ci ENGINE=MyISAM\n"
                               " select * from vazlab limit 0,0")};
}

void recreateWorkTable(db::Connection &connection, const QString &stationNo)
{
    for (const QString &statement : workTableStatements(stationNo))
        connection.exec(statement);
}

} // namespace tickets
