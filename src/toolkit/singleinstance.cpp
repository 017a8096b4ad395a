// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/singleinstance.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

namespace tallyfox {

namespace {

constexpr QByteArrayView kActivate = "activate\n";

} // namespace

SingleInstance::SingleInstance(const QString& key, Claim claim, QObject* parent)
    : QObject(parent), m_key(key), m_claim(std::move(claim))
{
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::start()
{
    if (m_claim()) {
        // A socket left by a copy that was killed is only a name: the claim says nobody listens on it.
        QLocalServer::removeServer(m_key);
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        m_server.listen(m_key);
        return true;
    }
    // The first copy may hold its claim a moment before it listens.
    const QDeadlineTimer deadline(2000);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(m_key);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    socket.write(kActivate.data(), kActivate.size());
    socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
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
