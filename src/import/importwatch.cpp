#include "importwatch.h"

#include "app/inifile.h"
#include "app/platforminfo.h"
#include "db/error.h"
#include "db/sqlliteral.h"
#include "exclusiveopen.h"
#include "ticketimport.h"

#include <QFile>
#include <QTimer>

namespace import {

namespace {

const QString section = QStringLiteral("XML");

} // namespace

ImportWatch::ImportWatch(QString iniPath, Hooks hooks)
    : m_iniPath(std::move(iniPath))
    , m_hooks(std::move(hooks))
{
}

void ImportWatch::tick(QTimer &timer)
{
    if (!m_hooks.mayImport())
        return;
    const QString path = m_hooks.filePath();
    if (path.isEmpty() || !QFile::exists(path))
        return;
    timer.stop();
    try {
        const QString stamp = sql::dateTimeText(platform::fileDateTime(path));
        app::IniFile ini(m_iniPath);
        ini.load();
        const QString lastImported =
            ini.value(section, QStringLiteral("Datum"), QStringLiteral("2020"));
        ini.setValue(section, QStringLiteral("Test"),
                     sql::dateTimeText(QDateTime::currentDateTime()));
        ini.setValue(section, QStringLiteral("Soubor"), stamp);
        ini.save();
        if (stamp != lastImported && isFileFree(path))
            importAndRemember(stamp);
    } catch (const vk::Error &error) {
        m_hooks.reportFailure(error.message());
    }
    timer.start();
}

void ImportWatch::importAndRemember(const QString &stamp)
{
    if (m_hooks.runImport() != ImportOutcome::Imported)
        return; // the dialogue has reported why; the file is tried again
    app::IniFile ini(m_iniPath);
    ini.load();
    ini.setValue(section, QStringLiteral("Datum"), stamp);
    ini.save();
}

} // namespace import
