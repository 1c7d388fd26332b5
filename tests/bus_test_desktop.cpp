// The window on the session bus: the mouse's properties and their change signals, the calls a
// panel or script makes, and the low-battery notices through a notification server. CTest runs
// this program under dbus-run-session, so the bus is a private one; the test's client and its
// notification server are connections of their own on it.

#include "app/desktop_integration.h"
#include "app/status_rules.h"
#include "platform/desktop_bus.h"
#include "platform/desktop_notifications.h"
#include "support/window_rig.h"
#include "widgets/tarn_push_button.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QtTest>

#include <algorithm>
#include <vector>

namespace {

const QString kService = QStringLiteral(MOUSECFG_APP_ID);
const QString kPath = QStringLiteral("/io/github/mousecfg/mousecfg");
const QString kMouse = QStringLiteral(MOUSECFG_APP_ID ".Mouse");
const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");

// Past the window's 200 ms start-up check and its first battery reading.
void waitForFirstReading(const MousecfgWidget &w) { QTRY_COMPARE_WITH_TIMEOUT(w.lastBatteryLevel(), 80, 10000); }

} // namespace

// A notification server as the desktop runs one: every Notify is recorded and gets a new id.
class FakeNotificationServer : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString appName;
        uint replacesId;
        QString summary;
        QString body;
        QVariantMap hints;
    };
    explicit FakeNotificationServer(const QString &connectionName)
        : m_Bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName))
    {
        m_Bus.registerObject("/org/freedesktop/Notifications", this, QDBusConnection::ExportAllSlots);
        registered = m_Bus.registerService(kNotifications);
    }
    ~FakeNotificationServer() override
    {
        m_Bus.unregisterService(kNotifications);
        m_Bus.unregisterObject("/org/freedesktop/Notifications");
        QDBusConnection::disconnectFromBus(m_Bus.name());
    }
    QList<Call> calls;
    uint nextId = 41;
    bool failing = false; // answers every Notify with an error
    bool registered = false;

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int expireTimeout)
    {
        Q_UNUSED(appIcon)
        Q_UNUSED(actions)
        Q_UNUSED(expireTimeout)
        if (failing) {
            sendErrorReply(QDBusError::Failed, "the server is out of order");
            return 0;
        }
        calls.append({appName, replacesId, summary, body, hints});
        return nextId++;
    }
    QStringList GetCapabilities() { return {"body"}; }

private:
    QDBusConnection m_Bus;
};

class TestDesktopBus : public QObject {
    Q_OBJECT
public slots:
    void propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &invalidated)
    {
        m_Changes.append({interface, changed, invalidated, m_Clock.nsecsElapsed()});
    }

private:
    struct Change {
        QString interface;
        QVariantMap changed;
        QStringList invalidated;
        qint64 atNs;
    };
    QDBusConnection m_Client{QString()};
    QList<Change> m_Changes;
    QElapsedTimer m_Clock;

    // The client's call of a Mouse method; the reply (an error reply for a refused call).
    QDBusMessage callMouse(const QString &method, const QVariantList &args = {},
                           const QString &interface = QString())
    {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, interface.isEmpty() ? kMouse : interface, method);
        call.setArguments(args);
        // The window answers from this thread's event loop: the call must not block it.
        QDBusPendingCall pending = m_Client.asyncCall(call);
        if (!QTest::qWaitFor([&pending] { return pending.isFinished(); }, 10000))
            return QDBusMessage(); // an invalid message: no comparison takes it for an answer
        return pending.reply();
    }
    QVariant property(const QString &name)
    {
        const QDBusMessage reply = callMouse("Get", {kMouse, name}, "org.freedesktop.DBus.Properties");
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "no session bus: run under dbus-run-session");
        m_Client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "client");
        QVERIFY(m_Client.connect(kService, kPath, "org.freedesktop.DBus.Properties", "PropertiesChanged", this,
                                 SLOT(propertiesChanged(QString, QVariantMap, QStringList))));
        m_Clock.start();
    }
    void init() { m_Changes.clear(); }

    // ---- the policy alone

    void noticesComeOncePerDischargeForEachLevel()
    {
        LowBatteryWatch watch;
        QCOMPARE(watch.update(80, false), BatteryNotice::None);
        QCOMPARE(watch.update(30, false), BatteryNotice::None);
        QCOMPARE(watch.update(20, false), BatteryNotice::Low);
        QCOMPARE(watch.update(20, false), BatteryNotice::None);
        QCOMPARE(watch.update(10, false), BatteryNotice::Critical);
        QCOMPARE(watch.update(10, false), BatteryNotice::None);
        QCOMPARE(watch.update(0, false), BatteryNotice::None);
        // Charging, even while still low, starts a new discharge.
        QCOMPARE(watch.update(10, true), BatteryNotice::None);
        QCOMPARE(watch.update(20, false), BatteryNotice::Low);
        QCOMPARE(watch.update(10, false), BatteryNotice::Critical);
    }

    void aLevelThatFallsPastBothTellsOnlyTheCriticalOne()
    {
        LowBatteryWatch watch;
        QCOMPARE(watch.update(3, false), BatteryNotice::Critical); // also a first reading
        QCOMPARE(watch.update(20, false), BatteryNotice::None);
        QCOMPARE(watch.update(3, false), BatteryNotice::None);
    }

    void readingsWanderingAtAThresholdDoNotRepeatTheNotice()
    {
        LowBatteryWatch watch;
        QCOMPARE(watch.update(20, false), BatteryNotice::Low);
        QCOMPARE(watch.update(30, false), BatteryNotice::None);
        QCOMPARE(watch.update(20, false), BatteryNotice::None);
        // Well above the low level the battery was charged while nobody looked.
        QCOMPARE(watch.update(40, false), BatteryNotice::None);
        QCOMPARE(watch.update(20, false), BatteryNotice::Low);
    }

    // ---- the window on the bus

    void propertiesFollowTheMouse()
    {
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        waitForFirstReading(w);
        QCOMPARE(m_Client.interface()->serviceOwner(kService).value(),
                 QDBusConnection::sessionBus().baseService());
        QCOMPARE(property("Connected").toBool(), true);
        QCOMPARE(property("Link").toString(), QString("receiver"));
        QCOMPARE(property("BatteryPercent").toInt(), 80);
        QCOMPARE(property("Asleep").toBool(), false);
        QCOMPARE(property("ActiveProfile").toUInt(), uint(w.workingSet().ProfileID + 1));

        // Profile 4, stage 6, 500 Hz changed on the mouse: one signal with exactly those.
        QVERIFY(w.workingSet().ProfileID != 3);
        m_Changes.clear();
        rig.mouse.sendNotice(3, 5, 2, 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_Changes.size(), 1, 5000);
        QTest::qWait(300);
        QCOMPARE(m_Changes.size(), 1);
        QCOMPARE(m_Changes[0].interface, kMouse);
        QCOMPARE(m_Changes[0].invalidated, QStringList());
        const QVariantMap changed = m_Changes[0].changed;
        QCOMPARE(changed.keys(), (QStringList{"ActiveProfile", "DpiStage", "ReportRate"}));
        QCOMPARE(changed["ActiveProfile"].userType(), int(QMetaType::UInt));
        QCOMPARE(changed["ActiveProfile"].toUInt(), 4u);
        QCOMPARE(changed["DpiStage"].toUInt(), 6u);
        QCOMPARE(changed["ReportRate"].toUInt(), 500u);
        QCOMPARE(property("ReportRate").toUInt(), 500u);

        // The same status again changes nothing, so nothing is announced.
        rig.mouse.sendNotice(3, 5, 2, 0);
        QTest::qWait(1500);
        QCOMPARE(m_Changes.size(), 1);

        // A sleeping mouse: no level.
        m_Changes.clear();
        w.deviceStatus().slotRefreshBatteryStatus(0, 0, 0);
        QTRY_COMPARE(m_Changes.size(), 1);
        QCOMPARE(m_Changes[0].changed, (QVariantMap{{"Asleep", true}, {"BatteryPercent", -1}}));
        w.deviceStatus().slotRefreshBatteryStatus(1, 0x00, 3); // awake, 10 %, charging
        QTRY_COMPARE(m_Changes.size(), 2);
        QCOMPARE(m_Changes[1].changed,
                 (QVariantMap{{"Asleep", false}, {"BatteryPercent", 10}, {"Charging", true}}));

        // Receiver pulled: no mouse, nothing known of it.
        m_Changes.clear();
        rig.mouse.unplug(SimLink::Receiver);
        QTRY_VERIFY_WITH_TIMEOUT(!m_Changes.isEmpty(), 5000);
        QTest::qWait(100);
        QVariantMap merged;
        for (const Change &c : qAsConst(m_Changes))
            merged.insert(c.changed);
        QCOMPARE(merged.value("Connected"), QVariant(false));
        QCOMPARE(merged.value("Link"), QVariant(QString()));
        QCOMPARE(merged.value("BatteryPercent"), QVariant(-1));
        QCOMPARE(merged.value("Charging"), QVariant(false));
    }

    void selectProfileSwitchesTheMouse()
    {
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        waitForFirstReading(w);
        QVERIFY(rig.mouse.activeProfile() != 2);

        QCOMPARE(callMouse("SelectProfile", {3u}).type(), QDBusMessage::ReplyMessage);
        // The mouse itself, not the window, says which profile is active.
        QCOMPARE(rig.mouse.activeProfile(), 2);
        QVERIFY(w.profileSlotButton(2)->isOn());
        QTRY_COMPARE(property("ActiveProfile").toUInt(), 3u);
        QVERIFY(std::any_of(m_Changes.begin(), m_Changes.end(),
                            [](const Change &c) { return c.changed.value("ActiveProfile") == QVariant(3u); }));

        for (uint refused : {0u, 6u, 9u}) {
            const QDBusMessage reply = callMouse("SelectProfile", {refused});
            QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
            QCOMPARE(reply.errorName(), QString("org.freedesktop.DBus.Error.InvalidArgs"));
        }
        QCOMPARE(rig.mouse.activeProfile(), 2);

        // While the slot buttons are off (a macro being recorded) the call is refused too.
        w.slotEnableButtons(false);
        const QDBusMessage busy = callMouse("SelectProfile", {1u});
        QCOMPARE(busy.errorName(), QString(MOUSECFG_APP_ID ".Error.Busy"));
        QCOMPARE(rig.mouse.activeProfile(), 2);
        w.slotEnableButtons(true);
        QCOMPARE(callMouse("SelectProfile", {1u}).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(rig.mouse.activeProfile(), 0);
    }

    void showWindowAndActivateRaiseTheWindow()
    {
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        waitForFirstReading(w);
        w.hide();
        QCOMPARE(callMouse("ShowWindow").type(), QDBusMessage::ReplyMessage);
        QVERIFY(w.isVisible());
        w.showMinimized();
        const QString application = "org.freedesktop.Application";
        QCOMPARE(callMouse("Activate", {QVariantMap()}, application).type(), QDBusMessage::ReplyMessage);
        QVERIFY(w.isVisible() && !w.isMinimized());
        const QDBusMessage open = callMouse("Open", {QStringList{"file:///x"}, QVariantMap()}, application);
        QCOMPARE(open.errorName(), QString("org.freedesktop.DBus.Error.NotSupported"));
    }

    void aNameHeldElsewhereLeavesTheWindowRunning()
    {
        QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "other");
        QVERIFY(other.registerService(kService));
        {
            WindowDataFolder data;
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("belongs to another program"));
            WindowRig rig;
            MousecfgWidget &w = *rig.window;
            waitForFirstReading(w);
            QCOMPARE(m_Client.interface()->serviceOwner(kService).value(), other.baseService());
            QCOMPARE(w.mouseCount(), 1);
            // Nothing of this window is on the bus, not even under its unique name.
            QDBusMessage probe = QDBusMessage::createMethodCall(QDBusConnection::sessionBus().baseService(), kPath,
                                                                "org.freedesktop.DBus.Properties", "GetAll");
            probe << kMouse;
            QDBusPendingCall pending = m_Client.asyncCall(probe);
            QTRY_VERIFY(pending.isFinished());
            QVERIFY(pending.isError());
        }
        other.unregisterService(kService);
        QDBusConnection::disconnectFromBus("other");
        // The next window takes the name that is free again.
        WindowDataFolder data;
        WindowRig rig;
        QCOMPARE(m_Client.interface()->serviceOwner(kService).value(), QDBusConnection::sessionBus().baseService());
    }

    // ---- low-battery notices

    void noticesReplaceOneNotificationOncePerLevel()
    {
        FakeNotificationServer server("notifications");
        QVERIFY(server.registered);
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        waitForFirstReading(w);
        QVERIFY(server.calls.isEmpty());

        w.deviceStatus().slotRefreshBatteryStatus(0, 0x10, 3); // raw 784: 20 %
        QTRY_COMPARE(server.calls.size(), 1);
        const FakeNotificationServer::Call first = server.calls[0];
        QCOMPARE(first.replacesId, 0u);
        QCOMPARE(first.appName, QCoreApplication::applicationName());
        QCOMPARE(first.summary, QString("DRUV M7 Wireless"));
        QCOMPARE(first.body, QString("Mouse battery low: 20%"));
        QCOMPARE(first.hints.value("category"), QVariant("device"));
        QCOMPARE(first.hints.value("desktop-entry"), QVariant(MOUSECFG_APP_ID));
        QCOMPARE(first.hints.value("urgency").userType(), int(QMetaType::UChar));
        QCOMPARE(first.hints.value("urgency").value<uchar>(), uchar(1));

        // The same level again: nothing more. The mouse's lowest step: the critical notice.
        w.deviceStatus().slotRefreshBatteryStatus(0, 0x10, 3); // 20 %
        w.deviceStatus().slotRefreshBatteryStatus(0, 0x00, 3); // 10 %
        QTRY_COMPARE(server.calls.size(), 2);
        QCOMPARE(server.calls[1].replacesId, 41u);
        QCOMPARE(server.calls[1].hints.value("urgency").value<uchar>(), uchar(2));
        QCOMPARE(server.calls[1].body, QString("Mouse battery almost empty: 10%. Charge it now."));
        w.deviceStatus().slotRefreshBatteryStatus(0, 0x00, 2);
        // A sleeping mouse has no level to warn of.
        w.deviceStatus().slotRefreshBatteryStatus(0, 0, 0);
        QTest::qWait(300);
        QCOMPARE(server.calls.size(), 2);

        // Charged, then low again: the notice replaces the one the server named last.
        w.deviceStatus().slotRefreshBatteryStatus(1, 0x00, 3);
        w.deviceStatus().slotRefreshBatteryStatus(0, 0x10, 3);
        QTRY_COMPARE(server.calls.size(), 3);
        QCOMPARE(server.calls[2].replacesId, 42u);
        QCOMPARE(server.calls[2].hints.value("urgency").value<uchar>(), uchar(1));
        // The server answered every time: no balloon.
        QCOMPARE(w.lastTrayNotice(), QString());
    }

    void withoutAServerTheTrayTells()
    {
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        waitForFirstReading(w);
        QVERIFY(!m_Client.interface()->isServiceRegistered(kNotifications).value());
        w.deviceStatus().slotRefreshBatteryStatus(0, 0x10, 3);
        QTRY_COMPARE(w.lastTrayNotice(), QString("Mouse battery low: 20%"));

        // A server that fails the call: the tray again.
        FakeNotificationServer server("failing");
        server.failing = true;
        w.deviceStatus().slotRefreshBatteryStatus(0, 0x00, 3);
        QTRY_COMPARE(w.lastTrayNotice(), QString("Mouse battery almost empty: 10%. Charge it now."));
        QVERIFY(server.calls.isEmpty());
    }

    void noticesWaitingForAnAnswerKeepOnlyTheNewest()
    {
        FakeNotificationServer server("queue");
        DesktopNotifications notifications(QDBusConnection::sessionBus());
        QSignalSpy shown(&notifications, &DesktopNotifications::shown);
        notifications.notify({"m", "one", DesktopNotifications::Urgency::Normal});
        notifications.notify({"m", "two", DesktopNotifications::Urgency::Normal});
        notifications.notify({"m", "three", DesktopNotifications::Urgency::Critical});
        QTRY_COMPARE(shown.count(), 2);
        QTest::qWait(200);
        QCOMPARE(server.calls.size(), 2);
        QCOMPARE(server.calls[0].body, QString("one"));
        QCOMPARE(server.calls[1].body, QString("three"));
        QCOMPARE(server.calls[1].replacesId, 41u);
        QCOMPARE(notifications.lastId(), 42u);

        // No bus at all: refused at once, within the call.
        DesktopNotifications offline(QDBusConnection(QStringLiteral("no such connection")));
        int failed = 0;
        connect(&offline, &DesktopNotifications::failed, this, [&failed] { ++failed; });
        offline.notify({"m", "one", DesktopNotifications::Urgency::Normal});
        QCOMPARE(failed, 1);
    }

    // ---- measurement

    void noticeToSignalLatency()
    {
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        waitForFirstReading(w);
        std::vector<double> latencies;
        for (int i = 0; i < 30; ++i) {
            m_Changes.clear();
            const qint64 sent = m_Clock.nsecsElapsed();
            // Another profile each time, so every notice changes something.
            rig.mouse.sendNotice(uint8_t((w.workingSet().ProfileID + 1) % 5), uint8_t(i % 8), 1, 0);
            // The first battery reading may still be on its way: only the profile counts.
            const auto profileChange = [this] {
                return std::find_if(m_Changes.begin(), m_Changes.end(),
                                    [](const Change &c) { return c.changed.contains("ActiveProfile"); });
            };
            QTRY_VERIFY_WITH_TIMEOUT(profileChange() != m_Changes.end(), 5000);
            latencies.push_back((profileChange()->atNs - sent) / 1e6);
            // The next notice starts at an unrelated point of the poller's cycle.
            QTest::qWait(37 * (i % 7));
        }
        std::sort(latencies.begin(), latencies.end());
        qInfo("notice on the mouse to PropertiesChanged: median %.1f ms, min %.1f ms, max %.1f ms",
              latencies[latencies.size() / 2], latencies.front(), latencies.back());

        // The window's share: from the poller's report to the signal at the client.
        // The window's share: from the poller's report to the signal at the client, and of that the
        // window's own handling of the notice (profile switch, stage written, panels).
        std::vector<double> window;
        std::vector<double> handling;
        for (int i = 0; i < 30; ++i) {
            m_Changes.clear();
            const qint64 reported = m_Clock.nsecsElapsed();
            w.deviceStatus().slotRefreshStatus(uint8_t((w.workingSet().ProfileID + 1) % 5), uint8_t(i % 8), 1, 0);
            handling.push_back((m_Clock.nsecsElapsed() - reported) / 1e6);
            QTRY_VERIFY_WITH_TIMEOUT(!m_Changes.isEmpty(), 5000);
            window.push_back((m_Changes[0].atNs - reported) / 1e6);
        }
        std::sort(window.begin(), window.end());
        std::sort(handling.begin(), handling.end());
        qInfo("the poller's report to PropertiesChanged: median %.1f ms (the window's handling %.1f ms), "
              "min %.1f ms, max %.1f ms",
              window[window.size() / 2], handling[handling.size() / 2], window.front(), window.back());
    }
};

QTEST_MAIN(TestDesktopBus)
#include "bus_test_desktop.moc"
