#pragma once

#include <QString>
#include <functional>

class QTimer;

namespace import {

enum class ImportOutcome;

// The periodic check of the unattended mode: when the weighbridge file carries a time stamp
// other than that of the file last taken over, and no other program holds it open, the ticket
// is imported. Section "XML" of the program's settings file keeps "Datum" (the last file taken
// over), "Soubor" (the file's stamp at the last check) and "Test" (the moment of that check).
// A failed import leaves "Datum" alone, so the same file is tried again at the next tick.
class ImportWatch {
public:
    struct Hooks {
        std::function<bool()> mayImport;          // false while the window is shown normally
        std::function<QString()> filePath;        // the weighbridge file
        std::function<ImportOutcome()> runImport; // the automatic import; may throw
        std::function<void(const QString &)> reportFailure;
    };

    ImportWatch(QString iniPath, Hooks hooks);

    // One tick of the timer; the timer is off while the tick works.
    void tick(QTimer &timer);

private:
    void importAndRemember(const QString &stamp);

    QString m_iniPath;
    Hooks m_hooks;
};

} // namespace import
