#include "device/hid_descriptor.h"
#include "device/hidapi_backend.h"
#include "platform/udev_hotplug_source.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <map>

namespace {

using Bytes = std::vector<uint8_t>;

// A receiver node: mouse (report 1), two more collections, and the command collection
// (report 5) as collection 4. The mouse has a nested physical collection, which hidapi lists
// as a usage of its own.
const Bytes kReceiver = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19,
    0x01, 0x29, 0x03, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0xC0, 0xC0,
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x02, 0x75, 0x08, 0x95, 0x08, 0x81, 0x00, 0xC0,
    0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x03, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00, 0xC0,
    0x05, 0x01, 0x09, 0x00, 0xA1, 0x01, 0x06, 0x00, 0xFF, 0x85, 0x05, 0x09, 0x01, 0x75, 0x08,
    0x95, 0x20, 0x81, 0x02, 0x09, 0x02, 0x91, 0x02, 0xC0,
};

HidapiRecord record(const std::string &path, uint16_t product, uint16_t page, uint16_t usage)
{
    HidapiRecord r;
    r.path = path;
    r.vendorId = 0x248A;
    r.productId = product;
    r.releaseNumber = 0x0102;
    r.usagePage = page;
    r.usage = usage;
    r.serialNumber = L"SN" + std::to_wstring(product);
    return r;
}

// Reports arriving at given times, read through hid_read_timeout's contract on a fake clock.
struct FakeNode {
    struct Arrival {
        int64_t atMs;
        Bytes report;
    };
    std::deque<Arrival> queue;
    int64_t now = 0;
    std::vector<int> waits;
    bool failing = false;

    int read(uint8_t *data, size_t length, int timeoutMs)
    {
        waits.push_back(timeoutMs);
        if (failing)
            return -1;
        if (queue.empty() || (timeoutMs >= 0 && queue.front().atMs > now + timeoutMs)) {
            now += std::max(timeoutMs, 0);
            return 0;
        }
        now = std::max(now, queue.front().atMs);
        const Bytes report = queue.front().report;
        queue.pop_front();
        const size_t n = std::min(length, report.size());
        std::copy(report.begin(), report.begin() + long(n), data);
        return int(n);
    }

    int readFor(const Bytes &ids, uint8_t *data, size_t length, int timeoutMs)
    {
        return readCollectionReport(
            [this](uint8_t *d, size_t l, int t) { return read(d, l, t); }, ids, data, length,
            timeoutMs, [this] { return now; });
    }
};

Bytes report(uint8_t id, uint8_t fill)
{
    Bytes r(33, fill);
    r[0] = id;
    return r;
}

} // namespace

class TestHidapiBackend : public QObject {
    Q_OBJECT
private slots:
    void recordsOfANodeBecomeItsTopLevelCollections()
    {
        // hidapi lists each usage of the node, the nested pointer usage included, all under
        // the node's one path; a second node's descriptor cannot be read; a Windows-style
        // path already names its collection.
        const std::vector<HidapiRecord> records = {
            record("/dev/hidraw2", 0xFA02, 0x01, 0x02), record("/dev/hidraw2", 0xFA02, 0x01, 0x01),
            record("/dev/hidraw2", 0xFA02, 0x01, 0x06), record("/dev/hidraw2", 0xFA02, 0x0C, 0x01),
            record("/dev/hidraw2", 0xFA02, 0x01, 0x00), record("/dev/hidraw5", 0xFB01, 0x01, 0x02),
            record("/dev/hidraw5", 0xFB01, 0x01, 0x02), record("/dev/hidraw5", 0xFB01, 0xFF00, 0x01),
            record("\\\\?\\hid#vid_248a&pid_fb01&mi_00&col04#8&2f0e&0&0003#{4d1e55b2-f16f-11cf-88cb-001111000030}", 0xFB01, 0x01, 0x00),
        };
        std::map<std::string, int> reads;
        const auto reader = [&reads](const std::string &node) -> std::optional<Bytes> {
            ++reads[node];
            if (node == "/dev/hidraw2")
                return kReceiver;
            return std::nullopt;
        };
        const std::vector<HidCollectionInfo> list = collectionsFromRecords(records, reader);

        QCOMPARE(reads.size(), size_t(2)); // never for the Windows-style path
        QCOMPARE(reads["/dev/hidraw2"], 1);
        QCOMPARE(reads["/dev/hidraw5"], 1);
        QCOMPARE(list.size(), size_t(4 + 2 + 1));

        const struct {
            const char *path;
            uint16_t page, usage;
        } receiver[] = {{"/dev/hidraw2&col01", 1, 2}, {"/dev/hidraw2&col02", 1, 6},
                        {"/dev/hidraw2&col03", 0x0C, 1}, {"/dev/hidraw2&col04", 1, 0}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(QString::fromStdString(list[size_t(i)].path), QString(receiver[i].path));
            QCOMPARE(list[size_t(i)].collectionIndex, i + 1);
            QCOMPARE(list[size_t(i)].usagePage, receiver[i].page);
            QCOMPARE(list[size_t(i)].usage, receiver[i].usage);
            QCOMPARE(list[size_t(i)].vendorId, uint16_t(0x248A));
            QCOMPARE(list[size_t(i)].productId, uint16_t(0xFA02));
            QCOMPARE(list[size_t(i)].releaseNumber, uint16_t(0x0102));
            QVERIFY(list[size_t(i)].serialNumber == L"SN64002");
        }
        // Unreadable descriptor: each distinct usage once, as collection 1 of the plain node.
        QCOMPARE(QString::fromStdString(list[4].path), QString("/dev/hidraw5"));
        QCOMPARE(list[4].collectionIndex, 1);
        QCOMPARE(list[4].usage, uint16_t(2));
        QCOMPARE(QString::fromStdString(list[5].path), QString("/dev/hidraw5"));
        QCOMPARE(list[5].usagePage, uint16_t(0xFF00));
        QCOMPARE(list[5].collectionIndex, 1);
        QCOMPARE(list[6].collectionIndex, 4);
        QCOMPARE(list[6].path, records[8].path);
        QCOMPARE(list[6].usagePage, uint16_t(1));
    }

    void descriptorWithoutCollectionsFallsBackToHidapisRecords()
    {
        const std::vector<HidapiRecord> records = {record("/dev/hidraw1", 0xFA02, 0x01, 0x02)};
        const auto garbage = [](const std::string &) -> std::optional<Bytes> { return Bytes{0xC0, 0xB4, 0x26}; };
        const std::vector<HidCollectionInfo> list = collectionsFromRecords(records, garbage);
        QCOMPARE(list.size(), size_t(1));
        QCOMPARE(QString::fromStdString(list[0].path), QString("/dev/hidraw1"));
        QCOMPARE(list[0].collectionIndex, 1);
    }

    void hotplugAndEnumerationAgreeOnPaths()
    {
        // A collection announced by the udev source must be the one enumeration lists.
        const std::vector<HidapiRecord> records = {record("/dev/hidraw7", 0xFA02, 0x01, 0x02)};
        const auto reader = [](const std::string &) -> std::optional<Bytes> { return kReceiver; };
        const std::vector<HidCollectionInfo> listed = collectionsFromRecords(records, reader);
        const std::vector<CollectionEvent> events =
            hidrawArrivalEvents("/dev/hidraw7", 0x248A, 0xFA02, parseHidDescriptor(kReceiver));
        QCOMPARE(events.size(), listed.size());
        for (size_t i = 0; i < events.size(); ++i)
            QCOMPARE(events[i].fullPath, listed[i].path);
        QCOMPARE(events[3].kind, int(CollectionCommand));

        const auto none = [](const std::string &) -> std::optional<Bytes> { return std::nullopt; };
        const std::vector<HidCollectionInfo> bare = collectionsFromRecords(records, none);
        const std::vector<CollectionEvent> bareEvents = hidrawArrivalEvents("/dev/hidraw7", 0x248A, 0xFA02, HidDescriptorInfo());
        QCOMPARE(bareEvents.size(), bare.size());
        QCOMPARE(bareEvents[0].fullPath, bare[0].path);
    }

    void onlyHidrawNodeNamesReachSysfs_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("sysfs");
        QTest::newRow("node") << "/dev/hidraw3" << "/sys/class/hidraw/hidraw3/device/report_descriptor";
        QTest::newRow("bare name") << "hidraw12" << "/sys/class/hidraw/hidraw12/device/report_descriptor";
        QTest::newRow("parent folders") << "/dev/../etc/passwd" << "";
        QTest::newRow("node then more") << "/dev/hidraw3/../../etc" << "";
        QTest::newRow("no number") << "/dev/hidraw" << "";
        QTest::newRow("not only digits") << "/dev/hidraw3x" << "";
        QTest::newRow("simulated") << "sim/receiver" << "";
        QTest::newRow("windows") << "\\\\?\\hid#vid_248a&pid_fa02&col04#7" << "";
    }

    void onlyHidrawNodeNamesReachSysfs()
    {
        QFETCH(QString, node);
        QFETCH(QString, sysfs);
        QCOMPARE(QString::fromStdString(hidrawDescriptorSysfsPath(node.toStdString())), sysfs);
    }

    void descriptorIsReadFromSysfs()
    {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("class/hidraw/hidraw7/device"));
        QFile file(root.path() + "/class/hidraw/hidraw7/device/report_descriptor");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char *>(kReceiver.data()), qint64(kReceiver.size()));
        file.close();
        const std::string sysfs = root.path().toStdString();
        const std::optional<Bytes> read = readHidrawDescriptor("/dev/hidraw7", sysfs);
        QVERIFY(read.has_value());
        QCOMPARE(*read, kReceiver);
        // No sysfs entry and no such node for the ioctl.
        QVERIFY(!readHidrawDescriptor("/dev/hidraw4000", sysfs).has_value());
        QVERIFY(!readHidrawDescriptor("/tmp/not-a-node", sysfs).has_value());
    }

    void readsReturnOnlyTheCollectionsReports()
    {
        FakeNode node;
        // Pointer reports interleave with the command echo on the shared node.
        node.queue = {{10, report(1, 0x11)}, {20, report(1, 0x12)}, {30, report(5, 0x55)}, {40, report(1, 0x13)}};
        Bytes buffer(33, 0xEE);
        QCOMPARE(node.readFor({5, 9}, buffer.data(), buffer.size(), 150), 33);
        QCOMPARE(buffer, report(5, 0x55));
        // The pointer handle sees its own report next.
        QCOMPARE(node.readFor({1}, buffer.data(), buffer.size(), 150), 33);
        QCOMPARE(buffer, report(1, 0x13));
    }

    void droppedReportsUseUpTheTimeout()
    {
        FakeNode node;
        // Foreign reports every 40 ms; the echo at 140 ms still comes within 150 ms.
        node.queue = {{40, report(1, 1)}, {80, report(1, 2)}, {120, report(1, 3)}, {140, report(5, 4)}};
        Bytes buffer(33, 0xEE);
        QCOMPARE(node.readFor({5}, buffer.data(), buffer.size(), 150), 33);
        QCOMPARE(buffer[1], uint8_t(4));
        QCOMPARE(node.waits, (std::vector<int>{150, 110, 70, 30}));

        // One at 160 ms is too late: the read times out at 150 ms without touching the buffer.
        FakeNode late;
        late.queue = {{40, report(1, 1)}, {80, report(1, 2)}, {120, report(1, 3)}, {160, report(5, 4)}};
        Bytes untouched(33, 0xEE);
        QCOMPARE(late.readFor({5}, untouched.data(), untouched.size(), 150), 0);
        QCOMPARE(untouched, Bytes(33, 0xEE));
        QCOMPARE(late.now, int64_t(150));
        QCOMPARE(late.queue.size(), size_t(1));
    }

    void reportsAlreadyQueuedAreLookedAtAfterTheTimeout()
    {
        FakeNode node;
        node.queue = {{0, report(1, 1)}, {0, report(1, 2)}, {0, report(5, 3)}};
        Bytes buffer(33, 0);
        QCOMPARE(node.readFor({5}, buffer.data(), buffer.size(), 0), 33);
        QCOMPARE(buffer[1], uint8_t(3));
    }

    void failuresAndUnfilteredReadsPassThrough()
    {
        FakeNode failing;
        failing.failing = true;
        Bytes buffer(33, 0);
        QCOMPARE(failing.readFor({5}, buffer.data(), buffer.size(), 150), -1);

        // No report ids: every report belongs, with the caller's timeout handed over as is.
        FakeNode plain;
        plain.queue = {{5, report(1, 7)}};
        QCOMPARE(plain.readFor({}, buffer.data(), buffer.size(), 150), 33);
        QCOMPARE(plain.waits, std::vector<int>{150});

        // A blocking read stays blocking while reports are dropped.
        FakeNode blocking;
        blocking.queue = {{500, report(1, 1)}, {900, report(5, 2)}};
        QCOMPARE(blocking.readFor({5}, buffer.data(), buffer.size(), -1), 33);
        QCOMPARE(blocking.waits, (std::vector<int>{-1, -1}));
    }

    void emptyReportsBelongOnlyWithoutIds()
    {
        const uint8_t id5 = 5;
        QVERIFY(reportBelongs({}, &id5, 0));
        QVERIFY(!reportBelongs({5}, &id5, 0));
        QVERIFY(reportBelongs({2, 5}, &id5, 1));
        QVERIFY(!reportBelongs({1, 2}, &id5, 1));
    }

    void collectionPathsThatCannotBeConfirmedAreNotOpened()
    {
        HidapiBackend backend;
        // No such node, no descriptor: the collection cannot be the one enumerated.
        QVERIFY(!backend.open("/dev/hidraw4000&col04"));
        QVERIFY(!backend.open("/tmp/not-a-node&col01"));
    }
};

QTEST_GUILESS_MAIN(TestHidapiBackend)
#include "test_hidapi_backend.moc"
