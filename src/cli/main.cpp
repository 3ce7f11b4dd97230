#include "app/apppaths.h"
#include "app/mainstate.h"
#include "app/platforminfo.h"
#include "app/startup.h"
#include "db/connection.h"
#include "db/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

int usage(QTextStream &err)
{
    err << "usage: vovuvakor-cli --version | check-connection\n";
    return 2;
}

// Connects as the program does at start, with the settings file one folder above the working
// directory, and says where it got to.
int checkConnection(QTextStream &out)
{
    app::MainState state;
    db::Connection connection;
    app::startDatabase(state, connection,
                       {QCoreApplication::applicationDirPath(), QDir::currentPath()});
    if (!connection.isOpen()) {
        connection.open(); // reports why the connection cannot be made
    }
    const auto &settings = connection.settings();
    out << "connected to " << settings.host << ':' << settings.port << '/' << settings.database
        << " as workstation " << state.stationNo << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vovuvaKOR"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return usage(err);
    try {
        const QString command = arguments.first();
        if (command == QStringLiteral("--version")) {
            out << "vovuvakor-cli " << platform::exeVersionText() << '\n';
            return 0;
        }
        if (command == QStringLiteral("check-connection"))
            return checkConnection(out);
        return usage(err);
    } catch (const vk::Error &error) {
        err << error.message() << '\n';
        return 1;
    }
}
