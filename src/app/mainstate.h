#pragma once

#include <QString>

namespace app {

// What the main window, its dialogs and the command line share about the current run.
struct MainState {
    QString stationNo = QStringLiteral("00");
    QString moduleCode;
    QString importFilePath;
    QString orderClause;
    QString filterClause;
    QString filterText;
    QString filterOperator;
    bool deleteLayoutOnExit = false;

    // the list's inputs besides the filter and the order
    bool archive = false;
    int typeIndex = 0; // 0 receipts, 1 issues, 2 all documents
    QString yearText;  // the year selector's text; empty or "Vše" means all years
    bool multiSelect = false;
    bool unattended = false;
};

} // namespace app
