#include "singleinstance.h"

#include <QLocalSocket>

namespace ui {

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
{
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = m_server.nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            Q_EMIT activationRequested();
        }
    });
}

bool SingleInstance::claim()
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(1000)) {
        probe.disconnectFromServer();
        return false;
    }
    // nobody answers: a marker left by an instance that died is taken over
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}

} // namespace ui
