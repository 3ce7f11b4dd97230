#pragma once

#include "import/importwatch.h"
#include "import/ticketimport.h"

#include <QObject>

class QTimer;

namespace ui {

class MainWindow;

// The main window's ticket import: the button "Načíst vážní list", "Servis" → "Nastavení" and
// the periodic check of the unattended mode.
class ImportCommands : public QObject {
    Q_OBJECT
public:
    explicit ImportCommands(MainWindow &window);

    // Milliseconds between connection attempts (shortened by the tests).
    void setRetryWait(int milliseconds) { m_retryWait = milliseconds; }
    // The last failure of the unattended import, shown when the window comes back.
    const QString &lastFailure() const { return m_lastFailure; }

    void importByHand();
    void chooseFile();
    void checkForNewFile();
    void showLastFailure();

private:
    import::ImportSettings settings() const;
    import::ImportOutcome importUnattended();
    import::ImportWatch::Hooks watchHooks();

    MainWindow &m_window;
    import::ImportWatch m_watch;
    int m_retryWait = 3000;
    QString m_lastFailure;
};

} // namespace ui
