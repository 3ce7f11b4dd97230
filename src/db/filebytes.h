#pragma once

#include <QByteArray>
#include <QString>

// Whole files read and written in one go. Reading a file that cannot be opened, or writing one
// that cannot be completed, throws; a file is replaced only when the whole write succeeded.
namespace vk {

QByteArray readFileBytes(const QString &path);
void writeFileBytes(const QString &path, const QByteArray &bytes);

} // namespace vk
