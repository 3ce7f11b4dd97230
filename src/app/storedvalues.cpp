#include "storedvalues.h"

#include "inifile.h"

namespace app {

namespace {

const QString section = QStringLiteral("TForm1");
const QString fileNameKey = QStringLiteral("OpenDialog1_FileName");
const QString yearKey = QStringLiteral("suiComboBoxRok_ItemIndex");

} // namespace

StoredValues StoredValues::load(const QString &iniPath)
{
    app::IniFile file(iniPath);
    file.load();
    StoredValues values;
    values.openDialogFileName = file.value(section, fileNameKey);
    values.yearIndex = file.value(section, yearKey, QStringLiteral("0")).toInt();
    return values;
}

void StoredValues::save(const QString &iniPath) const
{
    app::IniFile file(iniPath);
    file.load();
    file.setValue(section, fileNameKey, openDialogFileName);
    file.setValue(section, yearKey, QString::number(yearIndex));
    file.save();
}

} // namespace app
