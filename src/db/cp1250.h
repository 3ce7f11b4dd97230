#pragma once

#include <QByteArray>
#include <QString>

// The database, the settings files and the filter history speak Windows-1250. These helpers
// convert at the boundary; a character that cp1250 lacks becomes '?'.
namespace cp1250 {

QString decode(const char *data, qsizetype size);
inline QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), bytes.size());
}
QByteArray encode(const QString &text);

} // namespace cp1250
