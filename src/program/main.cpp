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
    if (!alone) {
        // The running instance has come forward; this one has connected and written its
        // login row, and ends now without touching the running one's stored values.
        QTimer::singleShot(0, &application, &QApplication::quit);
    }
    return application.exec();
}
