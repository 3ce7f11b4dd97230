#include "app/apppaths.h"
#include "app/mainstate.h"
#include "app/platforminfo.h"
#include "app/startup.h"
#include "app/storedvalues.h"
#include "consoledialogue.h"
#include "db/connection.h"
#include "db/error.h"
#include "db/scriptrunner.h"
#include "import/importwatch.h"
#include "import/ticketimport.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <QTimer>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int usage()
{
    err() << "usage: vovuvakor-cli --version | check-connection | import [FILE] | watch [FILE]\n";
    return 2;
}

app::AppPaths paths()
{
    return {QCoreApplication::applicationDirPath(), QDir::currentPath()};
}

// Connects as the program does at start: the settings file one folder above the working
// directory, the login-history row written.
void connectAsProgram(app::MainState &state, db::Connection &connection)
{
    app::startDatabase(state, connection, paths());
    if (!connection.isOpen())
        connection.open(); // says why the connection cannot be made
}

int checkConnection()
{
    app::MainState state;
    db::Connection connection;
    connectAsProgram(state, connection);
    const auto &settings = connection.settings();
    out() << "connected to " << settings.host << ':' << settings.port << '/' << settings.database
          << " as workstation " << state.stationNo << '\n';
    return 0;
}

import::ImportSettings importSettings(const app::MainState &state,
                                      const QStringList &arguments){import::ImportSettings settings;
settings.filePath =
    arguments.value(1, app::StoredValues::load(paths().programIni()).openDialogFileName);
settings.stationNo = state.stationNo;
settings.workingDir = QDir::currentPath();
return settings;
} // namespace

// The same import as the unattended window: no questions, connection closed at the end.
int importOnce(const QStringList &arguments)
{
    app::MainState state;
    db::Connection connection;
    connectAsProgram(state, connection);
    const import::ImportSettings settings = importSettings(state, arguments);
    if (!QFile::exists(settings.filePath))
        throw vk::Error(QStringLiteral("Chyba při přenosu. Opakujte příjem.") + u' ' +
                        settings.filePath);
    ConsoleDialogue dialogue;
    db::ScriptRunner runner;
    if (import::importTicket(connection, runner, settings, import::ImportMode::Automatic,
                             dialogue) != import::ImportOutcome::Imported)
        throw vk::Error(dialogue.lastNotice());
    out() << "imported " << settings.filePath << '\n';
    return 0;
}

// The periodic check of the unattended mode without a window, for a weighbridge computer that
// runs the import as a service. Runs until stopped.
int watch(const QStringList &arguments)
{
    app::MainState state;
    db::Connection connection;
    connectAsProgram(state, connection);
    connection.close();
    const import::ImportSettings settings = importSettings(state, arguments);
    ConsoleDialogue dialogue;

    import::ImportWatch::Hooks hooks;
    hooks.mayImport = [] { return true; };
    hooks.filePath = [&] { return settings.filePath; };
    hooks.runImport = [&] {
        db::ScriptRunner runner;
        const auto outcome = import::importTicket(connection, runner, settings,
                                                  import::ImportMode::Automatic, dialogue);
        if (outcome == import::ImportOutcome::Imported)
            out() << QDateTime::currentDateTime().toString(Qt::ISODate) << " imported "
                  << settings.filePath << Qt::endl;
        else
            err() << dialogue.lastNotice() << Qt::endl;
        return outcome;
    };
    hooks.reportFailure = [](const QString &failure) { err() << failure << Qt::endl; };
    import::ImportWatch watcher(paths().programIni(), hooks);

    QTimer timer;
    timer.setInterval(5000);
    QObject::connect(&timer, &QTimer::timeout, [&] { watcher.tick(timer); });
    timer.start();
    out() << "watching " << settings.filePath << Qt::endl;
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vovuvaKOR"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return usage();
    try {
        const QString command = arguments.first();
        if (command == QStringLiteral("--version")) {
            out() << "vovuvakor-cli " << platform::exeVersionText() << '\n';
            return 0;
        }
        if (command == QStringLiteral("check-connection"))
            return checkConnection();
        if (command == QStringLiteral("import"))
            return importOnce(arguments);
        if (command == QStringLiteral("watch"))
            return watch(arguments);
        return usage();
    } catch (const vk::Error &error) {
        err() << error.message() << '\n';
        return 1;
    }
}
