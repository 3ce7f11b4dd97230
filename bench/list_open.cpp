// Opens the ticket list as the main window does and reports, as one line of JSON: the time from
// the list rebuild to the grid painted, the bytes the server sent for it, and the process's
// resident memory before and at its peak.
//   vk_bench_list PORT DATABASE [ORDER]
#include "app/mainstate.h"
#include "benchconnection.h"
#include "ui/ticketgrid.h"
#include "ui/ticketlist.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

qint64 bytesSent(db::Connection &connection)
{
    return connection.query(QStringLiteral("show session status like 'Bytes_sent'"))
        .toInteger(0, 1);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: vk_bench_list PORT DATABASE [ORDER]\n");
        return 2;
    }
    db::Connection connection;
    connection.setSettings(benchSettings(argv[1], argv[2]));

    app::MainState state;
    state.typeIndex = 2; // every document: the statement reads the whole table
    state.orderClause = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    QTemporaryDir working;
    QLabel caption;
    ui::TicketGrid grid;
    grid.resize(1362, 250);
    grid.show();
    ui::TicketList list(connection, state, {working.path(), working.path()}, &grid, &caption);

    const qint64 sentBefore = bytesSent(connection);
    const long memoryBefore = peakKilobytes();
    QElapsedTimer timer;
    timer.start();
    list.rebuild();
    grid.viewport()->repaint();
    const qint64 elapsed = timer.nsecsElapsed() / 1000;
    const qint64 sent = bytesSent(connection) - sentBefore;
    std::printf("{\"rows\": %d, \"microseconds\": %lld, \"bytes_sent\": %lld, "
                "\"rss_before_kb\": %ld, \"rss_peak_kb\": %ld}\n",
                list.model().rowCount(), static_cast<long long>(elapsed),
                static_cast<long long>(sent), memoryBefore, peakKilobytes());
    return 0;
}
