#include "toolkit/singleinstance.h"

#include <QLocalSocket>

namespace tallyfox {

namespace {

constexpr QByteArrayView kActivate = "activate\n";

} // namespace

SingleInstance::SingleInstance(const QString& key, const QString& lockFilePath, QObject* parent)
    : QObject(parent), m_key(key), m_lockFilePath(lockFilePath)
{
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::start()
{
    m_lock = std::make_unique<QLockFile>(m_lockFilePath);
    // A lock left by a copy that died is stale and taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(200)) {
        QLocalServer::removeServer(m_key);
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        m_server.listen(m_key);
        return true;
    }
    m_lock.reset();
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (socket.waitForConnected(2000)) {
        socket.write(kActivate.data(), kActivate.size());
        socket.waitForBytesWritten(2000);
        socket.disconnectFromServer();
    }
    return false;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains("activate"))
                Q_EMIT activationRequested();
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

} // namespace tallyfox
