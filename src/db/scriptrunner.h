#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace db {

class Connection;

// Runs a script of statements on the connection. The script is split at every ';' outside
// quoted text ('…', "…", `…`) and run statement by statement; the first statement the server
// rejects ends the run with its error. When that happens inside a transaction the script opened
// ("BEGIN;" … "commit;"), a ROLLBACK is sent first, so a later "BEGIN;" cannot commit half a
// script.
class ScriptRunner {
public:
    static QList<QByteArray> split(const QByteArray &script);

    void clear() { m_script.clear(); }
    void addLine(const QString &line);
    void setText(const QByteArray &encodedScript) { m_script = encodedScript; }
    void loadFromFile(const QString &path);
    void saveToFile(const QString &path) const;
    const QByteArray &text() const { return m_script; } // cp1250

    void run(Connection &connection) const;

private:
    QByteArray m_script;
};

} // namespace db
