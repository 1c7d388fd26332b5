// A start into the tray, as the program runs on an X display with a system tray: a private Xvfb
// and mousecfg-trayhost, the program as a process, clicks through the X test extension.

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
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

// An application folder with the shipped model description under a product name of its own,
// so that no other copy of the program shares its lock.
QString makeAppFolder(const QTemporaryDir &dir, const QString &product)
{
    const QString model = dir.path() + "/DefaultProfile.bin";
    QFile::copy(appDir() + "/DefaultProfile.bin", model);
    QFile::setPermissions(model, QFile::ReadOwner | QFile::WriteOwner);
    QSettings(model, QSettings::IniFormat).setValue("PROFILE/ProductName", product);
    return dir.path();
}

// Whether a top-level window named `name` is mapped on the display.
bool windowShown(Display *display, const QString &name)
{
    Window root = 0, parent = 0;
    Window *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return false;
    bool shown = false;
    for (unsigned i = 0; i < count && !shown; ++i) {
        XWindowAttributes attributes;
        char *title = nullptr;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            XFetchName(display, children[i], &title) && title) {
            shown = QString::fromLocal8Bit(title) == name;
        }
        if (title)
            XFree(title);
    }
    if (children)
        XFree(children);
    return shown;
}

} // namespace

class TestTrayStart : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(appDir() + "/mousecfg"), "the mousecfg program is not built");
        QVERIFY2(QFile::exists(appDir() + "/mousecfg-trayhost"), "the tray host is not built");
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        QVERIFY2(!xvfb.isEmpty(), "Xvfb is missing (scripts/deps.sh installs it)");
        const int number = 340 + int(QCoreApplication::applicationPid() % 100);
        m_server.start(xvfb, {QStringLiteral(":%1").arg(number), "-noreset", "-nolisten", "tcp", "-screen", "0",
                              "1280x800x24"});
        QVERIFY(m_server.waitForStarted());
        m_displayName = ":" + QByteArray::number(number);
        for (int i = 0; i < 100 && !m_display; ++i) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
                m_display = XOpenDisplay(m_displayName.constData());
            if (!m_display)
                QTest::qWait(50);
        }
        QVERIFY2(m_display, "Xvfb did not come up");
    }

    void cleanupTestCase()
    {
        if (m_display)
            XCloseDisplay(m_display);
        m_server.terminate();
        m_server.waitForFinished();
    }

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
        startProgram(makeAppFolder(dir, product));
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
        QTRY_VERIFY_WITH_TIMEOUT(menuShown(), 10000);
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
        const QString folder = makeAppFolder(dir, product);
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
        env.insert("DISPLAY", QString::fromLatin1(m_displayName));
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
        env.insert("DISPLAY", QString::fromLatin1(m_displayName));
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

    // Whether a menu pops up: an override-redirect window mapped away from the tray.
    bool menuShown()
    {
        Window root = 0, parent = 0;
        Window *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count))
            return false;
        bool shown = false;
        for (unsigned i = 0; i < count && !shown; ++i) {
            XWindowAttributes attributes;
            shown = XGetWindowAttributes(m_display, children[i], &attributes) && attributes.map_state == IsViewable &&
                    attributes.override_redirect && attributes.height > 2 * kIconMiddle;
        }
        if (children)
            XFree(children);
        return shown;
    }

    QProcess m_server;
    QProcess m_tray;
    QProcess m_program;
    QByteArray m_displayName;
    Display *m_display = nullptr;
    QByteArray m_err;
    QByteArray m_trayOut;
};

QTEST_GUILESS_MAIN(TestTrayStart)
#include "gui_test_tray_start.moc"
