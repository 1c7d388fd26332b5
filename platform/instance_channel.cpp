#include "platform/instance_channel.h"

#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <sys/un.h>

namespace {

const QByteArray kShowRequest = "show\n";
const QByteArray kShowTaken = "shown\n";
constexpr int kHashedNameLength = 24;
constexpr int kRequestMaxBytes = 64;

} // namespace

QString instanceSocketPath(const QString &productName)
{
    const QString lock = singleInstanceLockPath(productName);
    QString path = lock;
    path.replace(path.size() - 5, 5, QStringLiteral(".sock"));
    if (QFile::encodeName(path).size() < int(sizeof(sockaddr_un::sun_path)))
        return path;
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(lock), QCryptographicHash::Sha1).toHex();
    return QFileInfo(lock).absolutePath() + QStringLiteral("/mousecfg-")
           + QString::fromLatin1(hash.left(kHashedNameLength)) + QStringLiteral(".sock");
}

InstanceChannel::InstanceChannel(const QString &productName, QObject *parent)
    : QObject(parent), m_path(instanceSocketPath(productName))
{
}

InstanceChannel::~InstanceChannel()
{
    if (m_pServer)
        m_pServer->close();
}

bool InstanceChannel::listen()
{
    if (m_pServer && m_pServer->isListening())
        return true;
    // Only the lock's holder listens, so a file already there belongs to a copy that is gone.
    QLocalServer::removeServer(m_path);
    m_pServer = new QLocalServer(this);
    m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_pServer, &QLocalServer::newConnection, this, &InstanceChannel::onConnection);
    return m_pServer->listen(m_path);
}

void InstanceChannel::onConnection()
{
    while (QLocalSocket *socket = m_pServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine()) {
                // A caller that never finishes its line is not kept around.
                if (socket->bytesAvailable() > kRequestMaxBytes)
                    socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(kRequestMaxBytes);
            if (line == kShowRequest) {
                socket->write(kShowTaken);
                socket->flush();
                emit showRequested();
            }
            socket->disconnectFromServer();
        });
    }
}

bool InstanceChannel::askToShow(const QString &productName, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    const auto left = [&timer, timeoutMs] { return int(qMax<qint64>(0, timeoutMs - timer.elapsed())); };
    QLocalSocket socket;
    socket.connectToServer(instanceSocketPath(productName));
    if (!socket.waitForConnected(left()))
        return false;
    socket.write(kShowRequest);
    if (!socket.waitForBytesWritten(left()))
        return false;
    QByteArray reply;
    while (!reply.endsWith('\n') && reply.size() < kRequestMaxBytes && left() > 0) {
        if (!socket.waitForReadyRead(left()))
            break;
        reply += socket.readAll();
    }
    return reply == kShowTaken;
}
