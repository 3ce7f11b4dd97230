#pragma once

#include "error.h"

namespace db {

// A failure reported by the server or the client library, with its error number.
class DbError : public vk::Error {
public:
    DbError(unsigned int code, const QString &message)
        : vk::Error(message)
        , m_code(code)
    {
    }

    unsigned int code() const { return m_code; }

private:
    unsigned int m_code;
};

} // namespace db
