#include "ticketimport.h"

#include "db/connection.h"
#include "db/cp1250.h"
#include "db/error.h"
#include "db/scriptrunner.h"
#include "db/sqlliteral.h"
#include "tickets/worktable.h"
#include "weighbridgereader.h"

#include <QDir>
#include <QFile>

namespace import {

namespace {

const QString errorTitle = QStringLiteral("Chyba");

bool reconnect(db::Connection &connection, const ImportSettings &settings, ImportDialogue &dialogue)
{
    connection.close();
    for (int attempt = 0; attempt < settings.connectAttempts; ++attempt) {
        try {
            connection.open();
            if (connection.isOpen())
                return true;
        } catch (const vk::Error &) {
            // the next attempt may find the server back
        }
        dialogue.wait(settings.retryWaitMilliseconds);
    }
    return false;
}

// Nobody is at an unattended workstation to use the connection afterwards: it is closed when
// the import ends, whether it took the ticket over or failed.
class ClosedAfterwards {
public:
    ClosedAfterwards(db::Connection &connection, bool active)
        : m_connection(connection)
        , m_active(active)
    {
    }
    ~ClosedAfterwards()
    {
        if (m_active)
            m_connection.close();
    }
    ClosedAfterwards(const ClosedAfterwards &) = delete;
    ClosedAfterwards &operator=(const ClosedAfterwards &) = delete;

private:
    db::Connection &m_connection;
    bool m_active;
};

QString inWorkingDir(const ImportSettings &settings, const QString &name)
{
    return settings.workingDir.isEmpty() ? name : QDir(settings.workingDir).filePath(name);
}

} // namespace

QStringList firstScriptHead(const QString &stationNo)
{
    return {QStringLiteral("BEGIN;"), QStringLiteral("INSERT into ") +
                                          tickets::workTableName(stationNo) +
                                          QStringLiteral(" SET DATUM=NOW()")};
}

QString duplicateQuery(const QString &number, int year)
{
    return QStringLiteral("select * from vazlab\n where cislodokla=") + sql::text(number) +
           QStringLiteral("\n and year(datum)=") + QString::number(year);
}

QStringList secondScript(const QString &stationNo, const QString &number, int year)
{
    return {QStringLiteral("BEGIN;"), QStringLiteral("DELETE from vazlab"),
            QStringLiteral(" where cislodokla=") + sql::text(number) +
                QStringLiteral(" and year(datum)=") + QString::number(year) + u';',
            QStringLiteral("insert into vazlab select * from ") +
                tickets::workTableName(stationNo) + u';',
            QStringLiteral("commit;")};
}

ImportOutcome importTicket(db::Connection &connection, db::ScriptRunner &runner,
                           const ImportSettings &settings, ImportMode mode,
                           ImportDialogue &dialogue)
{
    const bool manual = mode == ImportMode::Manual;
    if (manual && !QFile::exists(settings.filePath)) {
        dialogue.notify({errorTitle, QStringLiteral("Chyba při přenosu. Opakujte příjem."),
                         Notice::Icon::Stop});
        return ImportOutcome::MissingFile;
    }
    const ClosedAfterwards unattended(connection, !manual);
    if (!reconnect(connection, settings, dialogue)) {
        dialogue.notify(
            {errorTitle, QStringLiteral("Chyba SQL. Opakujte příjem."), Notice::Icon::Stop});
        return ImportOutcome::NoConnection;
    }
    tickets::recreateWorkTable(connection, settings.stationNo);

    QStringList lines = firstScriptHead(settings.stationNo);
    readTicketFile(settings.filePath, lines, settings.locale);
    lines << QStringLiteral(";") << QStringLiteral("commit;");
    runner.setText(cp1250::encode(lines.join(u'\n') + u'\n'));
    const QString firstPath = inWorkingDir(settings, QStringLiteral("apre.txt"));
    runner.saveToFile(firstPath);
    runner.loadFromFile(firstPath);
    runner.run(connection);

    const db::ResultSet key = connection.query(QStringLiteral("select cislodokla,datum from ") +
                                               tickets::workTableName(settings.stationNo));
    if (key.rowCount() == 0)
        throw vk::Error(QStringLiteral("The work table holds no ticket"));
    const QString number = key.text(0, 0);
    const int year = key.toDate(0, 1).year();

    if (manual && connection.query(duplicateQuery(number, year)).rowCount() > 0) {
        const Notice question{QStringLiteral("Tento vážní list již existuje."),
                              QStringLiteral("Načíst vážní list ") + number +
                                  QStringLiteral(" znovu?"),
                              Notice::Icon::Help};
        if (!dialogue.confirmReplace(question))
            return ImportOutcome::Declined;
    }

    runner.clear();
    for (const QString &line : secondScript(settings.stationNo, number, year))
        runner.addLine(line);
    runner.saveToFile(inWorkingDir(settings, QStringLiteral("apo.txt")));
    runner.run(connection);

    if (manual)
        dialogue.notify({QStringLiteral("Soubor přenesen."), QStringLiteral("Vážní list přenesen."),
                         Notice::Icon::Information});
    return ImportOutcome::Imported;
}

} // namespace import
