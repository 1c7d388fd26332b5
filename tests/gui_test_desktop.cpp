// The window as a desktop application: "Start with the desktop" in the tray menu, and the start
// with --hidden.

#include "app/mousecfg_widget.h"
#include "app/window_messages.h"
#include "platform/autostart.h"
#include "sim/sim_hotplug_source.h"
#include "sim/simulated_mouse.h"
#include "support/test_env.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_status_text.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The window on a simulated mouse, in an application folder of its own with the shipped model.
struct Rig {
    explicit Rig(bool receiver = true)
        : mouse(options(receiver)), hotplug(&mouse)
    {
        QFile::remove(folder.filePath("DefaultProfile.bin"));
        QFile::copy(QStringLiteral(MOUSECFG_APP_DIR) + "/DefaultProfile.bin", folder.filePath("DefaultProfile.bin"));
    }
    static SimOptions options(bool receiver)
    {
        SimOptions o;
        o.receiver = receiver;
        return o;
    }
    MousecfgWidget &window()
    {
        if (!widget)
            widget = std::make_unique<MousecfgWidget>(mouse, &hotplug);
        return *widget;
    }
    TempAppFolder folder{true};
    SimulatedMouse mouse;
    SimHotplugSource hotplug;
    std::unique_ptr<MousecfgWidget> widget;
};

// Past the window's 200 ms start-up check.
void passStartCheck() { QTest::qWait(400); }

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
        qputenv("GSETTINGS_BACKEND", "memory");
    }

    void trayEntryWritesAndRemovesTheAutostartEntry()
    {
        Rig rig;
        MousecfgWidget &w = rig.window();
        QAction *action = w.autostartAction();
        QVERIFY(action && action->isCheckable() && !action->isChecked());
        QVERIFY(w.trayMenu()->actions().contains(action));
        QCOMPARE(action->text(), QString("Start with the desktop"));

        action->trigger();
        QVERIFY(action->isChecked());
        const QString entry = m_config->path() + "/autostart/mousecfg.desktop";
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        file.close();
        QVERIFY2(text.contains("\nExec=" + Autostart::execArgument(QCoreApplication::applicationFilePath()) + " --hidden\n"),
                 qPrintable(text));
        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        QVERIFY2(!validator.isEmpty(), "desktop-file-validate is missing (scripts/deps.sh installs it)");
        QProcess validate;
        validate.start(validator, {entry});
        QVERIFY(validate.waitForFinished(30000));
        QCOMPARE(validate.exitCode(), 0);
        QCOMPARE(validate.readAllStandardOutput() + validate.readAllStandardError(), QByteArray());

        action->trigger();
        QVERIFY(!action->isChecked());
        QVERIFY(!QFile::exists(entry));

        // Removed or switched off elsewhere meanwhile: the menu shows it when it opens.
        QVERIFY(Autostart::setEnabled(true, "/usr/bin/mousecfg"));
        QMetaObject::invokeMethod(w.trayMenu(), "aboutToShow");
        QVERIFY(action->isChecked());
        QVERIFY(QFile::remove(entry));
        QMetaObject::invokeMethod(w.trayMenu(), "aboutToShow");
        QVERIFY(!action->isChecked());
        QVERIFY(!QFile::exists(entry)); // showing the state writes nothing
    }

    void aFailedWriteLeavesTheEntryUnchecked()
    {
        QFile blocker(m_config->path() + "/autostart");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Rig rig;
        QAction *action = rig.window().autostartAction();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^cannot write .*/autostart/mousecfg.desktop$"));
        action->trigger();
        QVERIFY(!action->isChecked());
    }

    void hiddenStartStaysInTheTray()
    {
        Rig rig;
        MousecfgWidget &w = rig.window();
        w.setTrayAvailable(true);
        w.startHidden();
        QCOMPARE(w.mouseCount(), 1);
        passStartCheck();
        QVERIFY(!w.isVisible());
        QVERIFY(!w.warningBox());
        // The tray brings it up as usual.
        emit w.trayIcon()->activated(QSystemTrayIcon::Trigger);
        QVERIFY(w.isVisible());
    }

    // Clicked up before the start-up check (the icon comes before the window): it stays up.
    void aWindowAskedForDuringAHiddenStartStaysShown()
    {
        Rig rig;
        MousecfgWidget &w = rig.window();
        w.setTrayAvailable(true);
        w.startHidden();
        w.activateTray(QSystemTrayIcon::Trigger);
        QVERIFY(w.isVisible());
        passStartCheck();
        QVERIFY(w.isVisible());
        // A click on the icon before the tray's menu was there opens the menu.
        w.activateTray(QSystemTrayIcon::Context);
        QTRY_VERIFY(w.trayMenu()->isVisible());
        w.trayMenu()->close();
    }

    void hiddenStartWithoutATrayShowsTheWindowAndSaysWhy()
    {
        Rig rig;
        MousecfgWidget &w = rig.window();
        w.setTrayAvailable(false);
        w.startHidden();
        passStartCheck();
        // Hidden without a tray it could never be brought back: it shows, and says why.
        QVERIFY(w.isVisible() && !w.isMinimized());
        QVERIFY(!w.warningBox());
        QCOMPARE(w.statusText()->text(), noTrayText());
        // The notice follows the language, and stays the same notice.
        w.languageMenu()->actions().at(2)->trigger();
        QCOMPARE(w.statusText()->text(), noTrayText());
        QVERIFY(w.statusText()->text().startsWith("Kein Infobereich:"));
        w.languageMenu()->actions().at(0)->trigger();
    }

    void hiddenStartWithoutAMouseStillWarns()
    {
        Rig rig(false);
        MousecfgWidget &w = rig.window();
        w.setTrayAvailable(true);
        w.startHidden();
        QCOMPARE(w.mouseCount(), 0);
        QTRY_VERIFY(w.warningBox());
        QVERIFY(w.isVisible() && w.isWarningOpen());
        // Accepting it hides the window again while no mouse is there.
        w.warningBox()->accept();
        QTRY_VERIFY(!w.isVisible());
    }

private:
    std::unique_ptr<QTemporaryDir> m_config;
};

QTEST_MAIN(TestDesktop)
#include "gui_test_desktop.moc"
