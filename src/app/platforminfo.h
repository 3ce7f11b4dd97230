#pragma once

#include <QDateTime>
#include <QString>

// Facts about the workstation and the program file that the login history and the
// unattended import need.
namespace platform {

// The first IPv4 address the host name resolves to; 255.255.255.255 when it does not resolve.
QString localIPAddress();
// The operating-system user (up to 62 characters) and computer name (up to 15), or "(Unknown)".
QString userName();
QString computerName();
// The program's version, four numbers joined by points.
QString exeVersionText();
// Last modification in local time at the two-second resolution the time stamps are compared
// at; day zero (1899-12-30 00:00:00) for a missing file.
QDateTime fileDateTime(const QString &path);
QString programFilePath();

} // namespace platform
