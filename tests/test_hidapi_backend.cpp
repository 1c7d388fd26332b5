#include "platform/hid_descriptor.h"
#include "platform/hidapi_backend.h"
#include "platform/udev_hotplug_source.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <map>

namespace {

using Bytes = std::vector<uint8_t>;

// A receiver node: mouse (report 1, with a nested physical collection that hidapi lists as a
// usage of its own), keyboard (2), consumer control (3) and the command collection (5).
const QByteArray kReceiverHex = "05010902a1018501 0901a100 0509190129032501750195088102 c0c0"
                                "05010906a1018502 7508950881 00c0"
                                "050c0901a1018503 751095018100 c0"
                                "05010900a101 0600ff8505 0901750895208102 09029102 c0";
const QByteArray kReceiverBytes = QByteArray::fromHex(kReceiverHex);
const Bytes kReceiver(kReceiverBytes.begin(), kReceiverBytes.end());

HidapiRecord record(const std::string &path, uint16_t product, uint16_t page, uint16_t usage)
{
    HidapiRecord r;
    r.path = path;
    r.vendorId = 0x248A;
    r.productId = product;
    r.releaseNumber = 0x0102;
    r.usagePage = page;
    r.usage = usage;
    r.serialNumber = L"SN";
    return r;
}

QString summary(const HidCollectionInfo &c)
{
    return QString("%1 %2 %3:%4 %5:%6 %7 %8")
        .arg(QString::fromStdString(c.path)).arg(c.collectionIndex).arg(c.usagePage, 0, 16).arg(c.usage, 0, 16)
        .arg(c.vendorId, 0, 16).arg(c.productId, 0, 16).arg(c.releaseNumber, 0, 16)
        .arg(QString::fromStdWString(c.serialNumber));
}

// Reports arriving at given times, read through hid_read_timeout's contract on a fake clock.
struct FakeNode {
    std::deque<std::pair<int64_t, Bytes>> queue; // arrival time, report
    int64_t now = 0;
    std::vector<int> waits;
    bool failing = false;

    int read(uint8_t *data, size_t length, int timeoutMs)
    {
        waits.push_back(timeoutMs);
        if (failing)
            return -1;
        if (queue.empty() || (timeoutMs >= 0 && queue.front().first > now + timeoutMs)) {
            now += std::max(timeoutMs, 0);
            return 0;
        }
        now = std::max(now, queue.front().first);
        const Bytes report = queue.front().second;
        queue.pop_front();
        const size_t n = std::min(length, report.size());
        std::copy(report.begin(), report.begin() + long(n), data);
        return int(n);
    }

    int readFor(const Bytes &ids, Bytes &buffer, int timeoutMs)
    {
        return readCollectionReport([this](uint8_t *d, size_t l, int t) { return read(d, l, t); },
                                    ids, buffer.data(), buffer.size(), timeoutMs, [this] { return now; });
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
        // hidapi lists each usage of a node, nested ones included, all under the node's one
        // path. hidraw5's descriptor cannot be read, hidraw6's lists no collection; a
        // Windows-style path already names its collection.
        const std::string windows = "\\\\?\\hid#vid_248a&pid_fb01&mi_00&col04#8&2f0e&0&0003#{4d1e55b2-f16f-11cf-88cb-001111000030}";
        const std::vector<HidapiRecord> records = {
            record("/dev/hidraw2", 0xFA02, 1, 2), record("/dev/hidraw2", 0xFA02, 1, 1),
            record("/dev/hidraw2", 0xFA02, 1, 6), record("/dev/hidraw2", 0xFA02, 0x0C, 1),
            record("/dev/hidraw2", 0xFA02, 1, 0), record("/dev/hidraw5", 0xFB01, 1, 2),
            record("/dev/hidraw5", 0xFB01, 1, 2), record("/dev/hidraw5", 0xFB01, 0xFF00, 1),
            record("/dev/hidraw6", 0xFB01, 1, 6), record(windows, 0xFB01, 1, 0),
        };
        std::map<std::string, int> reads;
        const auto reader = [&reads](const std::string &node) -> std::optional<Bytes> {
            ++reads[node];
            if (node == "/dev/hidraw2")
                return kReceiver;
            if (node == "/dev/hidraw6")
                return Bytes{0xC0, 0xB4, 0x26};
            return std::nullopt;
        };
        QStringList listed;
        for (const HidCollectionInfo &c : collectionsFromRecords(records, reader))
            listed << summary(c);
        QCOMPARE(listed, QStringList({
                             "/dev/hidraw2&col01 1 1:2 248a:fa02 102 SN",
                             "/dev/hidraw2&col02 2 1:6 248a:fa02 102 SN",
                             "/dev/hidraw2&col03 3 c:1 248a:fa02 102 SN",
                             "/dev/hidraw2&col04 4 1:0 248a:fa02 102 SN",
                             // Without collections from the descriptor: each distinct usage once.
                             "/dev/hidraw5 1 1:2 248a:fb01 102 SN",
                             "/dev/hidraw5 1 ff00:1 248a:fb01 102 SN",
                             "/dev/hidraw6 1 1:6 248a:fb01 102 SN",
                             QString::fromStdString(windows) + " 4 1:0 248a:fb01 102 SN",
                         }));
        // One read per node, none for the Windows-style path.
        QCOMPARE(reads, (std::map<std::string, int>{{"/dev/hidraw2", 1}, {"/dev/hidraw5", 1}, {"/dev/hidraw6", 1}}));
    }

    void hotplugAndEnumerationAgreeOnPaths()
    {
        // A collection announced by the udev source must be the one enumeration lists.
        const std::vector<HidapiRecord> records = {record("/dev/hidraw7", 0xFA02, 1, 2)};
        const auto reader = [](const std::string &) -> std::optional<Bytes> { return kReceiver; };
        const std::vector<HidCollectionInfo> listed = collectionsFromRecords(records, reader);
        const std::vector<CollectionEvent> events =
            hidrawArrivalEvents("/dev/hidraw7", 0x248A, 0xFA02, parseHidDescriptor(kReceiver));
        QCOMPARE(events.size(), listed.size());
        const int kinds[] = {CollectionPointer, CollectionUnknown, CollectionUnknown, CollectionCommand};
        for (size_t i = 0; i < events.size(); ++i) {
            QCOMPARE(events[i].fullPath, listed[i].path);
            QCOMPARE(events[i].kind, kinds[i]);
            QVERIFY(events[i].arrived && events[i].vendorId == 0x248A && events[i].productId == 0xFA02);
        }
        const auto none = [](const std::string &) -> std::optional<Bytes> { return std::nullopt; };
        const std::vector<HidCollectionInfo> bare = collectionsFromRecords(records, none);
        const std::vector<CollectionEvent> bareEvents = hidrawArrivalEvents("/dev/hidraw7", 0x248A, 0xFA02, HidDescriptorInfo());
        QCOMPARE(bareEvents.size(), bare.size());
        QCOMPARE(bareEvents[0].fullPath, bare[0].path);
        QCOMPARE(bareEvents[0].kind, int(CollectionPointer));
    }

    void onlyHidrawNodeNamesReachSysfs()
    {
        QCOMPARE(hidrawDescriptorSysfsPath("/dev/hidraw3"), std::string("/sys/class/hidraw/hidraw3/device/report_descriptor"));
        QCOMPARE(hidrawDescriptorSysfsPath("hidraw12"), std::string("/sys/class/hidraw/hidraw12/device/report_descriptor"));
        for (const char *bad : {"/dev/../etc/passwd", "/dev/hidraw3/../../etc", "/dev/hidraw", "/dev/hidraw3x",
                                "sim/receiver", "\\\\?\\hid#vid_248a&pid_fa02&col04#7"})
            QVERIFY2(hidrawDescriptorSysfsPath(bad).empty(), bad);

        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("class/hidraw/hidraw7/device"));
        QFile file(root.path() + "/class/hidraw/hidraw7/device/report_descriptor");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kReceiverBytes);
        file.close();
        const std::string sysfs = root.path().toStdString();
        QCOMPARE(readHidrawDescriptor("/dev/hidraw7", sysfs), std::optional<Bytes>(kReceiver));
        // No sysfs entry and no such node for the ioctl.
        QVERIFY(!readHidrawDescriptor("/dev/hidraw4000", sysfs));
        QVERIFY(!readHidrawDescriptor("/tmp/not-a-node", sysfs));
        // So such a collection path is not opened at all.
        HidapiBackend backend;
        QVERIFY(!backend.open("/dev/hidraw4000&col04"));
    }

    void readsReturnOnlyTheCollectionsReports()
    {
        // Pointer reports interleave with the command echo on the shared node.
        FakeNode node;
        node.queue = {{10, report(1, 0x11)}, {20, report(1, 0x12)}, {30, report(5, 0x55)}, {40, report(1, 0x13)}};
        Bytes buffer(33, 0xEE);
        QCOMPARE(node.readFor({5, 9}, buffer, 150), 33);
        QCOMPARE(buffer, report(5, 0x55));
        QCOMPARE(node.readFor({1}, buffer, 150), 33);
        QCOMPARE(buffer, report(1, 0x13));

        // Reports already queued are still looked at with no time left.
        node.queue = {{0, report(1, 1)}, {0, report(1, 2)}, {0, report(5, 3)}};
        QCOMPARE(node.readFor({5}, buffer, 0), 33);
        QCOMPARE(buffer, report(5, 3));
    }

    void droppedReportsUseUpTheTimeout()
    {
        // Foreign reports every 40 ms; the echo at 140 ms still comes within 150 ms.
        FakeNode node;
        node.queue = {{40, report(1, 1)}, {80, report(1, 2)}, {120, report(1, 3)}, {140, report(5, 4)}};
        Bytes buffer(33, 0xEE);
        QCOMPARE(node.readFor({5}, buffer, 150), 33);
        QCOMPARE(buffer, report(5, 4));
        QCOMPARE(node.waits, (std::vector<int>{150, 110, 70, 30}));

        // One at 160 ms is too late: the read times out at 150 ms and leaves the buffer alone.
        FakeNode late;
        late.queue = {{40, report(1, 1)}, {80, report(1, 2)}, {120, report(1, 3)}, {160, report(5, 4)}};
        Bytes untouched(33, 0xEE);
        QCOMPARE(late.readFor({5}, untouched, 150), 0);
        QCOMPARE(untouched, Bytes(33, 0xEE));
        QCOMPARE(late.now, int64_t(150));
        QCOMPARE(late.queue.size(), size_t(1));
    }

    void failuresAndUnfilteredReadsPassThrough()
    {
        FakeNode failing;
        failing.failing = true;
        Bytes buffer(33, 0);
        QCOMPARE(failing.readFor({5}, buffer, 150), -1);

        // No report ids: every report belongs, with the caller's timeout handed over as is.
        FakeNode plain;
        plain.queue = {{5, report(1, 7)}};
        QCOMPARE(plain.readFor({}, buffer, 150), 33);
        QCOMPARE(plain.waits, std::vector<int>{150});

        // A blocking read stays blocking while reports are dropped.
        FakeNode blocking;
        blocking.queue = {{500, report(1, 1)}, {900, report(5, 2)}};
        QCOMPARE(blocking.readFor({5}, buffer, -1), 33);
        QCOMPARE(blocking.waits, (std::vector<int>{-1, -1}));
    }
};

QTEST_GUILESS_MAIN(TestHidapiBackend)
#include "test_hidapi_backend.moc"
