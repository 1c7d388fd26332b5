#include "osd/osd_server.h"

#include "platform/osd_endpoint.h"

#include <QLocalSocket>

namespace {

// A live listener accepts at once; a socket file left by a crashed companion refuses at once.
constexpr int kProbeMs = 500;

bool someoneAnswers(const QString &path)
{
    QLocalSocket probe;
    probe.connectToServer(path, QIODevice::WriteOnly);
    const bool answers = probe.waitForConnected(kProbeMs);
    probe.abort();
    return answers;
}

} // namespace

OsdServer::OsdServer(int idleMs, QObject *parent) : QObject(parent)
{
    m_IdleTimer.setSingleShot(true);
    m_IdleTimer.setInterval(idleMs);
    connect(&m_IdleTimer, &QTimer::timeout, this, &OsdServer::idle);
    connect(&m_Server, &QLocalServer::newConnection, this, &OsdServer::onNewConnection);
}

OsdServer::Start OsdServer::listen(const QString &path, QString *error)
{
    m_Lock = std::make_unique<SingleInstanceLock>(SingleInstanceLock::LockFile{osdLockPath(path)});
    switch (m_Lock->tryAcquire()) {
    case SingleInstanceLock::Result::HeldElsewhere:
        *error = QStringLiteral("another companion is running on ") + path;
        return Start::AlreadyRunning;
    case SingleInstanceLock::Result::Unavailable:
        *error = QStringLiteral("cannot create the lock ") + osdLockPath(path);
        return Start::Failed;
    case SingleInstanceLock::Result::Acquired:
        break;
    }
    if (someoneAnswers(path)) {
        *error = QStringLiteral("another program answers on ") + path;
        return Start::AlreadyRunning;
    }
    // Nobody answers: whatever lies there is stale.
    QLocalServer::removeServer(path);
    m_Server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_Server.listen(path)) {
        *error = m_Server.errorString();
        return Start::Failed;
    }
    m_IdleTimer.start();
    return Start::Listening;
}

void OsdServer::onNewConnection()
{
    while (QLocalSocket *socket = m_Server.nextPendingConnection()) {
        m_Partial.insert(socket, QByteArray());
        m_IdleTimer.stop();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { onDisconnected(socket); });
        // A window may have written and gone before the connection was taken.
        onReadyRead(socket);
        if (socket->state() != QLocalSocket::ConnectedState)
            onDisconnected(socket);
    }
}

void OsdServer::onReadyRead(QLocalSocket *socket)
{
    auto found = m_Partial.find(socket);
    if (found == m_Partial.end())
        return;
    QByteArray &buffer = found.value();
    buffer += socket->readAll();
    int used = 0;
    while (buffer.size() - used >= kOsdRecordSize) {
        if (const auto message = decodeOsdRecord(buffer.mid(used, kOsdRecordSize)))
            emit messageReceived(*message);
        used += kOsdRecordSize;
    }
    buffer.remove(0, used);
}

void OsdServer::onDisconnected(QLocalSocket *socket)
{
    if (m_Partial.remove(socket) == 0)
        return;
    socket->deleteLater();
    if (m_Partial.isEmpty())
        m_IdleTimer.start();
}
