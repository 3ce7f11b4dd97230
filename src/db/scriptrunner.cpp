#include "scriptrunner.h"

#include "connection.h"
#include "cp1250.h"
#include "dberror.h"
#include "filebytes.h"

namespace db {

namespace {

enum class TransactionStep { None, Begin, End };

TransactionStep transactionStepOf(const QByteArray &statement)
{
    const QByteArray keyword = statement.simplified().split(' ').value(0).toUpper();
    if (keyword == "BEGIN" || keyword == "START")
        return TransactionStep::Begin;
    if (keyword == "COMMIT" || keyword == "ROLLBACK")
        return TransactionStep::End;
    return TransactionStep::None;
}

} // namespace

QList<QByteArray> ScriptRunner::split(const QByteArray &script)
{
    QList<QByteArray> statements;
    char quote = 0;
    qsizetype start = 0;
    const auto take = [&](qsizetype end) {
        const QByteArray statement = script.mid(start, end - start).trimmed();
        if (!statement.isEmpty())
            statements.append(statement);
        start = end + 1;
    };
    for (qsizetype i = 0; i < script.size(); ++i) {
        const char c = script[i];
        if (quote) {
            if (c == '\\' && quote != '`')
                ++i;
            else if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"' || c == '`') {
            quote = c;
        } else if (c == ';') {
            take(i);
        }
    }
    take(script.size());
    return statements;
}

void ScriptRunner::addLine(const QString &line)
{
    m_script += cp1250::encode(line);
    m_script += '\n';
}

void ScriptRunner::loadFromFile(const QString &path)
{
    m_script = vk::readFileBytes(path);
}

void ScriptRunner::saveToFile(const QString &path) const
{
    vk::writeFileBytes(path, m_script);
}

void ScriptRunner::run(Connection &connection) const
{
    bool inTransaction = false;
    for (const QByteArray &statement : split(m_script)) {
        try {
            connection.execEncoded(statement);
        } catch (const DbError &) {
            if (inTransaction && connection.isOpen()) {
                try {
                    connection.execEncoded("ROLLBACK");
                } catch (const DbError &) {
                    // the statement's own error is what the user needs to see
                }
            }
            throw;
        }
        switch (transactionStepOf(statement)) {
        case TransactionStep::Begin: inTransaction = true; break;
        case TransactionStep::End: inTransaction = false; break;
        case TransactionStep::None: break;
        }
    }
}

} // namespace db
