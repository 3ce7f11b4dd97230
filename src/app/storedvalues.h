#pragma once

#include <QString>

namespace app {

// The main window's values kept between runs in section "TForm1" of the program's settings file.
struct StoredValues {
    QString openDialogFileName;
    int yearIndex = 0;

    static StoredValues load(const QString &iniPath);
    void save(const QString &iniPath) const;
};

} // namespace app
