#pragma once

#include <QString>
#include <stdexcept>

namespace vk {

// A failure that ends the user's action: its text is what the standard error box shows.
// Database, file and conversion failures all throw this (or a subclass).
class Error : public std::runtime_error {
public:
    explicit Error(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }

    const QString &message() const { return m_message; }

    static Error fileUnreadable(const QString &path, const QString &reason)
    {
        return Error(QStringLiteral("Cannot open file %1. %2").arg(path, reason));
    }
    static Error fileUnwritable(const QString &path, const QString &reason)
    {
        return Error(QStringLiteral("Cannot create file %1. %2").arg(path, reason));
    }

private:
    QString m_message;
};

} // namespace vk
