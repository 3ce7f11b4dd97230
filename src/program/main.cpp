#include "ui/mainwindow.h"
#include "ui/singleinstance.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vovuvaKOR"));

    ui::SingleInstance instance(QApplication::applicationName().toUpper());
    const bool alone = instance.claim();

    ui::MainWindow window({QApplication::applicationDirPath(), QDir::currentPath()},
                          QApplication::arguments());
    QObject::connect(&instance, &ui::SingleInstance::activationRequested, &window,
                     &ui::MainWindow::bringToFront);
    window.start();
    window.show();
    // Lets a run without a display show what the window looks like.
    if (const QString shot = qEnvironmentVariable("VOVUVAKOR_SCREENSHOT"); !shot.isEmpty())
        QTimer::singleShot(1500, &window, [&window, shot] { window.grab().save(shot); });
    if (!alone) {
        // The running instance has come forward; this one has connected and written its
        // login row, and ends now without touching the running one's stored values.
        QTimer::singleShot(0, &application, &QApplication::quit);
    }
    return application.exec();
}
