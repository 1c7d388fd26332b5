#pragma once
// The companion's end of the socket: one listener per user, any number of windows connected,
// one 1044-byte record per message. It tells when no window has been connected for a while, so
// the companion ends with the last window instead of outliving it.

#include "platform/osd_record.h"
#include "platform/single_instance.h"

#include <QHash>
#include <QLocalServer>
#include <QObject>
#include <QTimer>

#include <memory>

class QLocalSocket;

class OsdServer : public QObject {
    Q_OBJECT
public:
    enum class Start {
        Listening,
        AlreadyRunning,  // another companion holds the lock or answers on the socket
        Failed,
    };

    explicit OsdServer(int idleMs, QObject *parent = nullptr);

    // Takes the lock beside `path`, removes a socket that nobody answers on, and listens there.
    Start listen(const QString &path, QString *error);
    QString serverPath() const { return m_Server.fullServerName(); }
    // No window connected and the idle time over.
    bool isIdle() const { return m_Partial.isEmpty() && !m_IdleTimer.isActive(); }

signals:
    void messageReceived(const OsdMessage &message);
    // No window connected for the idle time (counted from the start or the last disconnect).
    void idle();

private:
    void onNewConnection();
    void onReadyRead(QLocalSocket *socket);
    void onDisconnected(QLocalSocket *socket);

    std::unique_ptr<SingleInstanceLock> m_Lock;
    QLocalServer m_Server;
    QHash<QLocalSocket *, QByteArray> m_Partial;  // bytes of an incomplete record, per window
    QTimer m_IdleTimer;
};
