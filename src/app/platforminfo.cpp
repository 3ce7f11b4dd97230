#include "platforminfo.h"

#include "app/version.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>
#include <pwd.h>
#include <unistd.h>

namespace platform {

namespace {

const QString unknown = QStringLiteral("(Unknown)");

} // namespace

QString localIPAddress()
{
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    for (const QHostAddress &address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address.toString();
    }
    return QStringLiteral("255.255.255.255");
}

QString userName()
{
    if (const passwd *entry = getpwuid(geteuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name).left(62);
    const QString fromEnvironment = qEnvironmentVariable("USER");
    return fromEnvironment.isEmpty() ? unknown : fromEnvironment.left(62);
}

QString computerName()
{
    const QString name = QHostInfo::localHostName();
    return name.isEmpty() ? unknown : name.left(15);
}

QString exeVersionText()
{
    return QStringLiteral(VK_VERSION_TEXT);
}

QDateTime fileDateTime(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QDateTime(QDate(1899, 12, 30), QTime(0, 0));
    const QDateTime modified = info.lastModified().toLocalTime();
    const QTime time = modified.time();
    return QDateTime(modified.date(), QTime(time.hour(), time.minute(), time.second() & ~1));
}

QString programFilePath()
{
    return QCoreApplication::applicationFilePath();
}

} // namespace platform
