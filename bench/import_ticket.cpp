// Imports one weighbridge file again and again in the unattended mode and reports, as one line
// of JSON, the median and spread of the time from file to committed row.
//   vk_bench_import PORT DATABASE FILE [COUNT]
#include "benchconnection.h"
#include "db/scriptrunner.h"
#include "import/ticketimport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class Unattended : public import::ImportDialogue {
public:
    void notify(const import::Notice &) override {}
    bool confirmReplace(const import::Notice &) override { return true; }
    void wait(int) override {}
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: vk_bench_import PORT DATABASE FILE [COUNT]\n");
        return 2;
    }
    db::Connection connection;
    connection.setSettings(benchSettings(argv[1], argv[2]));

    QTemporaryDir working;
    import::ImportSettings importSettings;
    importSettings.filePath = QString::fromLocal8Bit(argv[3]);
    importSettings.workingDir = working.path();
    importSettings.stationNo = QStringLiteral("99");
    importSettings.locale = QLocale(QLocale::Czech, QLocale::CzechRepublic);
    const int count = argc > 4 ? std::atoi(argv[4]) : 200;

    Unattended dialogue;
    db::ScriptRunner runner;
    std::vector<double> milliseconds;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer timer;
        timer.start();
        import::importTicket(connection, runner, importSettings, import::ImportMode::Automatic,
                             dialogue);
        milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("{\"imports\": %d, \"median_ms\": %.2f, \"p10_ms\": %.2f, \"p90_ms\": %.2f}\n",
                count, milliseconds[milliseconds.size() / 2],
                milliseconds[milliseconds.size() / 10], milliseconds[milliseconds.size() * 9 / 10]);
    return 0;
}
