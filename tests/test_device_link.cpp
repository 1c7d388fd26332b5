// The device table, enumeration, opening and hot-plug handling of the device link, against a
// scripted HID backend; the link's waits run in virtual time.

#include "device/clock.h"
#include "device/device_link.h"
#include "device/device_link_observer.h"
#include "device/hotplug_source.h"
#include "storage/app_paths.h"
#include "storage/log_categories.h"
#include "storage/settings_file.h"
#include "support/fake_hid.h"
#include "support/test_env.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QtTest>

#include <cstring>

namespace {

const std::string kRxPointer = "/dev/hidraw3&col01";
const std::string kRxCommand = "/dev/hidraw3&col04";
const std::string kCablePointer = "/dev/hidraw7&col01";
const std::string kCableCommand = "/dev/hidraw7&col04";

class RecordingObserver : public DeviceLinkObserver {
public:
    QStringList calls;
    void stopPoller() override { calls << "stop"; }
    void startPoller() override { calls << "start"; }
    void mouseListChanged(const QStringList &names, bool visible) override
    {
        calls << QString("list:%1:%2").arg(names.join('|')).arg(visible);
    }
    void connectionIndicators(bool receiver, bool cable) override
    {
        calls << QString("indicators:%1:%2").arg(receiver).arg(cable);
    }
    void noDevice() override { calls << "noDevice"; }
    void warning() override { calls << "warning"; }
    void warnClose() override { calls << "warnClose"; }
    void reload() override { calls << "reload"; }
};

class TestHotplugSource : public HotplugSource {
public:
    bool startResult = true;
    bool start() override { return startResult; }
};

void writeSettings(const QString &listName, const QString &current)
{
    QSettings ini(settingsFilePath(), QSettings::IniFormat);
    ini.setValue("Mouse_List/0", listName);
    ini.setValue("Config/CurrentProductName", current);
    ini.setValue("Config/Diff", 0);
}

CollectionEvent collection(bool arrived, uint16_t product, int kind, const std::string &path)
{
    CollectionEvent e;
    e.arrived = arrived;
    e.vendorId = 0x248A;
    e.productId = product;
    e.kind = kind;
    e.fullPath = path;
    return e;
}

struct Rig {
    TempAppFolder dir{true};
    FakeHidBackend backend;
    RecordingObserver observer;
    std::unique_ptr<DeviceLink> link;

    Rig(const QString &name = "Test Mouse")
    {
        writeSettings(name, name);
        link = std::make_unique<DeviceLink>(backend);
        link->setObserver(&observer);
    }
    void addReceiver(const std::string &commandPath = kRxCommand)
    {
        backend.addCollection(kRxPointer, 0x248A, 0xFA02, 1, 2, 1);
        backend.addCollection(commandPath, 0x248A, 0xFA02, 1, 0, 4);
    }
    void addCable()
    {
        backend.addCollection(kCablePointer, 0x248A, 0xFB01, 1, 2, 1);
        backend.addCollection(kCableCommand, 0x248A, 0xFB01, 1, 0, 4);
    }
    void start()
    {
        link->loadMouseList(readAppSettings().mouseListName);
        link->enumerateMice();
        link->refreshMouseList();
        link->openMouse(readCurrentProductName());
        observer.calls.clear();
    }
    const MouseListEntry &entry(uint32_t i = 0) const { return link->mouseList()[i]; }
};

MouseListEntry otherMouse()
{
    MouseListEntry e = builtInMouseEntry();
    e.vendorIdA = e.vendorIdB = 0x1234;
    e.productIdA = 0x0001;
    e.productIdB = 0x0002;
    copyBounded(e.name, "Other Mouse");
    return e;
}

} // namespace

class TestDeviceLink : public QObject {
    Q_OBJECT
private slots:
    // Some cases check the debug lines, which are off unless asked for.
    void initTestCase() { configureDiagnostics(true); }

    void init()
    {
        m_clock = std::make_unique<VirtualClock>();
        setDeviceClock(m_clock.get());
    }
    void cleanup() { setDeviceClock(nullptr); }

    void copiesAreBoundedAndTerminated()
    {
        MouseListEntry e = builtInMouseEntry();
        std::memset(e.pathACommand, 'x', sizeof e.pathACommand - 1);
        e.pathACommand[sizeof e.pathACommand - 1] = '\0';
        copyBounded(e.pathAPointer, QByteArray(1000, 'p'));
        QCOMPARE(std::strlen(e.pathAPointer), kMousePathSize - 1);
        QCOMPARE(std::strlen(e.pathACommand), kMousePathSize - 1); // neighbour untouched
        QCOMPARE(e.pathACommand[0], 'x');
        copyBounded(e.name, QByteArray(5000, 'n'));
        QCOMPARE(std::strlen(e.name), kMouseNameSize - 1);
        copyBounded(e.name, "short");
        QCOMPARE(QByteArray(e.name), QByteArray("short"));
    }

    void tableNeverExceedsItsLimit()
    {
        MouseList list;
        for (uint32_t i = 0; i < kMaxMouseEntries; ++i)
            QVERIFY(list.append(builtInMouseEntry()));
        QVERIFY(!list.append(builtInMouseEntry()));
        QCOMPARE(list.count(), kMaxMouseEntries);
    }

    void builtInEntryAndLoading()
    {
        Rig rig(QString(600, QLatin1Char('M')));
        rig.link->addMouse(otherMouse());
        rig.link->loadMouseList(readAppSettings().mouseListName);
        QCOMPARE(rig.link->mouseList().count(), 1u); // cleared, exactly one entry
        const MouseListEntry &e = rig.entry();
        QCOMPARE(e.vendorIdA, 0x248A);
        QCOMPARE(e.vendorIdB, 0x248A);
        QCOMPARE(e.productIdA, 0xFA02);
        QCOMPARE(e.productIdB, 0xFB01);
        QCOMPARE(e.usageAPointer, 2);
        QCOMPARE(e.usagePageAPointer, 1);
        QCOMPARE(e.usageACommand, 0);
        QCOMPARE(e.usagePageACommand, 1);
        QCOMPARE(e.releaseMaxA, 0);
        QCOMPARE(e.presentAPointer + e.presentBPointer + e.presentACommand + e.presentBCommand, 0);
        QCOMPARE(std::strlen(e.name), kMouseNameSize - 1); // over-long name cut, terminated
    }

    void releaseCheck()
    {
        MouseListEntry e = builtInMouseEntry();
        MouseLink a = mouseLink(e, MouseLinkA);
        QVERIFY(a.releaseAccepted(0xFFFF)); // max 0: no check
        e.releaseMinA = 0x100;
        e.releaseMaxA = 0x200;
        QVERIFY(a.releaseAccepted(0x100));
        QVERIFY(a.releaseAccepted(0x200));
        QVERIFY(!a.releaseAccepted(0xFF));
        QVERIFY(!a.releaseAccepted(0x201));
    }

    void receiverCommandNeedsCol04InAnyCase()
    {
        for (const std::string &path : {std::string("/dev/hidraw3&COL04"), std::string("/dev/hidraw3&Col04"),
                                        std::string("\\\\?\\hid#vid_248a&pid_fa02&col04#7&1")}) {
            Rig rig;
            rig.addReceiver(path);
            rig.start();
            QCOMPARE(QByteArray(rig.entry().pathACommand), QByteArray::fromStdString(path));
            QVERIFY(rig.link->commandHandle());
        }
        // Without it (here collection 3 with the command usage) link A stays incomplete.
        Rig rig;
        rig.addReceiver("/dev/hidraw3&col03");
        rig.start();
        QCOMPARE(rig.entry().presentAPointer, 1);
        QCOMPARE(rig.entry().presentACommand, 0);
        QCOMPARE(rig.link->connectedCount(), 0);
        QVERIFY(!rig.link->commandHandle());
        QCOMPARE(rig.backend.channel(kRxPointer)->openCount, 0);
    }

    void cableCommandNeedsNoCol04AndIsPreferred()
    {
        Rig rig;
        rig.addReceiver();
        rig.backend.addCollection("/dev/hidraw7&col01", 0x248A, 0xFB01, 1, 2, 1);
        auto cable = rig.backend.addCollection("/dev/hidraw7&col02", 0x248A, 0xFB01, 1, 0, 2);
        rig.start();
        QCOMPARE(rig.link->connectedCount(), 1);
        QVERIFY(rig.link->handle(MouseLinkA, CollectionCommand));
        QVERIFY(rig.link->handle(MouseLinkB, CollectionCommand));
        QVERIFY(rig.link->handle(MouseLinkA, CollectionPointer));
        QVERIFY(rig.link->handle(MouseLinkB, CollectionPointer));
        QCOMPARE(rig.link->commandHandle(), rig.link->handle(MouseLinkB, CollectionCommand));
        QCOMPARE(cable->liveHandles, 1);
        rig.link->closeMouse();
        QCOMPARE(cable->liveHandles, 0);
        QVERIFY(!rig.link->commandHandle());
        QVERIFY(!rig.link->handle(MouseLinkA, CollectionPointer));
    }

    void enumerationIgnoresOthersAndReportsDiagnostics()
    {
        Rig rig;
        rig.backend.addCollection("/dev/hidraw1&col01", 0x04D9, 0xA0B1, 0x0C, 0x01, 1);
        rig.backend.addCollection("/dev/hidraw2&col04", 0x248A, 0x1111, 1, 0, 4);
        rig.backend.addCollection("/dev/hidraw3&col04", 0x248A, 0xFA02, 0xFF00, 0, 4);
        rig.backend.addCollection(std::string(600, 'q') + "col04", 0x248A, 0xFA02, 1, 0, 4);
        rig.link->loadMouseList(readAppSettings().mouseListName);
        QTest::ignoreMessage(QtDebugMsg, "Device Found\n  type: 4d9 a0b1\n  path: /dev/hidraw1&col01\n"
                                         "  serial_number: \n usge 1 uu c");
        QCOMPARE(rig.link->enumerateMice(), 0);
        // Only the over-long path matched, and it was cut to fit.
        QCOMPARE(rig.entry().presentACommand, 1);
        QCOMPARE(std::strlen(rig.entry().pathACommand), kMousePathSize - 1);
        QCOMPARE(rig.entry().presentAPointer, 0);

        rig.backend.initResult = -1;
        QCOMPARE(rig.link->enumerateMice(), -1);
    }

    void openingFollowsTheName()
    {
        {
            Rig rig;
            rig.addReceiver();
            rig.link->loadMouseList(readAppSettings().mouseListName);
            rig.link->enumerateMice();
            rig.link->openMouse("Another Name");
            QVERIFY(!rig.link->commandHandle());
            rig.link->openMouse("Test Mouse");
            QVERIFY(rig.link->commandHandle());
        }
        {
            // An empty list name matches an empty current product name.
            Rig rig("");
            rig.addReceiver();
            rig.start();
            QCOMPARE(readCurrentProductName(), QString());
            QVERIFY(rig.link->commandHandle());
        }
        {
            // A failed open leaves a null handle; the rest opens.
            Rig rig;
            rig.addReceiver();
            rig.backend.unopenable.insert(kRxCommand);
            rig.start();
            QVERIFY(!rig.link->commandHandle());
            QVERIFY(rig.link->handle(MouseLinkA, CollectionPointer));
        }
    }

    void partialArrivalOfTheCurrentMouseReopens()
    {
        Rig rig;
        rig.addCable();
        rig.start();
        writeDiff(0);
        rig.addReceiver();
        rig.link->onCollectionArrived(collection(true, 0xFA02, CollectionPointer, kRxPointer));
        QCOMPARE(rig.entry().presentAPointer, 1);
        QCOMPARE(rig.entry().presentACommand, 0);
        QCOMPARE(QByteArray(rig.entry().pathAPointer), QByteArray::fromStdString(kRxPointer));
        QCOMPARE(readDiff(), 1); // a new collection
        // Not complete: no list rebuild, but the current mouse has a collection on this link,
        // so it is reopened after the settle pause.
        QCOMPARE(rig.observer.calls, QStringList({"stop", "start", "indicators:0:1", "stop", "start"}));
        QCOMPARE(m_clock->nowMs(), int64_t(500));
        QCOMPARE(rig.link->commandHandle(), rig.link->handle(MouseLinkB, CollectionCommand));
        QVERIFY(!rig.link->handle(MouseLinkA, CollectionPointer));
        // The same collection again is not new.
        writeDiff(0);
        rig.link->onCollectionArrived(collection(true, 0xFA02, CollectionPointer, kRxPointer));
        QCOMPARE(readDiff(), 0);
    }

    void arrivalCompletingTheFirstLinkWarnsCloseAndOpens()
    {
        Rig rig;
        rig.start();
        rig.addReceiver();
        rig.link->onCollectionArrived(collection(true, 0xFA02, CollectionPointer, kRxPointer));
        writeDiff(0);
        rig.observer.calls.clear();
        QElapsedTimer elapsed;
        elapsed.start();
        rig.link->onCollectionArrived(collection(true, 0xFA02, CollectionCommand, kRxCommand));
        QCOMPARE(rig.observer.calls,
                 QStringList({"list:Test Mouse:0", "stop", "start", "indicators:1:0", "stop", "start"}));
        QVERIFY(rig.link->commandHandle());
        QCOMPARE(readCurrentProductName(), QString("Test Mouse"));
        QCOMPARE(readDiff(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(rig.observer.calls.contains("warnClose"), 2000);
        QVERIFY(elapsed.elapsed() >= 190);
    }

    void arrivalWhileConnectedRebuildsAndReopens()
    {
        Rig rig;
        rig.addReceiver();
        rig.start();
        rig.addCable();
        rig.link->onCollectionArrived(collection(true, 0xFB01, CollectionPointer, kCablePointer));
        rig.observer.calls.clear();
        rig.link->onCollectionArrived(collection(true, 0xFB01, CollectionCommand, kCableCommand));
        // Rebuild, then a reopen with the poller stopped, then the settle reopen.
        QCOMPARE(rig.observer.calls, QStringList({"list:Test Mouse:0", "stop", "start", "stop", "start",
                                                  "indicators:1:1", "stop", "start"}));
        QCOMPARE(rig.link->commandHandle(), rig.link->handle(MouseLinkB, CollectionCommand));
        QVERIFY(rig.link->commandHandle());
        // Old receiver handles were closed before reopening, not leaked.
        QCOMPARE(rig.backend.channel(kRxCommand)->liveHandles, 1);
        QTest::qWait(300);
        QVERIFY(!rig.observer.calls.contains("warnClose"));
    }

    void arrivalOutsideTheReleaseRangeIsIgnored()
    {
        Rig rig;
        rig.start();
        // Release numbers come from enumeration; this collection is not listed (release 0),
        // so a link accepting only 1..2 ignores it.
        MouseListEntry e = otherMouse();
        e.releaseMinA = 1;
        e.releaseMaxA = 2;
        rig.link->addMouse(e);
        CollectionEvent ev = collection(true, 0x0001, CollectionPointer, "/dev/hidraw9&col01");
        ev.vendorId = 0x1234;
        rig.link->onCollectionArrived(ev);
        QCOMPARE(rig.entry(1).presentAPointer, 0);
        QCOMPARE(readDiff(), 0);
    }

    void removalOfAnUnrecordedCollectionChangesNothing()
    {
        Rig rig;
        rig.addReceiver();
        rig.start();
        const MouseListEntry before = rig.entry();
        rig.link->onCollectionRemoved(collection(false, 0xFB01, CollectionCommand, kCableCommand));
        rig.link->onCollectionRemoved(collection(false, 0xFA02, CollectionUnknown, "/dev/hidraw3&col02"));
        rig.link->onDeviceRemoved("HID#VID_1111&PID_2222&Col04#x");
        QCOMPARE(std::memcmp(&before, &rig.entry(), sizeof before), 0);
        QVERIFY(rig.link->commandHandle());
        QVERIFY(!rig.observer.calls.contains("noDevice"));
        QCOMPARE(m_clock->nowMs(), int64_t(0));
    }

    void partialRemovalReopensWhatIsLeft()
    {
        Rig rig;
        rig.addReceiver();
        rig.addCable();
        rig.start();
        rig.link->onCollectionRemoved(collection(false, 0xFB01, CollectionCommand, kCableCommand));
        QCOMPARE(rig.entry().presentBCommand, 0);
        QCOMPARE(rig.entry().presentBPointer, 1);
        QCOMPARE(rig.observer.calls, QStringList({"stop", "start", "indicators:1:0", "stop", "start"}));
        QCOMPARE(m_clock->nowMs(), int64_t(500));
        QCOMPARE(rig.link->commandHandle(), rig.link->handle(MouseLinkA, CollectionCommand));
        QVERIFY(rig.link->commandHandle());
        QVERIFY(!rig.link->handle(MouseLinkB, CollectionCommand));
    }

    void lastRemovalClosesAndWarns()
    {
        Rig rig;
        rig.addReceiver();
        rig.start();
        rig.link->onDeviceRemoved("HID#VID_248A&PID_FA02&Col01#7&2a");
        QVERIFY(!rig.link->commandHandle()); // a half-present link is not opened
        QCOMPARE(rig.entry().presentACommand, 1);
        rig.observer.calls.clear();
        QElapsedTimer elapsed;
        elapsed.start();
        rig.link->onDeviceRemoved("HID#VID_248A&PID_FA02&Col04#7&2a");
        QVERIFY(!rig.link->commandHandle());
        QVERIFY(!rig.link->handle(MouseLinkA, CollectionPointer));
        QCOMPARE(rig.backend.channel(kRxCommand)->liveHandles, 0);
        QCOMPARE(rig.observer.calls, QStringList({"stop", "list::0", "noDevice", "indicators:0:0", "stop", "start"}));
        QTRY_VERIFY_WITH_TIMEOUT(rig.observer.calls.contains("warning"), 2000);
        QVERIFY(elapsed.elapsed() >= 190);

        // The mouse coming back is a comeback: the warning is closed, not a silent reopen.
        rig.observer.calls.clear();
        rig.link->onDeviceArrived("HID#VID_248A&PID_FA02&Col01#7&2a");
        rig.link->onDeviceArrived("HID#VID_248A&PID_FA02&Col04#7&2a");
        QTRY_VERIFY_WITH_TIMEOUT(rig.observer.calls.contains("warnClose"), 2000);
    }

    void removalOfTheCurrentMouseWithAnotherConnectedRefreshes()
    {
        Rig rig;
        rig.addReceiver();
        MouseListEntry other = otherMouse();
        rig.backend.addCollection("/dev/hidraw9&col01", 0x1234, 0x0002, 1, 2, 1);
        rig.backend.addCollection("/dev/hidraw9&col04", 0x1234, 0x0002, 1, 0, 4);
        rig.link->loadMouseList(readAppSettings().mouseListName);
        rig.link->addMouse(other);
        rig.link->enumerateMice();
        QCOMPARE(rig.link->refreshMouseList(), QStringList({"Test Mouse", "Other Mouse"}));
        rig.link->openMouse(readCurrentProductName());
        QCOMPARE(readCurrentProductName(), QString("Test Mouse"));
        rig.observer.calls.clear();

        rig.link->onCollectionRemoved(collection(false, 0xFA02, CollectionPointer, kRxPointer));
        rig.observer.calls.clear();
        rig.link->onCollectionRemoved(collection(false, 0xFA02, CollectionCommand, kRxCommand));
        // One mouse left: the list hides and names it; the full refresh reopens it and reloads,
        // and no settle reopen follows in the same event.
        QCOMPARE(rig.observer.calls, QStringList({"list:Other Mouse:0", "stop", "start", "reload",
                                                  "indicators:0:1", "stop", "start"}));
        QCOMPARE(readCurrentProductName(), QString("Other Mouse"));
        QCOMPARE(rig.link->commandHandle(), rig.link->handle(MouseLinkB, CollectionCommand));
        QVERIFY(rig.link->commandHandle());
    }

    void selectionListSettlesTheCurrentName()
    {
        Rig rig;
        rig.addReceiver();
        rig.backend.addCollection("/dev/hidraw9&col01", 0x1234, 0x0001, 1, 2, 1);
        rig.backend.addCollection("/dev/hidraw9&col04", 0x1234, 0x0001, 1, 0, 4);
        rig.link->loadMouseList(readAppSettings().mouseListName);
        rig.link->addMouse(otherMouse());

        // None connected: the name is cleared.
        QCOMPARE(rig.link->refreshMouseList(), QStringList());
        QCOMPARE(readCurrentProductName(), QString());
        rig.link->enumerateMice();

        // Two connected: shown; a listed current name stays, an unknown one gives the first.
        writeCurrentProductName("Other Mouse");
        QCOMPARE(rig.link->refreshMouseList().size(), 2);
        QCOMPARE(readCurrentProductName(), QString("Other Mouse"));
        writeCurrentProductName("Gone Mouse");
        rig.link->refreshMouseList();
        QCOMPARE(readCurrentProductName(), QString("Test Mouse"));
        QCOMPARE(rig.observer.calls.last(), QString("list:Test Mouse|Other Mouse:1"));

        // One connected: hidden, named in the debug log and written.
        rig.link->onCollectionRemoved(collection(false, 0xFA02, CollectionCommand, kRxCommand));
        writeCurrentProductName("Gone Mouse");
        QTest::ignoreMessage(QtDebugMsg, "RefreshMouseList Other Mouse");
        QCOMPARE(rig.link->refreshMouseList(), QStringList({"Other Mouse"}));
        QCOMPARE(readCurrentProductName(), QString("Other Mouse"));
        QCOMPARE(rig.observer.calls.last(), QString("list:Other Mouse:0"));
    }

    void choosingAMouseReopensOnIt()
    {
        Rig rig;
        rig.addReceiver();
        rig.backend.addCollection("/dev/hidraw9&col01", 0x1234, 0x0001, 1, 2, 1);
        auto otherCommand = rig.backend.addCollection("/dev/hidraw9&col04", 0x1234, 0x0001, 1, 0, 4);
        rig.link->loadMouseList(readAppSettings().mouseListName);
        rig.link->addMouse(otherMouse());
        rig.link->enumerateMice();
        rig.link->refreshMouseList();
        rig.link->openMouse(readCurrentProductName());
        rig.observer.calls.clear();
        rig.link->selectMouse("Other Mouse");
        QCOMPARE(rig.observer.calls, QStringList({"stop", "reload", "start"}));
        QCOMPARE(m_clock->nowMs(), int64_t(150));
        QCOMPARE(readCurrentProductName(), QString("Other Mouse"));
        QCOMPARE(otherCommand->liveHandles, 1);
        QCOMPARE(rig.backend.channel(kRxCommand)->liveHandles, 0);
    }

    void hotplugSourceDrivesTheLink()
    {
        Rig rig;
        rig.start();
        TestHotplugSource failing;
        failing.startResult = false;
        QTest::ignoreMessage(QtDebugMsg, "注册失败");
        QVERIFY(!rig.link->registerHotplug(&failing));
        emit failing.collectionChanged(collection(true, 0xFA02, CollectionPointer, kRxPointer));
        QCOMPARE(rig.entry().presentAPointer, 0); // not connected

        TestHotplugSource source;
        QVERIFY(rig.link->registerHotplug(&source));
        rig.addReceiver();
        QTest::ignoreMessage(QtDebugMsg, "DBT_DEVICEARRIVAL\n");
        emit source.collectionChanged(collection(true, 0xFA02, CollectionPointer, kRxPointer));
        emit source.collectionChanged(collection(true, 0xFA02, CollectionCommand, kRxCommand));
        QVERIFY(rig.link->commandHandle());
        QTest::ignoreMessage(QtDebugMsg, "DBT_DEVICEREMOVECOMPLETE\n");
        emit source.collectionChanged(collection(false, 0xFA02, CollectionCommand, kRxCommand));
        QVERIFY(!rig.link->commandHandle());
    }

private:
    std::unique_ptr<VirtualClock> m_clock;
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "test_device_link.moc"
