// A start into the tray, as the program runs on an X display with a system tray: a private Xvfb
// and mousecfg-trayhost, the program as a process, clicks through the X test extension.

#include "support/test_env.h"
#include "support/xvfb_server.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <memory>

namespace {

QString appDir() { return QStringLiteral(MOUSECFG_APP_DIR); }

// The first icon's middle: the tray host docks icons side by side from its corner.
constexpr int kIconMiddle = 11;

// Whether a mapped top-level window on the display is one `wanted` accepts.
template <typename Wanted>
bool anyWindowShown(Display *display, Wanted wanted)
{
    Window root = 0, parent = 0;
    Window *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return false;
    bool shown = false;
    for (unsigned i = 0; i < count && !shown; ++i) {
        XWindowAttributes attributes;
        shown = XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
                wanted(children[i], attributes);
    }
    if (children)
        XFree(children);
    return shown;
}

// Whether a top-level window named `name` is mapped on the display.
bool windowShown(Display *display, const QString &name)
{
    return anyWindowShown(display, [display, &name](Window window, const XWindowAttributes &) {
        char *title = nullptr;
        const bool named = XFetchName(display, window, &title) && title && QString::fromLocal8Bit(title) == name;
        if (title)
            XFree(title);
        return named;
    });
}

// Whether a menu pops up: an override-redirect window taller than the tray's icons.
bool menuShown(Display *display)
{
    return anyWindowShown(display, [](Window, const XWindowAttributes &attributes) {
        return attributes.override_redirect && attributes.height > 2 * kIconMiddle;
    });
}

} // namespace

class TestTrayStart : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(appDir() + "/mousecfg"), "the mousecfg program is not built");
        QVERIFY2(QFile::exists(appDir() + "/mousecfg-trayhost"), "the tray host is not built");
        m_server = std::make_unique<XvfbServer>(340, "1280x800x24");
        m_display = m_server->display();
        QVERIFY2(m_display, m_server->error());
    }

    void cleanupTestCase() { m_server.reset(); }

    void cleanup()
    {
        for (QProcess *process : {&m_program, &m_tray}) {
            process->kill();
            process->waitForFinished();
        }
        m_err.clear();
        m_trayOut.clear();
    }

    // The icon is in the tray and drawn before the window is built, and it is the icon the
    // window's tray then works: one icon docked, its clicks show and hide the window, its menu.
    void theIconComesBeforeTheWindowAndStays()
    {
        startTray({});
        QTemporaryDir dir;
        const QString product = QString("Tray start %1").arg(QCoreApplication::applicationPid());
        startProgram(makeProductAppFolder(dir, product));
        QTRY_VERIFY_WITH_TIMEOUT(programSaid("start: window made"), 30000);
        QVERIFY(trayReported().contains("docked"));
        const qsizetype drawn = m_err.indexOf("start: tray icon drawn");
        QVERIFY2(drawn >= 0, m_err.constData());
        QVERIFY2(drawn < m_err.indexOf("start: frame built"), m_err.constData());
        // The start-up check leaves it in the tray: a mouse is there.
        QTest::qWait(600);
        QVERIFY(!windowShown(m_display, product));

        click(Button1);
        QTRY_VERIFY_WITH_TIMEOUT(windowShown(m_display, product), 10000);
        click(Button1);
        QTRY_VERIFY_WITH_TIMEOUT(!windowShown(m_display, product), 10000);
        click(Button3);
        QTRY_VERIFY_WITH_TIMEOUT(menuShown(m_display), 10000);
        // The window's tray took the icon over: never a second icon, never one gone.
        QCOMPARE(trayReported().count("docked"), 1);
        QCOMPARE(trayReported().count("gone"), 0);
    }

    // A tray that draws the icons itself gives no sign of having drawn ours: the window is built
    // all the same, and comes up when another start asks for it.
    void aTrayGivingNoSignStillGetsTheWindow()
    {
        startTray({"--no-dock"});
        QTemporaryDir dir;
        const QString product = QString("Silent tray %1").arg(QCoreApplication::applicationPid());
        const QString folder = makeProductAppFolder(dir, product);
        startProgram(folder);
        QTRY_VERIFY_WITH_TIMEOUT(programSaid("start: window made"), 30000);
        QVERIFY(!m_err.contains("start: tray icon drawn"));
        QTest::qWait(600);
        QVERIFY(!windowShown(m_display, product));

        QProcess second;
        second.setProcessEnvironment(programEnvironment());
        second.start(appDir() + "/mousecfg", {"--simulate", "--data-dir", folder});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(windowShown(m_display, product), 10000);
    }

private:
    QProcessEnvironment programEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", QString::fromLatin1(m_server->name()));
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("GSETTINGS_BACKEND", "memory");
        env.remove("WAYLAND_DISPLAY");
        env.remove("MOUSECFG_DATA_DIR");
        env.remove("MOUSECFG_SCALE_STEP");
        env.remove("QT_LOGGING_RULES");
        return env;
    }

    void startTray(const QStringList &args)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", QString::fromLatin1(m_server->name()));
        m_tray.setProcessEnvironment(env);
        m_tray.start(appDir() + "/mousecfg-trayhost", args);
        QVERIFY(m_tray.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(trayReported().contains("ready"), 10000);
    }

    void startProgram(const QString &folder)
    {
        m_program.setProcessEnvironment(programEnvironment());
        m_program.start(appDir() + "/mousecfg", {"--simulate", "--hidden", "--verbose", "--data-dir", folder});
        QVERIFY(m_program.waitForStarted());
    }

    bool programSaid(const char *text)
    {
        m_err += m_program.readAllStandardError();
        return m_err.contains(text);
    }

    QByteArray trayReported()
    {
        m_trayOut += m_tray.readAllStandardOutput();
        return m_trayOut;
    }

    void click(unsigned button)
    {
        XTestFakeMotionEvent(m_display, 0, kIconMiddle, kIconMiddle, CurrentTime);
        XTestFakeButtonEvent(m_display, button, True, CurrentTime);
        XTestFakeButtonEvent(m_display, button, False, CurrentTime);
        XFlush(m_display);
    }

    std::unique_ptr<XvfbServer> m_server;
    QProcess m_tray;
    QProcess m_program;
    Display *m_display = nullptr;
    QByteArray m_err;
    QByteArray m_trayOut;
};

QTEST_GUILESS_MAIN(TestTrayStart)
#include "gui_test_tray_start.moc"
