#pragma once

#include "db/connection.h"
#include "printers.h"

#include <QString>
#include <QTemporaryDir>

// A database of its own for one test, made from db/schema.sql on the private test server
// (scripts/test starts it and exports VK_DB_PORT) and dropped again afterwards.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();

    static unsigned int serverPort();
    const QString &name() const { return m_name; }
    db::ConnectionSettings settings() const;
    // A connection of the test's own, for arranging and checking rows.
    db::Connection &connection() { return m_connection; }
    QString scalar(const QString &query);
    int count(const QString &table);

private:
    QString m_name;
    db::Connection m_connection;
};

// A site folder: "work" is the working directory, "kavrid05.ini" sits above it, "program" holds
// the program's own settings.
class TestSite {
public:
    TestSite();

    QString root() const { return m_dir.path(); }
    QString workingDir() const { return m_dir.path() + QStringLiteral("/work"); }
    QString programDir() const { return m_dir.path() + QStringLiteral("/program"); }
    // Writes section LogON of "../kavrid05.ini" (cp1250); keys given as "Key=Value" lines.
    // writeLogonFor points it at the test database; extra lines come first and so win.
    void writeLogon(const QString &lines) const;
    void writeLogonFor(const TestDatabase &database, const QString &extraLines = QString()) const;

private:
    QTemporaryDir m_dir;
};

// Where the tests find the project's source files.
QString sourcePath(const QString &relative);
