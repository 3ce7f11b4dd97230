#include "inifile.h"

#include "db/cp1250.h"
#include "db/filebytes.h"

#include <QFile>

namespace app {

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
}

bool IniFile::exists() const
{
    return QFile::exists(m_path);
}

void IniFile::load()
{
    m_sections.clear();
    if (!exists())
        return;
    const QStringList lines = cp1250::decode(vk::readFileBytes(m_path)).split(u'\n');
    Section *current = nullptr;
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            current = findSection(name);
            if (!current) {
                m_sections.append({name, {}});
                current = &m_sections.last();
            }
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!current || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!contains(current->name, key))
            current->entries.append({key, line.mid(equals + 1).trimmed()});
    }
}

void IniFile::save() const
{
    QString text;
    for (const Section &section : m_sections) {
        text += QStringLiteral("[") + section.name + QStringLiteral("]\r\n");
        for (const auto &[key, value] : section.entries)
            text += key + u'=' + value + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    vk::writeFileBytes(m_path, cp1250::encode(text));
}

IniFile::Section *IniFile::findSection(const QString &name)
{
    for (Section &section : m_sections) {
        if (section.name.compare(name, Qt::CaseInsensitive) == 0)
            return &section;
    }
    return nullptr;
}

const IniFile::Section *IniFile::findSection(const QString &name) const
{
    return const_cast<IniFile *>(this)->findSection(name);
}

QString IniFile::value(const QString &section, const QString &key,
                       const QString &defaultValue) const
{
    if (const Section *found = findSection(section)) {
        for (const auto &[name, value] : found->entries) {
            if (name.compare(key, Qt::CaseInsensitive) == 0)
                return value;
        }
    }
    return defaultValue;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    const QString missing = QStringLiteral("\x01");
    return value(section, key, missing) != missing;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    Section *found = findSection(section);
    if (!found) {
        m_sections.append({section, {}});
        found = &m_sections.last();
    }
    for (auto &[name, stored] : found->entries) {
        if (name.compare(key, Qt::CaseInsensitive) == 0) {
            stored = value;
            return;
        }
    }
    found->entries.append({key, value});
}

} // namespace app
