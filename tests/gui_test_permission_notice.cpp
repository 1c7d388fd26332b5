// The window on a mouse it lists but cannot open (--simulate=denied): the permission notice with
// the diagnosis of a fake system tree (MOUSECFG_DOCTOR_ROOT) takes the place of the
// "Dongle Disconnect!" warning and of a window that silently does nothing.

#include "app/device_status.h"
#include "app/permission_notice.h"
#include "device/device_link.h"
#include "device/device_state.h"
#include "support/window_rig.h"
#include "widgets/tarn_message_box.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <unistd.h>

namespace {

// A receiver node that only root may open, and no udev rule anywhere.
struct FakeTree {
    FakeTree()
    {
        write("/sys/class/hidraw/hidraw3/device/uevent", "HID_ID=0003:0000248A:0000FA02\n");
        write("/sys/class/hidraw/hidraw3/dev", "243:3\n");
        write("/dev/hidraw3", {});
        qputenv("MOUSECFG_DOCTOR_ROOT", dir.path().toLocal8Bit());
        // Root may open anything: as root the check is made for the user who ran sudo.
        if (::geteuid() == 0) {
            QFile::setPermissions(dir.path() + "/dev/hidraw3", QFile::ReadOwner | QFile::WriteOwner);
            qputenv("SUDO_UID", "4242");
        } else {
            QFile::setPermissions(dir.path() + "/dev/hidraw3", {});
        }
    }
    ~FakeTree()
    {
        qunsetenv("MOUSECFG_DOCTOR_ROOT");
        qunsetenv("SUDO_UID");
    }
    void write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(dir.path() + path).path());
        QFile file(dir.path() + path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTemporaryDir dir;
};

SimOptions denied()
{
    SimOptions options;
    options.faults.denied = true;
    return options;
}

} // namespace

class TestPermissionNotice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("GSETTINGS_BACKEND", "memory");
        qunsetenv("DISPLAY");
    }
    void init() { g_mouseOff.store(false); }

    void aListedMouseThatDoesNotOpenIsExplained()
    {
        WindowDataFolder data;
        FakeTree tree;
        WindowRig rig(denied());
        MousecfgWidget &w = *rig.window;
        w.setTrayAvailable(true);
        QCOMPARE(w.mouseCount(), 1);
        QVERIFY(!w.deviceLink().commandHandle());
        QTRY_VERIFY(w.deviceStatus().permissionNotice());
        PermissionNotice *notice = w.deviceStatus().permissionNotice();
        QVERIFY(w.isVisible() && notice->isVisible());
        QVERIFY(!w.warningBox());
        const QString body = notice->bodyText();
        QVERIFY2(body.contains("/dev/hidraw3 cannot be opened by"), qPrintable(body));
        QVERIFY(body.contains("is in none of the folders udev reads"));
        QVERIFY(body.contains(kUdevReloadCommand));

        // "Copy commands" gives exactly the fixes, in order.
        QTest::mouseClick(notice->copyButton(), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), notice->report().commands().join('\n') + '\n');

        // Asked again (the tray's "Load Config"), the same notice comes forward, in the window's
        // language now.
        w.languageMenu()->actions().at(2)->trigger(); // Deutsch
        w.loadConfigAction()->trigger();
        QCOMPARE(w.deviceStatus().permissionNotice(), notice);
        QCOMPARE(w.findChildren<PermissionNotice *>().size(), 1);
        QCOMPARE(notice->findChild<QLabel *>("permissionHeading")->text(), QString("Die Maus kann nicht geöffnet werden"));
        QVERIFY2(notice->bodyText().contains("/dev/hidraw3 kann von"), qPrintable(notice->bodyText()));

        // Fixed: "Check again" reopens the mouse and the notice goes.
        rig.mouse.setDenied(false);
        QTest::mouseClick(notice->recheckButton(), Qt::LeftButton);
        QTRY_VERIFY(!w.deviceStatus().permissionNotice());
        QVERIFY(w.deviceLink().commandHandle());
    }

    // Re-plugged but still without access: the notice comes in place of the warning.
    void theNoticeReplacesTheDisconnectWarning()
    {
        WindowDataFolder data;
        FakeTree tree;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        w.setTrayAvailable(true);
        QTRY_VERIFY(w.isVisible());
        QVERIFY(w.deviceLink().commandHandle());
        QVERIFY(!w.deviceStatus().permissionNotice());

        rig.mouse.unplug(SimLink::Receiver);
        QTRY_VERIFY_WITH_TIMEOUT(w.warningBox(), 3000);
        rig.mouse.setDenied(true);
        rig.mouse.plug(SimLink::Receiver);
        QTRY_VERIFY_WITH_TIMEOUT(w.deviceStatus().permissionNotice(), 3000);
        QTRY_VERIFY(!w.warningBox());
        QVERIFY(w.deviceStatus().permissionNotice()->isVisible());
        QCOMPARE(w.mouseCount(), 1);
    }
};

QTEST_MAIN(TestPermissionNotice)
#include "gui_test_permission_notice.moc"
