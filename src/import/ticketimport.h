#pragma once

#include <QLocale>
#include <QString>

namespace db {
class Connection;
class ScriptRunner;
} // namespace db

namespace import {

enum class ImportMode { Manual, Automatic };

enum class ImportOutcome { Imported, MissingFile, NoConnection, Declined };

// What the import says to the user, as the main window's message box shows it.
struct Notice {
    enum class Icon { Stop, Information, Help };
    QString title;
    QString text;
    Icon icon = Icon::Information;
};

// The import's side of the conversation; the window shows boxes, the command line prints.
class ImportDialogue {
public:
    virtual ~ImportDialogue() = default;
    virtual void notify(const Notice &notice) = 0;
    // "Načíst" (true) or "Zpět" (false) for a ticket that exists already.
    virtual bool confirmReplace(const Notice &question) = 0;
    // Waits between connection attempts; a window keeps handling its events meanwhile.
    virtual void wait(int milliseconds) = 0;
};

struct ImportSettings {
    QString filePath;
    QString stationNo = QStringLiteral("00");
    QString workingDir; // where "apre.txt" and "apo.txt" are written
    int connectAttempts = 11;
    int retryWaitMilliseconds = 3000;
    QLocale locale;
};

// Takes the ticket in the weighbridge file over into vazlab through the workstation's work
// table, replacing a ticket of the same number and year (in manual mode after asking).
// Failures of reading or of statements throw; the replacement of an old ticket is one
// transaction, so a failure leaves the old row in place. The automatic mode leaves the
// connection closed, also after a failure.
ImportOutcome importTicket(db::Connection &connection, db::ScriptRunner &runner,
                           const ImportSettings &settings, ImportMode mode,
                           ImportDialogue &dialogue);

// The statements as they are sent, for the script files and the tests.
QStringList firstScriptHead(const QString &stationNo);
QString duplicateQuery(const QString &number, int year);
QStringList secondScript(const QString &stationNo, const QString &number, int year);

} // namespace import
