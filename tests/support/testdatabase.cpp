#include "testdatabase.h"

#include "db/cp1250.h"
#include "db/scriptrunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

db::ConnectionSettings serverSettings(const QString &database)
{
    db::ConnectionSettings settings;
    settings.host = QStringLiteral("127.0.0.1");
    settings.port = TestDatabase::serverPort();
    settings.user = QStringLiteral("root");
    settings.database = database;
    return settings;
}

} // namespace

QString sourcePath(const QString &relative)
{
    return QStringLiteral(VK_SOURCE_DIR "/") + relative;
}

unsigned int TestDatabase::serverPort()
{
    const QString port = qEnvironmentVariable("VK_DB_PORT");
    if (port.isEmpty()) {
        ADD_FAILURE() << "VK_DB_PORT is not set: run the tests through scripts/test";
        return 1;
    }
    return port.toUInt();
}

TestDatabase::TestDatabase()
    : m_name(QStringLiteral("vk_test_%1").arg(QCoreApplication::applicationPid()))
{
    db::Connection server;
    server.setSettings(serverSettings(QString()));
    server.exec(QStringLiteral("DROP DATABASE IF EXISTS ") + m_name);
    server.exec(QStringLiteral("CREATE DATABASE ") + m_name +
                QStringLiteral(" CHARACTER SET cp1250 COLLATE cp1250_general_ci"));
    m_connection.setSettings(settings());

    QFile schema(sourcePath(QStringLiteral("db/schema.sql")));
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error("db/schema.sql not found");
    db::ScriptRunner runner;
    runner.setText(schema.readAll());
    runner.run(m_connection);
}

TestDatabase::~TestDatabase()
{
    try {
        m_connection.exec(QStringLiteral("DROP DATABASE IF EXISTS ") + m_name);
    } catch (...) {
        // a test that broke the connection leaves the database for the next run to drop
    }
}

db::ConnectionSettings TestDatabase::settings() const
{
    return serverSettings(m_name);
}

QString TestDatabase::scalar(const QString &query)
{
    const db::ResultSet rows = m_connection.query(query);
    return rows.rowCount() > 0 ? rows.text(0, 0) : QString();
}

int TestDatabase::count(const QString &table)
{
    return scalar(QStringLiteral("select count(*) from ") + table).toInt();
}

TestSite::TestSite()
{
    QDir(root()).mkpath(QStringLiteral("work"));
    QDir(root()).mkpath(QStringLiteral("program"));
}

void TestSite::writeLogon(const QString &lines) const
{
    QFile file(root() + QStringLiteral("/kavrid05.ini"));
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write kavrid05.ini");
    file.write(cp1250::encode(QStringLiteral("[LogON]\r\n") + lines));
}

void TestSite::writeLogonFor(const TestDatabase &database, const QString &extraLines) const
{
    const auto settings = database.settings();
    // the first of two equal keys counts, so the extra lines override
    writeLogon(extraLines + QStringLiteral("IP=%1\r\nDatabase=%2\r\nSQLport=%3\r\n")
                                .arg(settings.host, settings.database)
                                .arg(settings.port));
}
