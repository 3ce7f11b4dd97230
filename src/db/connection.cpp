#include "connection.h"

#include "cp1250.h"
#include "dberror.h"

#include <mysql.h>

namespace db {

namespace {

ColumnKind kindOf(const MYSQL_FIELD &field)
{
    switch (field.type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_YEAR: return ColumnKind::Int32;
    case MYSQL_TYPE_LONG:
        return (field.flags & UNSIGNED_FLAG) ? ColumnKind::Integer : ColumnKind::Int32;
    case MYSQL_TYPE_LONGLONG: return ColumnKind::Integer;
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE: return ColumnKind::Decimal;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE: return ColumnKind::Date;
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP: return ColumnKind::DateTime;
    case MYSQL_TYPE_TIME: return ColumnKind::Time;
    case MYSQL_TYPE_TINY_BLOB:
    case MYSQL_TYPE_MEDIUM_BLOB:
    case MYSQL_TYPE_LONG_BLOB:
    case MYSQL_TYPE_BLOB:
    case MYSQL_TYPE_GEOMETRY: return ColumnKind::LargeObject;
    default: return ColumnKind::Text;
    }
}

QList<Column> columnsOf(MYSQL_RES *result)
{
    const unsigned int count = mysql_num_fields(result);
    const MYSQL_FIELD *fields = mysql_fetch_fields(result);
    QList<Column> columns;
    columns.reserve(count);
    for (unsigned int i = 0; i < count; ++i) {
        // the server reports lengths in bytes of its character set; cp1250 has one per character
        columns.append({cp1250::decode(fields[i].name, fields[i].name_length), kindOf(fields[i]),
                        int(std::min<unsigned long>(fields[i].length, 1000))});
    }
    return columns;
}

struct ResultFree {
    void operator()(MYSQL_RES *result) const { mysql_free_result(result); }
};
using ResultHandle = std::unique_ptr<MYSQL_RES, ResultFree>;

} // namespace

void Connection::Closer::operator()(st_mysql *handle) const
{
    mysql_close(handle);
}

Connection::Connection(QObject *parent)
    : QObject(parent)
{
}

Connection::~Connection() = default;

void Connection::setAutoCommit(bool on)
{
    m_autoCommit = on;
    if (m_handle && mysql_autocommit(m_handle.get(), on))
        fail();
}

void Connection::open()
{
    if (m_handle)
        return;
    std::unique_ptr<st_mysql, Closer> handle(mysql_init(nullptr));
    if (!handle)
        throw vk::Error(QStringLiteral("Out of memory"));
    const unsigned int timeout = 10;
    mysql_options(handle.get(), MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
    mysql_options(handle.get(), MYSQL_SET_CHARSET_NAME, "cp1250");

    const QByteArray host = cp1250::encode(m_settings.host);
    const QByteArray user = cp1250::encode(m_settings.user);
    const QByteArray password = cp1250::encode(m_settings.password);
    const QByteArray database = cp1250::encode(m_settings.database);
    const QByteArray socket = m_settings.socket.toLocal8Bit();
    if (!mysql_real_connect(handle.get(), host.constData(), user.constData(), password.constData(),
                            database.constData(), m_settings.port,
                            socket.isEmpty() ? nullptr : socket.constData(), 0)) {
        throw DbError(
            mysql_errno(handle.get()),
            cp1250::decode(mysql_error(handle.get()), qstrlen(mysql_error(handle.get()))));
    }
    m_handle = std::move(handle);
    try {
        send("SET CHARACTER SET cp1250");
        if (!m_autoCommit && mysql_autocommit(m_handle.get(), false))
            fail();
    } catch (...) {
        m_handle.reset();
        throw;
    }
}

void Connection::close()
{
    if (!m_handle)
        return;
    Q_EMIT aboutToClose();
    m_handle.reset();
}

void Connection::ensureOpen()
{
    if (!m_handle)
        open();
}

void Connection::fail()
{
    const char *message = mysql_error(m_handle.get());
    throw DbError(mysql_errno(m_handle.get()), cp1250::decode(message, qstrlen(message)));
}

void Connection::send(QByteArrayView statement)
{
    if (mysql_real_query(m_handle.get(), statement.data(), statement.size()))
        fail();
    // drain every result the statement produced, or the next one is refused
    for (;;) {
        ResultHandle result(mysql_store_result(m_handle.get()));
        if (!result && mysql_field_count(m_handle.get()) > 0)
            fail();
        const int more = mysql_next_result(m_handle.get());
        if (more > 0)
            fail();
        if (more < 0)
            break;
    }
}

void Connection::exec(const QString &statement)
{
    execEncoded(cp1250::encode(statement));
}

void Connection::execEncoded(QByteArrayView statement)
{
    ensureOpen();
    send(statement);
}

ResultSet Connection::query(const QString &statement)
{
    ensureOpen();
    const QByteArray encoded = cp1250::encode(statement);
    if (mysql_real_query(m_handle.get(), encoded.constData(), encoded.size()))
        fail();
    ResultHandle result(mysql_use_result(m_handle.get()));
    if (!result) {
        if (mysql_field_count(m_handle.get()) > 0)
            fail();
        return ResultSet();
    }
    ResultSet rows(columnsOf(result.get()));
    while (MYSQL_ROW row = mysql_fetch_row(result.get()))
        rows.appendRow(row, mysql_fetch_lengths(result.get()));
    if (mysql_errno(m_handle.get()))
        fail();
    return rows;
}

} // namespace db
