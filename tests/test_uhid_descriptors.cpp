// The report descriptors of the virtual kernel devices (mousecfg-uhid): read the way the hidraw
// backend and the udev monitor read a real node, they must give the collections and report ids
// the device link looks for, or the real-path test would test nothing.

#include "device/device_link.h"
#include "platform/hid_descriptor.h"
#include "platform/hidapi_backend.h"
#include "platform/udev_hotplug_source.h"
#include "sim/simulated_mouse.h"
#include "sim/uhid_descriptors.h"
#include "storage/settings_file.h"
#include "support/fake_hid.h"
#include "support/test_env.h"

#include <QSettings>
#include <QtTest>

class TestUhidDescriptors : public QObject {
    Q_OBJECT
private slots:
    void topLevelCollectionsAndReportIds()
    {
        const HidDescriptorInfo parsed = parseHidDescriptor(uhidMouseDescriptor());
        QCOMPARE(int(parsed.collections.size()), 4);
        const struct {
            uint16_t page, usage;
            uint8_t reportId;
        } expected[] = {{1, 2, kUhidPointerReportId}, {1, 6, 2}, {0x0C, 1, 3}, {1, 0, kUhidCommandReportId}};
        for (int i = 0; i < 4; ++i) {
            const HidTopCollection &c = parsed.collections[size_t(i)];
            QCOMPARE(c.index, i + 1);
            QCOMPARE(c.usagePage, expected[i].page);
            QCOMPARE(c.usage, expected[i].usage);
            QCOMPARE(c.reportIds, std::vector<uint8_t>{expected[i].reportId});
        }
        // The udev monitor's arrival events: the pointer and the command collection by kind.
        const std::vector<CollectionEvent> events = hidrawArrivalEvents(
            "/dev/hidraw5", SimulatedMouse::kVendorId, SimulatedMouse::kReceiverProductId, parsed);
        QCOMPARE(int(events.size()), 4);
        QCOMPARE(events[0].kind, int(CollectionPointer));
        QCOMPARE(events[3].kind, int(CollectionCommand));
        QCOMPARE(QString::fromStdString(events[3].fullPath), QString("/dev/hidraw5&col04"));
    }

    // The nodes as the hidraw backend lists them, then through the device link's rules: both
    // links are complete, with the command collection on "&col04".
    void theDeviceLinkFindsBothLinks()
    {
        TempAppFolder folder(true);
        VirtualTime time;
        QSettings(settingsFilePath(), QSettings::IniFormat).setValue("Mouse_List/0", "DRUV M7 Wireless");
        std::vector<HidapiRecord> records;
        for (const auto &node : {std::make_pair("/dev/hidraw5", SimulatedMouse::kReceiverProductId),
                                 std::make_pair("/dev/hidraw9", SimulatedMouse::kCableProductId)}) {
            HidapiRecord record;
            record.path = node.first;
            record.vendorId = SimulatedMouse::kVendorId;
            record.productId = node.second;
            record.releaseNumber = SimulatedMouse::kReleaseNumber;
            records.push_back(record);
        }
        const std::vector<HidCollectionInfo> listed =
            collectionsFromRecords(records, [](const std::string &) { return uhidMouseDescriptor(); });
        QCOMPARE(int(listed.size()), 8);

        FakeHidBackend backend;
        for (const HidCollectionInfo &info : listed)
            backend.addCollection(info.path, info.vendorId, info.productId, info.usagePage, info.usage,
                                  info.collectionIndex, info.releaseNumber);
        DeviceLink link(backend);
        link.loadMouseList(readAppSettings().mouseListName);
        QCOMPARE(link.enumerateMice(), 0);
        const MouseListEntry &entry = link.mouseList()[0];
        QVERIFY(entry.presentAPointer && entry.presentACommand);
        QVERIFY(entry.presentBPointer && entry.presentBCommand);
        QCOMPARE(QString(entry.pathACommand), QString("/dev/hidraw5&col04"));
        QCOMPARE(QString(entry.pathBCommand), QString("/dev/hidraw9&col04"));
        QCOMPARE(QString(entry.pathAPointer), QString("/dev/hidraw5&col01"));
    }
};

QTEST_GUILESS_MAIN(TestUhidDescriptors)
#include "test_uhid_descriptors.moc"
