#pragma once

#include "resultset.h"

#include <QObject>
#include <QString>
#include <memory>

struct st_mysql;

namespace db {

struct ConnectionSettings {
    QString host = QStringLiteral("localhost");
    unsigned int port = 3306;
    QString database = QStringLiteral("kavrid");
    QString user = QStringLiteral("root");
    QString password;
    QString socket; // empty: the client library's default
};

// The program's one connection to the server. Client character set cp1250; after every connect
// "SET CHARACTER SET cp1250" is sent. A statement or query sent while the connection is
// closed opens it first with the same settings.
class Connection : public QObject {
    Q_OBJECT
public:
    explicit Connection(QObject *parent = nullptr);
    ~Connection() override;

    const ConnectionSettings &settings() const { return m_settings; }
    void setSettings(const ConnectionSettings &settings) { m_settings = settings; }
    void setPort(unsigned int port) { m_settings.port = port; }
    // Applies at once when open and at every later connect.
    void setAutoCommit(bool on);
    bool autoCommit() const { return m_autoCommit; }

    void open();
    void close();
    bool isOpen() const { return m_handle != nullptr; }

    // One statement; results it may return are read and dropped.
    void exec(const QString &statement);
    void execEncoded(QByteArrayView statement); // text already in cp1250
    ResultSet query(const QString &statement);

Q_SIGNALS:
    void aboutToClose();

private:
    struct Closer {
        void operator()(st_mysql *handle) const;
    };

    void ensureOpen();
    [[noreturn]] void fail();
    void send(QByteArrayView statement);

    ConnectionSettings m_settings;
    bool m_autoCommit = true;
    std::unique_ptr<st_mysql, Closer> m_handle;
};

} // namespace db
