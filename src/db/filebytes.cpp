#include "filebytes.h"

#include "error.h"

#include <QFile>
#include <QSaveFile>

namespace vk {

QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error::fileUnreadable(path, file.errorString());
    return file.readAll();
}

void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Error::fileUnwritable(path, file.errorString());
}

} // namespace vk
