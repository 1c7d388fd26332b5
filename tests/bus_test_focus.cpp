// Automatic switching on Wayland: the desktop's script reports the window in front on the
// session bus. A client calls ReportFocus as the KWin script and the GNOME Shell extension do;
// a fake KWin takes the window's script; a fake GNOME Shell answers for its extension. CTest runs
// this program under dbus-run-session, so the bus is a private one.

#include "device/report_builder.h"
#include "platform/focused_app_bus.h"
#include "platform/kwin_script_loader.h"
#include "storage/app_paths.h"
#include "storage/app_switch_rules.h"
#include "support/window_rig.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFileInfo>
#include <QMutex>
#include <QProcess>
#include <QSemaphore>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <algorithm>

namespace {

const QString kService = QStringLiteral(MOUSECFG_APP_ID);
const QString kPath = QStringLiteral("/io/github/mousecfg/mousecfg");
const QString kMouse = QStringLiteral(MOUSECFG_APP_ID ".Mouse");

int selectProfileReports(const SimulatedMouse &mouse)
{
    const std::vector<SimReceivedReport> reports = mouse.receivedReports();
    return int(std::count_if(reports.begin(), reports.end(),
                             [](const SimReceivedReport &r) { return r.bytes[3] == kCmdSelectProfile; }));
}

} // namespace

// KWin's scripting object: records each call in order.
class FakeKWinScripting : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.kwin.Scripting")
public:
    explicit FakeKWinScripting(int scriptId = 7)
        : m_Bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "kwin")), m_iScriptId(scriptId)
    {
        m_Bus.registerObject("/Scripting", this, QDBusConnection::ExportAllSlots);
        registered = m_Bus.registerService("org.kde.KWin");
    }
    ~FakeKWinScripting() override
    {
        m_Bus.unregisterService("org.kde.KWin");
        m_Bus.unregisterObject("/Scripting");
        QDBusConnection::disconnectFromBus(m_Bus.name());
    }
    QStringList calls;
    bool registered = false;

public slots:
    int loadScript(const QString &filePath, const QString &pluginName)
    {
        calls << "loadScript " + filePath + " " + pluginName;
        return m_iScriptId;
    }
    void start() { calls << "start"; }
    bool unloadScript(const QString &pluginName)
    {
        calls << "unloadScript " + pluginName;
        return false;
    }

private:
    QDBusConnection m_Bus;
    int m_iScriptId;
};

// GNOME Shell's extension list, on a thread of its own: the window asks it with a blocking call.
class FakeShellExtensions : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.Extensions")
public:
    void setInfo(const QVariantMap &info)
    {
        QMutexLocker lock(&m_Mutex);
        m_Info = info;
    }

public slots:
    QVariantMap GetExtensionInfo(const QString &uuid)
    {
        QMutexLocker lock(&m_Mutex);
        return uuid == QLatin1String(kGnomeFocusExtension) ? m_Info : QVariantMap();
    }

private:
    QMutex m_Mutex;
    QVariantMap m_Info;
};

class ShellThread : public QThread {
public:
    FakeShellExtensions *extensions = nullptr;
    QSemaphore ready;
    ~ShellThread() override
    {
        quit();
        wait();
    }

protected:
    void run() override
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "shell");
        FakeShellExtensions shell;
        bus.registerObject("/org/gnome/Shell", &shell, QDBusConnection::ExportAllSlots);
        bus.registerService("org.gnome.Shell");
        extensions = &shell;
        ready.release();
        exec();
        bus.unregisterService("org.gnome.Shell");
        bus.unregisterObject("/org/gnome/Shell");
        QDBusConnection::disconnectFromBus(bus.name());
    }
};

class TestFocusBus : public QObject {
    Q_OBJECT
private:
    QDBusConnection m_Client{QString()};

    // A report as the desktop's script sends it; true when the window answered it.
    bool report(const QString &resourceClass, const QString &resourceName, int pid)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kMouse, "ReportFocus");
        call << resourceClass << resourceName << pid;
        QDBusPendingCall pending = m_Client.asyncCall(call);
        if (!QTest::qWaitFor([&pending] { return pending.isFinished(); }, 10000))
            return false;
        return pending.reply().type() == QDBusMessage::ReplyMessage;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "no session bus: run under dbus-run-session");
        m_Client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "client");
        qputenv("XDG_SESSION_TYPE", "wayland");
        qunsetenv("DISPLAY");
    }

    void onKdeTheMouseFollowsTheReportsOfTheKWinScript()
    {
        qputenv("XDG_CURRENT_DESKTOP", "KDE");
        FakeKWinScripting kwin;
        QVERIFY(kwin.registered);
        WindowDataFolder data;
        AppSwitchRules rules;
        rules.enabled = true;
        rules.put("game", 3);
        rules.put("org.kde.kate", 2);
        rules.defaultSlot = 1;
        QVERIFY(storeAppSwitchRules(rules).ok());
        QProcess kate; // a process of another application, for its pid
        kate.start("sleep", {"30"});
        QVERIFY(kate.waitForStarted());

        auto rig = std::make_unique<WindowRig>();
        MousecfgWidget &w = *rig->window;
        SimulatedMouse &mouse = rig->mouse;
        QVERIFY(w.autoSwitch().available());
        QTRY_COMPARE_WITH_TIMEOUT(w.lastBatteryLevel(), 80, 10000);

        // The window loaded its own script into KWin: a copy left by an earlier run went first.
        const QString script = AppPaths::resourceFolder() + "/kwin/mousecfg-focus/contents/code/main.js";
        QVERIFY(QFileInfo::exists(script));
        QTRY_COMPARE(kwin.calls, (QStringList{"unloadScript mousecfg-focus",
                                              "loadScript " + script + " mousecfg-focus", "start"}));

        QVERIFY(mouse.activeProfile() != 2);
        mouse.clearReceivedReports();
        QVERIFY(report("Game", "game", 0)); // X11 names under XWayland: the instance matches
        QTRY_COMPARE(mouse.activeProfile(), 2);
        // A Wayland app ID, with the application's pid.
        QVERIFY(report("org.kde.kate", "", int(kate.processId())));
        QTRY_COMPARE(mouse.activeProfile(), 1);
        QCOMPARE(selectProfileReports(mouse), 2);

        // A slot chosen by hand stays while the same application is reported again.
        w.profileManager().chooseSlot(4);
        QTRY_COMPARE(mouse.activeProfile(), 4);
        const int sent = selectProfileReports(mouse);
        QVERIFY(report("org.kde.kate", "", int(kate.processId())));
        QTest::qWait(200);
        QCOMPARE(selectProfileReports(mouse), sent);
        QCOMPARE(mouse.activeProfile(), 4);
        // The window itself in front is no other application: no rule matches it and the default
        // would take slot 1, but the profile being edited stays.
        QVERIFY(report("mousecfg", "mousecfg", int(QCoreApplication::applicationPid())));
        QTest::qWait(200);
        QCOMPARE(selectProfileReports(mouse), sent);
        QCOMPARE(mouse.activeProfile(), 4);
        // No window in front, then the game again.
        QVERIFY(report("", "", 0));
        QVERIFY(report("Game", "game", 0));
        QTRY_COMPARE(mouse.activeProfile(), 2);
        kate.kill();
        kate.waitForFinished();

        // The window takes its script out again when it goes.
        kwin.calls.clear();
        rig.reset();
        QTRY_COMPARE(kwin.calls, QStringList{"unloadScript mousecfg-focus"});
    }

    void aScriptKWinRefusesIsNotUnloadedLater()
    {
        FakeKWinScripting kwin(-1);
        QVERIFY(kwin.registered);
        auto loader = std::make_unique<KWinScriptLoader>(QDBusConnection::sessionBus(), "/nowhere/main.js");
        QSignalSpy finished(loader.get(), &KWinScriptLoader::finished);
        loader->load();
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished[0][0].toBool(), false);
        QVERIFY(!loader->isLoaded());
        // Refused at loadScript: nothing was started.
        QCOMPARE(kwin.calls.last(), QString("loadScript /nowhere/main.js mousecfg-focus"));
        kwin.calls.clear();
        loader.reset();
        QTest::qWait(200);
        QCOMPARE(kwin.calls, QStringList());
    }

    void withoutKWinTheLoaderSaysSo()
    {
        KWinScriptLoader loader(QDBusConnection::sessionBus(), "/nowhere/main.js");
        QSignalSpy finished(&loader, &KWinScriptLoader::finished);
        loader.load();
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished[0][0].toBool(), false);
    }

    void onGnomeTheExtensionMustRun()
    {
        qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
        // No shell on the bus at all.
        FocusedAppBackend none = makeFocusedAppSource();
        QVERIFY(!none.source);
        QVERIFY2(none.unavailable.contains("does not answer"), qPrintable(none.unavailable));

        ShellThread shell;
        shell.start();
        QVERIFY(shell.ready.tryAcquire(1, 5000));
        const QString enable = QString("gnome-extensions enable ") + kGnomeFocusExtension;

        // Unknown to the shell: an empty dictionary.
        shell.extensions->setInfo({});
        FocusedAppBackend unknown = makeFocusedAppSource();
        QVERIFY(!unknown.source);
        QVERIFY2(unknown.unavailable.contains("install") && unknown.unavailable.contains(enable),
                 qPrintable(unknown.unavailable));

        // Installed, not enabled (GNOME's state 2), and failed (3): how to enable it.
        for (double state : {2.0, 3.0}) {
            shell.extensions->setInfo({{"uuid", kGnomeFocusExtension}, {"state", state}, {"enabled", false}});
            FocusedAppBackend off = makeFocusedAppSource();
            QVERIFY(!off.source);
            QVERIFY2(off.unavailable.contains(enable) && off.unavailable.contains("log out and in"),
                     qPrintable(off.unavailable));
        }

        // Running: the bus source, fed by the reports.
        shell.extensions->setInfo({{"uuid", kGnomeFocusExtension}, {"state", 1.0}, {"enabled", true}});
        FocusedAppBackend on = makeFocusedAppSource();
        QVERIFY2(on.source, qPrintable(on.unavailable));
        auto *source = qobject_cast<BusFocusedAppSource *>(on.source.get());
        QVERIFY(source);
        QList<FocusedApp> changed;
        connect(source, &FocusedAppSource::focusChanged, this, [&changed](const FocusedApp &app) { changed << app; });
        source->report("firefox", "Navigator", 0);
        source->report("firefox", "Navigator", 0);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0].classes, (QStringList{"Navigator", "firefox"}));
        QCOMPARE(source->current(), changed[0]);
        source->report("", "", 0);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed[1], FocusedApp());
    }

    void otherWaylandDesktopsHaveNoSource()
    {
        qputenv("XDG_CURRENT_DESKTOP", "sway");
        FocusedAppBackend backend = makeFocusedAppSource();
        QVERIFY(!backend.source);
        QVERIFY(backend.unavailable.contains("KDE Plasma and GNOME"));
    }
};

QTEST_MAIN(TestFocusBus)
#include "bus_test_focus.moc"
