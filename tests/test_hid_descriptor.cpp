#include "platform/hid_descriptor.h"

#include <QtTest>

#include <random>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes hex(const char *text)
{
    const QByteArray bytes = QByteArray::fromHex(text);
    return Bytes(bytes.begin(), bytes.end());
}

// The boot-protocol mouse: three buttons, X and Y, no report ids.
const Bytes kBootMouse = hex("05010902a1010901a1000509190129031500250195037501810295017505"
                             "8101050109300931 1581257f 75089502 8106 c0c0");

// A gaming-mouse receiver: mouse, keyboard, consumer control, the command collection and a
// vendor collection, all with report ids.
const Bytes kReceiver = hex(
    // 1: mouse, report 1: five buttons, 16-bit X/Y, wheel, AC pan.
    "05010902a1018501" "0901a10005091901290515002501950575018102950175038101"
    "050116018026ff7f751095020930093181061581257f750895010938810605 0c0a38029501 8106c0c0"
    // 2: keyboard, report 2, with the LED output report.
    "05010906a1018502" "050719e029e7150025017501950881029501750881019505750105081901"
    "2905910295017503910195067508150026ff00050719002aff008100c0"
    // 3: consumer control, report 3; the globals are pushed around a system-control part with
    // report 4 and popped again, so the last input is report 3 once more.
    "050c0901a1018503" "a405018504 0980a102 1981298315002501750195038102 95058101 c0 b4"
    "150026ff0319002aff03751095018100c0"
    // 4: the command collection (generic desktop, usage 0) with vendor usages inside: feature
    // report 9 first, then 32-byte input and output reports 5.
    "05010900a101" "0600ff850909031500 26ff00750895 07b102 8505090195208102 09029520 9102 c0"
    // 5: vendor collection, report 6.
    "0600ff0901a1018506" "0901150026ff007508953f8102c0");

// Collections nested three deep inside the first top-level one, usages of other pages inside
// them (one extended), report ids set only inside the nesting; then a second top-level one.
const Bytes kNested = hex(
    "050d0905a101"                           // digitizer touch pad (application)
    "850a0922a102"                           // finger (logical), report 10
    "0942150025017501950181029507 8103"
    "0b01000100a100"                         // pointer (physical), extended usage 1:1
    "050109300931 26ff0f75109502 8102"
    "0600ff0910a101"                         // vendor application collection, third level
    "850b0911750895 04b102"
    "c0c0c0c0"
    "05010902a1018501"                       // mouse (application), report 1
    "0901a10005091901290225017501950281029506 8103c0c0");

void checkCollection(const HidTopCollection &c, int index, uint16_t page, uint16_t usage, const Bytes &ids)
{
    QCOMPARE(c.index, index);
    QCOMPARE(c.usagePage, page);
    QCOMPARE(c.usage, usage);
    QCOMPARE(c.reportIds, ids);
}

} // namespace

class TestHidDescriptor : public QObject {
    Q_OBJECT
private slots:
    void realDescriptorsListTheirTopLevelCollections()
    {
        HidDescriptorInfo info = parseHidDescriptor(kBootMouse);
        QVERIFY(info.wellFormed);
        QCOMPARE(info.collections.size(), size_t(1));
        checkCollection(info.collections[0], 1, 0x01, 0x02, {});

        info = parseHidDescriptor(kReceiver);
        QVERIFY(info.wellFormed);
        QCOMPARE(info.collections.size(), size_t(5));
        checkCollection(info.collections[0], 1, 0x01, 0x02, {1});
        checkCollection(info.collections[1], 2, 0x01, 0x06, {2});
        checkCollection(info.collections[2], 3, 0x0C, 0x01, {3, 4});
        checkCollection(info.collections[3], 4, 0x01, 0x00, {5, 9}); // ascending, whatever the order
        checkCollection(info.collections[4], 5, 0xFF00, 0x01, {6});

        // Nested collections are no entries of their own; their reports belong to the top.
        info = parseHidDescriptor(kNested);
        QVERIFY(info.wellFormed);
        QCOMPARE(info.collections.size(), size_t(2));
        checkCollection(info.collections[0], 1, 0x0D, 0x05, {10, 11});
        checkCollection(info.collections[1], 2, 0x01, 0x02, {1});
    }

    void lastCollection_data()
    {
        QTest::addColumn<QByteArray>("descriptor");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("usage");
        QTest::addColumn<int>("reportId"); // 0: none
        // A four-byte usage names its own page; the global page does not apply.
        QTest::newRow("extended usage") << QByteArray::fromHex("0600ff0b02000100a101c0") << 1 << 0x01 << 0x02 << 0;
        // A short usage takes the page in force at the collection, even one set after it.
        QTest::newRow("page after usage") << QByteArray::fromHex("05010901050ca101c0") << 1 << 0x0C << 0x01 << 0;
        QTest::newRow("first of two usages") << QByteArray::fromHex("050109060902a101c0") << 1 << 0x01 << 0x06 << 0;
        QTest::newRow("usage minimum") << QByteArray::fromHex("050c1901290aa101c0") << 1 << 0x0C << 0x01 << 0;
        // Usages are local: one given before an earlier main item does not carry over.
        QTest::newRow("locals cleared") << QByteArray::fromHex("05010902a10209ffc0a101c0") << 1 << 0x01 << 0x00 << 0;
        // Pop restores the page and the report id pushed.
        QTest::newRow("pop") << QByteArray::fromHex("05018501a4050c8502b40902a1018102c0") << 1 << 0x01 << 0x02 << 1;
        // A long item whose data look like a collection, then a top-level physical collection:
        // neither is listed.
        QTest::newRow("long item, physical top")
            << QByteArray::fromHex("fe0310a101c0 05010901a10085078102c0 0902a10185018102c0") << 1 << 0x01 << 0x02 << 1;
    }

    void lastCollection()
    {
        QFETCH(QByteArray, descriptor);
        QFETCH(int, count);
        QFETCH(int, page);
        QFETCH(int, usage);
        QFETCH(int, reportId);
        const HidDescriptorInfo info = parseHidDescriptor(Bytes(descriptor.begin(), descriptor.end()));
        QVERIFY(info.wellFormed);
        QCOMPARE(int(info.collections.size()), count);
        checkCollection(info.collections.back(), count, uint16_t(page), uint16_t(usage),
                        reportId ? Bytes{uint8_t(reportId)} : Bytes{});
    }

    void malformedInputIsReported_data()
    {
        QTest::addColumn<QByteArray>("descriptor");
        QTest::addColumn<int>("collections");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("two-byte item cut") << QByteArray::fromHex("05010902a10126ff") << 1;
        QTest::newRow("four-byte item cut") << QByteArray::fromHex("0501a1010b0200") << 1;
        QTest::newRow("long item past the end") << QByteArray::fromHex("0501a101fe2010aabb") << 1;
        QTest::newRow("long item header cut") << QByteArray::fromHex("fe05") << 0;
        QTest::newRow("collection left open") << QByteArray::fromHex("05010902a101a100c0") << 1;
        QTest::newRow("unmatched end collection") << QByteArray::fromHex("c005010902a101c0") << 1;
        QTest::newRow("pop without push") << QByteArray::fromHex("b405010902a101c0") << 1;
    }

    void malformedInputIsReported()
    {
        QFETCH(QByteArray, descriptor);
        QFETCH(int, collections);
        // A buffer of exactly this size, so that a read past its end is caught by the sanitizers.
        const HidDescriptorInfo info = parseHidDescriptor(Bytes(descriptor.begin(), descriptor.end()));
        QCOMPARE(int(info.collections.size()), collections);
        QCOMPARE(info.wellFormed, descriptor.isEmpty());
    }

    void truncatedAndRandomInput()
    {
        // Every truncation keeps the collections begun so far, as they are in the whole.
        const HidDescriptorInfo full = parseHidDescriptor(kReceiver);
        for (size_t cut = 0; cut < kReceiver.size(); ++cut) {
            const HidDescriptorInfo info = parseHidDescriptor(Bytes(kReceiver.begin(), kReceiver.begin() + long(cut)));
            QVERIFY(info.collections.size() <= full.collections.size());
            for (const HidTopCollection &c : info.collections) {
                const HidTopCollection &whole = full.collections[size_t(c.index - 1)];
                QCOMPARE(c.usagePage, whole.usagePage);
                QCOMPARE(c.usage, whole.usage);
                QVERIFY(std::includes(whole.reportIds.begin(), whole.reportIds.end(),
                                      c.reportIds.begin(), c.reportIds.end()));
            }
            // Cut while the last collection is open (its "a101" ends 16 bytes before the end).
            if (cut >= kReceiver.size() - 16)
                QVERIFY(!info.wellFormed);
        }
        std::mt19937 random(20240611);
        for (int round = 0; round < 3000; ++round) {
            Bytes bytes(size_t(random() % 96));
            for (uint8_t &b : bytes)
                b = uint8_t(random());
            const HidDescriptorInfo info = parseHidDescriptor(bytes);
            for (size_t i = 0; i < info.collections.size(); ++i) {
                const Bytes &ids = info.collections[i].reportIds;
                QCOMPARE(info.collections[i].index, int(i) + 1);
                QVERIFY(std::is_sorted(ids.begin(), ids.end()));
                QVERIFY(std::find(ids.begin(), ids.end(), 0) == ids.end());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestHidDescriptor)
#include "test_hid_descriptor.moc"
