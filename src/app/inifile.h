#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace app {

// A Windows-style INI file in cp1250: sections in brackets, "key=value" lines. Keys and
// sections compare without regard to case, as the Windows profile functions do. Sections and
// keys keep their order and spelling when the file is written back.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }
    bool exists() const;
    // Reads the file; a missing file gives an empty one. Throws when the file cannot be read.
    void load();
    // Writes the whole file, replacing it only when the write succeeded.
    void save() const;

    QString value(const QString &section, const QString &key,
                  const QString &defaultValue = QString()) const;
    bool contains(const QString &section, const QString &key) const;
    void setValue(const QString &section, const QString &key, const QString &value);

private:
    struct Section {
        QString name;
        QList<QPair<QString, QString>> entries;
    };

    Section *findSection(const QString &name);
    const Section *findSection(const QString &name) const;

    QString m_path;
    QList<Section> m_sections;
};

} // namespace app
