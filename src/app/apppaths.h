#pragma once

#include <QDir>
#include <QString>

namespace app {

// Where the program finds its files: its own settings and templates beside the executable,
// the shared settings one folder above the working directory, dumps and layout files in the
// working directory.
struct AppPaths {
    QString programDir;
    QString workingDir;

    QString programIni() const { return programDir + QStringLiteral("/vovuvaKOR.ini"); }
    QString logonIni() const { return workingDir + QStringLiteral("/../kavrid05.ini"); }
    QString inWorkingDir(const QString &name) const { return workingDir + u'/' + name; }
    QString inProgramDir(const QString &name) const { return programDir + u'/' + name; }
};

} // namespace app
