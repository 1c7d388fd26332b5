// Automatic profile switching through the window on an X11 display (Xvfb): windows of two
// applications come to the front in turn, as a window manager announces it on the root window,
// and the simulated mouse's active profile follows.

#include "app/mousecfg_widget.h"
#include "device/report_builder.h"
#include "platform/osd_client.h"
#include "sim/sim_hotplug_source.h"
#include "sim/simulated_mouse.h"
#include "storage/app_switch_rules.h"
#include "support/test_env.h"
#include "support/xvfb_server.h"

#include <QSignalSpy>
#include <QtTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <memory>

namespace {

int selectProfileReports(const SimulatedMouse &mouse)
{
    const std::vector<SimReceivedReport> reports = mouse.receivedReports();
    return int(std::count_if(reports.begin(), reports.end(),
                             [](const SimReceivedReport &r) { return r.bytes[3] == kCmdSelectProfile; }));
}

// Plays the window manager: makes client windows and names the active one on the root window.
class FakeDesktop {
public:
    explicit FakeDesktop(Display *display) : m_display(display) {}
    Window makeWindow(const char *instance, const char *className)
    {
        const Window window = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 10, 10, 0, 0, 0);
        XClassHint hint{const_cast<char *>(instance), const_cast<char *>(className)};
        XSetClassHint(m_display, window, &hint);
        XFlush(m_display);
        return window;
    }
    void activate(Window window)
    {
        const unsigned long value = window;
        XChangeProperty(m_display, DefaultRootWindow(m_display), XInternAtom(m_display, "_NET_ACTIVE_WINDOW", False),
                        XA_WINDOW, 32, PropModeReplace, reinterpret_cast<const unsigned char *>(&value), 1);
        XFlush(m_display);
    }

private:
    Display *m_display;
};

} // namespace

class TestAutoSwitch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_server = std::make_unique<XvfbServer>(240, "64x64x24");
        m_display = m_server->display();
        QVERIFY2(m_display, m_server->error());
        // The window's source follows this display; the window itself stays offscreen.
        qputenv("DISPLAY", m_server->name());
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("XDG_SESSION_TYPE");
    }

    void cleanupTestCase() { m_server.reset(); }

    void theMouseFollowsTheApplicationInFront()
    {
        TempAppFolder folder(true);
        SimulatedMouse mouse{SimOptions()};
        SimHotplugSource hotplug(&mouse);
        AppSwitchRules rules;
        rules.enabled = true;
        rules.put("game", 3);
        rules.put("Editor", 2);
        QVERIFY(storeAppSwitchRules(rules).ok());

        FakeDesktop desktop(m_display);
        const Window game = desktop.makeWindow("game", "Game");
        const Window editor = desktop.makeWindow("editor", "Editor");
        const Window other = desktop.makeWindow("xterm", "XTerm");
        MousecfgWidget window(mouse, &hotplug);
        QVERIFY(window.autoSwitch().available());
        QTest::qWait(300);
        mouse.clearReceivedReports();
        QSignalSpy osd(window.osdClient(), &OsdClient::textRequested);

        desktop.activate(game);
        QTRY_COMPARE(mouse.activeProfile(), 2);
        QTRY_COMPARE(int(window.workingSet().ProfileID), 2);
        // The window and the on-screen display follow, as for a switch made on the mouse.
        QCOMPARE(osd.count(), 1);
        QCOMPARE(osd.at(0).at(0).toString(), QString("Profile 3"));
        desktop.activate(editor);
        QTRY_COMPARE(mouse.activeProfile(), 1);
        QCOMPARE(selectProfileReports(mouse), 2);

        // An application without a rule and no default: the mouse stays as it is.
        desktop.activate(other);
        QTest::qWait(200);
        QCOMPARE(mouse.activeProfile(), 1);
        // Back to the editor, whose slot is still active: nothing is sent.
        desktop.activate(editor);
        QTest::qWait(200);
        QCOMPARE(selectProfileReports(mouse), 2);

        // A slot chosen by hand stays until the next change of application.
        window.profileManager().chooseSlot(4);
        QTRY_COMPARE(mouse.activeProfile(), 4);
        QTest::qWait(200);
        QCOMPARE(mouse.activeProfile(), 4);
        desktop.activate(game);
        QTRY_COMPARE(mouse.activeProfile(), 2);

        // A default slot for any other application; turned off, nothing follows.
        rules.defaultSlot = 5;
        QVERIFY(storeAppSwitchRules(rules).ok());
        desktop.activate(other);
        QTRY_COMPARE(mouse.activeProfile(), 4);
        rules.enabled = false;
        QVERIFY(storeAppSwitchRules(rules).ok());
        const int sent = selectProfileReports(mouse);
        desktop.activate(editor);
        QTest::qWait(200);
        QCOMPARE(selectProfileReports(mouse), sent);
        QCOMPARE(mouse.activeProfile(), 4);
    }

    void latencyFromFocusToTheSwitch()
    {
        TempAppFolder folder(true);
        SimulatedMouse mouse{SimOptions()};
        SimHotplugSource hotplug(&mouse);
        AppSwitchRules rules;
        rules.enabled = true;
        rules.put("one", 1);
        rules.put("two", 2);
        QVERIFY(storeAppSwitchRules(rules).ok());
        FakeDesktop desktop(m_display);
        const Window windows[] = {desktop.makeWindow("one", "One"), desktop.makeWindow("two", "Two")};
        MousecfgWidget window(mouse, &hotplug);
        QTest::qWait(300);

        // From the property change to the moment the switch report reached the mouse (the rest
        // of the switch, its commits, follows on the window's thread).
        std::vector<qint64> micros;
        for (int i = 0; i < 50; ++i) {
            mouse.clearReceivedReports();
            const auto start = std::chrono::steady_clock::now();
            desktop.activate(windows[(i + 1) % 2]);
            QTRY_COMPARE(selectProfileReports(mouse), 1);
            QCOMPARE(mouse.activeProfile(), (i + 1) % 2);
            for (const SimReceivedReport &r : mouse.receivedReports()) {
                if (r.bytes[3] == kCmdSelectProfile)
                    micros.push_back(std::chrono::duration_cast<std::chrono::microseconds>(r.received - start).count());
            }
        }
        std::sort(micros.begin(), micros.end());
        qInfo("focus change to the profile switch: median %.1f ms, worst %.1f ms over 50", micros[25] / 1000.0,
              micros.back() / 1000.0);
    }

private:
    std::unique_ptr<XvfbServer> m_server;
    Display *m_display = nullptr;
};

QTEST_MAIN(TestAutoSwitch)
#include "gui_test_auto_switch.moc"
