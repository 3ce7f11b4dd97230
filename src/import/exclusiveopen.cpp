#include "exclusiveopen.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace import {

namespace {

// Looks for a descriptor of another process that refers to the same file.
bool heldByAnotherProcess(const QString &path)
{
    struct stat target {};
    if (stat(QFile::encodeName(path).constData(), &target) != 0)
        return false;
    const QString self = QString::number(getpid());
    const QStringList processes =
        QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : processes) {
        if (pid == self || !pid.front().isDigit())
            continue;
        const QString fdDir = QStringLiteral("/proc/") + pid + QStringLiteral("/fd");
        for (const QString &fd : QDir(fdDir).entryList(QDir::Files | QDir::System)) {
            struct stat open {};
            const QByteArray link = QFile::encodeName(fdDir + u'/' + fd);
            if (stat(link.constData(), &open) == 0 && open.st_dev == target.st_dev &&
                open.st_ino == target.st_ino)
                return true;
        }
    }
    return false;
}

} // namespace

bool isFileFree(const QString &path)
{
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool leased = fcntl(fd, F_SETLEASE, F_WRLCK) == 0;
    const int reason = errno;
    if (leased)
        fcntl(fd, F_SETLEASE, F_UNLCK);
    close(fd);
    if (leased)
        return true;
    if (reason == EAGAIN || reason == EBUSY)
        return false; // somebody has it open
    return !heldByAnotherProcess(path);
}

} // namespace import
