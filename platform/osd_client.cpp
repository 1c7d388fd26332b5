#include "platform/osd_client.h"

#include "platform/osd_endpoint.h"
#include "platform/osd_record.h"
#include "storage/log_categories.h"

#include <QFileInfo>
#include <QProcess>

namespace {

constexpr int kMaxStarts = 5;
constexpr int kStartWaitMs = 500;

} // namespace

OsdClient::OsdClient(QObject *parent) : OsdClient(osdServerPath(), osdProgramPath(), parent) {}

OsdClient::OsdClient(const QString &serverPath, const QString &programPath, QObject *parent)
    : QObject(parent), m_ServerPath(serverPath), m_ProgramPath(programPath)
{
    m_StartWait.setSingleShot(true);
    m_StartWait.setInterval(kStartWaitMs);
    connect(&m_StartWait, &QTimer::timeout, this, &OsdClient::connectToCompanion);
}

OsdClient::~OsdClient()
{
    // The socket's own teardown must not call back into a half-destroyed client.
    if (m_pSocket) {
        m_pSocket->disconnect(this);
        m_pSocket->abort();
    }
}

QLocalSocket &OsdClient::socket()
{
    if (!m_pSocket) {
        m_pSocket = new QLocalSocket(this);
        connect(m_pSocket, &QLocalSocket::connected, this, &OsdClient::onConnected);
        connect(m_pSocket, &QLocalSocket::errorOccurred, this, &OsdClient::onSocketError);
        connect(m_pSocket, &QLocalSocket::disconnected, this, &OsdClient::onDisconnected);
        connect(m_pSocket, &QLocalSocket::bytesWritten, this, [this](qint64 written) { m_iUnsent -= written; });
    }
    return *m_pSocket;
}

void OsdClient::showText(const QString &text)
{
    emit textRequested(text);
    if (m_bGivenUp)
        return;
    m_PendingRecord = encodeOsdRecord(osdMessageForText(text, m_Theme));
    if (m_pSocket && m_pSocket->state() == QLocalSocket::ConnectedState) {
        sendPending();
        return;
    }
    // A connection or a start under way sends the newest text when it gets through.
    if (m_bConnecting || m_StartWait.isActive())
        return;
    m_iStarts = 0;
    connectToCompanion();
}

void OsdClient::connectToCompanion()
{
    m_bConnecting = true;
    // A local socket connects or fails at once; both are reported from inside this call.
    socket().connectToServer(m_ServerPath, QIODevice::WriteOnly);
}

void OsdClient::onConnected()
{
    m_bConnecting = false;
    m_iStarts = 0;
    sendPending();
}

void OsdClient::onSocketError()
{
    if (m_bConnecting) {
        m_bConnecting = false;
        startCompanion();
        return;
    }
    onDisconnected();
}

void OsdClient::onDisconnected()
{
    if (m_iUnsent > 0)
        qCDebug(lcPlatform, "SendMessage failed\n");
    m_iUnsent = 0;
}

void OsdClient::startCompanion()
{
    if (!m_PendingRecord)
        return;
    if (m_iStarts >= kMaxStarts) {
        qCDebug(lcPlatform) << "OSD companion did not answer after" << kMaxStarts << "starts; text dropped";
        m_PendingRecord.reset();
        m_iStarts = 0;
        return;
    }
    const QFileInfo program(m_ProgramPath);
    if (!program.isFile() || !program.isExecutable()) {
        giveUp("is not installed");
        return;
    }
    if (!QProcess::startDetached(m_ProgramPath, {QStringLiteral("--socket"), m_ServerPath})) {
        giveUp("cannot be started");
        return;
    }
    ++m_iStarts;
    m_StartWait.start();
}

void OsdClient::sendPending()
{
    if (!m_PendingRecord)
        return;
    const QByteArray record = *m_PendingRecord;
    m_PendingRecord.reset();
    const qint64 queued = socket().write(record);
    if (queued != record.size()) {
        qCDebug(lcPlatform, "SendMessage failed\n");
        return;
    }
    m_iUnsent += queued;
    // Hands the record to the kernel now when it can; a failure comes back as a socket error.
    socket().flush();
}

void OsdClient::giveUp(const char *reason)
{
    qCWarning(lcPlatform).noquote() << "On-screen display off until the next start: the companion" << m_ProgramPath
                                    << reason;
    m_bGivenUp = true;
    m_PendingRecord.reset();
    m_StartWait.stop();
}
