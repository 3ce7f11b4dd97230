#include "filterhistory.h"

#include "db/cp1250.h"
#include "db/filebytes.h"

#include <QFile>
#include <QStringList>

namespace tickets {

namespace {

QStringList readLines(const QString &path)
{
    if (!QFile::exists(path))
        return {};
    QString text = cp1250::decode(vk::readFileBytes(path));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (text.isEmpty())
        return {};
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

void writeLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += cp1250::encode(line) + "\r\n";
    vk::writeFileBytes(path, bytes);
}

// Removes the last line; returns the line now last, or nothing when fewer than two were there.
QString dropLastLine(const QString &path)
{
    if (!QFile::exists(path))
        return QString();
    QStringList lines = readLines(path);
    QString last;
    if (lines.size() < 2) {
        lines.clear();
    } else {
        lines.removeLast();
        last = lines.last();
    }
    writeLines(path, lines);
    return last;
}

} // namespace

FilterHistory::FilterHistory(QString basePath)
    : m_base(std::move(basePath))
{
}

void FilterHistory::append(const QString &clause, const QString &text) const
{
    writeLines(clausePath(), readLines(clausePath()) << clause);
    writeLines(textPath(), readLines(textPath()) << text);
}

void FilterHistory::clear(QString &clause, QString &text) const
{
    clause.clear();
    text = noFilterText();
    writeLines(clausePath(), {});
    writeLines(textPath(), {});
}

void FilterHistory::dropLast(QString &clause, QString &text) const
{
    clause = dropLastLine(clausePath());
    text = dropLastLine(textPath());
    if (text.isEmpty())
        text = noFilterText();
}

} // namespace tickets
