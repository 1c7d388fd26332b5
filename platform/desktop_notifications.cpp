#include "platform/desktop_notifications.h"

#include "storage/log_categories.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

// A server that has not answered by then is as good as none: the tray takes over.
constexpr int kAnswerTimeoutMs = 5000;
constexpr int kServerDefaultExpiry = -1;

} // namespace

DesktopNotifications::DesktopNotifications(QDBusConnection bus, QObject *parent) : QObject(parent), m_Bus(bus) {}

void DesktopNotifications::notify(const Notice &notice)
{
    if (m_bWaiting) {
        m_Next = notice;
        return;
    }
    send(notice);
}

void DesktopNotifications::send(const Notice &notice)
{
    if (!m_Bus.isConnected()) {
        emit failed(notice);
        return;
    }
    QVariantMap hints;
    hints.insert(QStringLiteral("category"), QStringLiteral("device"));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral(MOUSECFG_APP_ID));
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(static_cast<uchar>(notice.urgency)));
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call << QCoreApplication::applicationName() << m_uLastId << QStringLiteral("mousecfg") << notice.summary
         << notice.body << QStringList() << hints << kServerDefaultExpiry;
    m_bWaiting = true;
    m_Sent = notice;
    auto *watcher = new QDBusPendingCallWatcher(m_Bus.asyncCall(call, kAnswerTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &DesktopNotifications::onAnswer);
}

void DesktopNotifications::onAnswer(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    m_bWaiting = false;
    const QDBusPendingReply<uint> reply = *watcher;
    if (reply.isError()) {
        qCDebug(lcPlatform).noquote() << "no desktop notification:" << reply.error().name() << reply.error().message();
        emit failed(m_Sent);
    } else {
        m_uLastId = reply.value();
        emit shown(m_uLastId);
    }
    if (m_Next) {
        const Notice next = *m_Next;
        m_Next.reset();
        send(next);
    }
}
