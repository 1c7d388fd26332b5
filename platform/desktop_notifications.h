#pragma once
// One desktop notification through org.freedesktop.Notifications on the session bus, updated in
// place: each Notify replaces the one the server last returned. Calls never block: the answer
// arrives later, and a bus without a notification server (or one that fails) is reported, so the
// caller can tell the user another way.

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <optional>

class QDBusPendingCallWatcher;

class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    // The urgency hint's byte.
    enum class Urgency : uchar { Low = 0, Normal = 1, Critical = 2 };

    struct Notice {
        QString summary;
        QString body;
        Urgency urgency = Urgency::Normal;
    };

    // Calls go out on `bus` (a disconnected one fails every notice at once).
    explicit DesktopNotifications(QDBusConnection bus, QObject *parent = nullptr);

    // Shows `notice`, replacing the last one shown. While a call is still unanswered the newest
    // notice waits for its answer (it needs the id) and earlier waiting ones are dropped.
    void notify(const Notice &notice);
    // The id the server gave the last notice; 0 before any.
    uint lastId() const { return m_uLastId; }

signals:
    void shown(uint id);
    // No server took `notice` (no bus, no server, an error, no answer in time).
    void failed(const DesktopNotifications::Notice &notice);

private:
    void send(const Notice &notice);
    void onAnswer(QDBusPendingCallWatcher *watcher);

    QDBusConnection m_Bus;
    uint m_uLastId = 0;
    bool m_bWaiting = false;
    Notice m_Sent;                 // the notice of the unanswered call
    std::optional<Notice> m_Next;  // the newest notice given meanwhile
};
