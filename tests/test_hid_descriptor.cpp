#include "device/hid_descriptor.h"

#include <QtTest>

#include <random>

namespace {

using Bytes = std::vector<uint8_t>;

// The boot-protocol mouse: three buttons, X and Y, no report ids.
const Bytes kBootMouse = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19, 0x01, 0x29,
    0x03, 0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01, 0x81, 0x02, 0x95, 0x01, 0x75, 0x05,
    0x81, 0x01, 0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95,
    0x02, 0x81, 0x06, 0xC0, 0xC0,
};

// A gaming-mouse receiver: mouse, keyboard, consumer control, the command collection and a
// vendor collection, all with report ids.
const Bytes kReceiver = {
    // 1: mouse, report id 1; 16-bit X/Y, wheel, AC pan.
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19,
    0x01, 0x29, 0x05, 0x15, 0x00, 0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02, 0x95, 0x01,
    0x75, 0x03, 0x81, 0x01, 0x05, 0x01, 0x16, 0x01, 0x80, 0x26, 0xFF, 0x7F, 0x75, 0x10, 0x95,
    0x02, 0x09, 0x30, 0x09, 0x31, 0x81, 0x06, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x01,
    0x09, 0x38, 0x81, 0x06, 0x05, 0x0C, 0x0A, 0x38, 0x02, 0x95, 0x01, 0x81, 0x06, 0xC0, 0xC0,
    // 2: keyboard, report id 2, with the LED output report.
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x02, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15,
    0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x01, 0x75, 0x08, 0x81, 0x01,
    0x95, 0x05, 0x75, 0x01, 0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02, 0x95, 0x01, 0x75,
    0x03, 0x91, 0x01, 0x95, 0x06, 0x75, 0x08, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x05, 0x07, 0x19,
    0x00, 0x2A, 0xFF, 0x00, 0x81, 0x00, 0xC0,
    // 3: consumer control, report id 3; the globals are pushed around a system-control part
    // with report id 4 and popped again, so the final input is report 3 once more.
    0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x03, 0xA4, 0x05, 0x01, 0x85, 0x04, 0x09, 0x80,
    0xA1, 0x02, 0x19, 0x81, 0x29, 0x83, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x03, 0x81,
    0x02, 0x95, 0x05, 0x81, 0x01, 0xC0, 0xB4, 0x15, 0x00, 0x26, 0xFF, 0x03, 0x19, 0x00, 0x2A,
    0xFF, 0x03, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00, 0xC0,
    // 4: command collection (generic desktop, usage 0) with vendor usages inside: a feature
    // report 9 first, then 32-byte input and output reports with id 5.
    0x05, 0x01, 0x09, 0x00, 0xA1, 0x01, 0x06, 0x00, 0xFF, 0x85, 0x09, 0x09, 0x03, 0x15, 0x00,
    0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, 0x85, 0x05, 0x09, 0x01, 0x95, 0x20,
    0x81, 0x02, 0x09, 0x02, 0x95, 0x20, 0x91, 0x02, 0xC0,
    // 5: vendor collection, report id 6.
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x06, 0x09, 0x01, 0x15, 0x00, 0x26, 0xFF,
    0x00, 0x75, 0x08, 0x95, 0x3F, 0x81, 0x02, 0xC0,
};

// Collections nested three deep inside the first top-level one, usages of other pages inside
// them (one extended), report ids set only inside the nesting, then a second top-level one.
const Bytes kNested = {
    0x05, 0x0D, 0x09, 0x05, 0xA1, 0x01,             // digitizer touch pad (application)
    0x85, 0x0A, 0x09, 0x22, 0xA1, 0x02,             // finger (logical), report id 10
    0x09, 0x42, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x01, 0x81, 0x02, 0x95, 0x07, 0x81, 0x03,
    0x0B, 0x01, 0x00, 0x01, 0x00, 0xA1, 0x00,       // pointer (physical), extended usage 1:1
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x26, 0xFF, 0x0F, 0x75, 0x10, 0x95, 0x02, 0x81, 0x02,
    0x06, 0x00, 0xFF, 0x09, 0x10, 0xA1, 0x02,       // vendor logical collection, third level
    0x85, 0x0B, 0x09, 0x11, 0x75, 0x08, 0x95, 0x04, 0xB1, 0x02,
    0xC0, 0xC0, 0xC0, 0xC0,
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x01, // mouse (application), report id 1
    0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19, 0x01, 0x29, 0x02, 0x25, 0x01, 0x75, 0x01, 0x95,
    0x02, 0x81, 0x02, 0x95, 0x06, 0x81, 0x03, 0xC0, 0xC0,
};

HidDescriptorInfo parse(const Bytes &bytes)
{
    return parseHidDescriptor(bytes);
}

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
    void bootMouseIsOneCollectionWithoutReportIds()
    {
        const HidDescriptorInfo info = parse(kBootMouse);
        QVERIFY(info.wellFormed);
        QCOMPARE(info.collections.size(), size_t(1));
        checkCollection(info.collections[0], 1, 0x01, 0x02, {});
    }

    void receiverListsEachTopLevelCollectionWithItsReportIds()
    {
        const HidDescriptorInfo info = parse(kReceiver);
        QVERIFY(info.wellFormed);
        QCOMPARE(info.collections.size(), size_t(5));
        checkCollection(info.collections[0], 1, 0x01, 0x02, {1});
        checkCollection(info.collections[1], 2, 0x01, 0x06, {2});
        // Report 4 belongs to the consumer collection; the pop restores report id 3.
        checkCollection(info.collections[2], 3, 0x0C, 0x01, {3, 4});
        // Ids listed in ascending order whatever order the reports come in.
        checkCollection(info.collections[3], 4, 0x01, 0x00, {5, 9});
        checkCollection(info.collections[4], 5, 0xFF00, 0x01, {6});
    }

    void nestedCollectionsBelongToTheirTopLevelCollection()
    {
        const HidDescriptorInfo info = parse(kNested);
        QVERIFY(info.wellFormed);
        QCOMPARE(info.collections.size(), size_t(2));
        checkCollection(info.collections[0], 1, 0x0D, 0x05, {10, 11});
        checkCollection(info.collections[1], 2, 0x01, 0x02, {1});
    }

    void usageResolution_data()
    {
        QTest::addColumn<QByteArray>("descriptor");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("usage");
        // A four-byte usage names its own page; the global page does not apply.
        QTest::newRow("extended usage") << QByteArray::fromHex("0600ff0b02000100a101c0") << 0x01 << 0x02;
        // A short usage takes the page in force at the collection, even one set after it.
        QTest::newRow("page after usage") << QByteArray::fromHex("05010901050ca101c0") << 0x0C << 0x01;
        // The first usage names the collection.
        QTest::newRow("first of two usages") << QByteArray::fromHex("050109060902a101c0") << 0x01 << 0x06;
        QTest::newRow("usage minimum") << QByteArray::fromHex("050c1901290aa101c0") << 0x0C << 0x01;
        QTest::newRow("no usage") << QByteArray::fromHex("0501a101c0") << 0x01 << 0x00;
        // Popped globals restore the page.
        QTest::newRow("pop restores page") << QByteArray::fromHex("0501a4050cb40902a101c0") << 0x01 << 0x02;
        // Usages are local: one given before an earlier main item does not carry over.
        QTest::newRow("locals cleared") << QByteArray::fromHex("05010902a10209ffc0a101c0") << 0x01 << 0x00;
    }

    void usageResolution()
    {
        QFETCH(QByteArray, descriptor);
        QFETCH(int, page);
        QFETCH(int, usage);
        const HidDescriptorInfo info = parseHidDescriptor(reinterpret_cast<const uint8_t *>(descriptor.constData()),
                                                          size_t(descriptor.size()));
        QVERIFY(info.wellFormed);
        QVERIFY(!info.collections.empty());
        const HidTopCollection &c = info.collections.back();
        QCOMPARE(int(c.usagePage), page);
        QCOMPARE(int(c.usage), usage);
    }

    void longItemsAreSkippedAndNonApplicationTopLevelIsNotListed()
    {
        // A long item (tag 0x10, 3 data bytes whose values look like a collection) before the
        // first collection; then a top-level physical collection; then an application one.
        const Bytes bytes = {0xFE, 0x03, 0x10, 0xA1, 0x01, 0xC0, 0x05, 0x01, 0x09, 0x01,
                             0xA1, 0x00, 0x85, 0x07, 0x81, 0x02, 0xC0, 0x09, 0x02, 0xA1,
                             0x01, 0x85, 0x01, 0x81, 0x02, 0xC0};
        const HidDescriptorInfo info = parse(bytes);
        QVERIFY(info.wellFormed);
        QCOMPARE(info.collections.size(), size_t(1));
        checkCollection(info.collections[0], 1, 0x01, 0x02, {1});
    }

    void malformedInputIsReported_data()
    {
        QTest::addColumn<QByteArray>("descriptor");
        QTest::addColumn<int>("collections");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("two-byte item cut after one byte") << QByteArray::fromHex("05010902a10126ff") << 1;
        QTest::newRow("four-byte item cut") << QByteArray::fromHex("0501a1010b0200") << 1;
        QTest::newRow("long item running past the end") << QByteArray::fromHex("0501a101fe2010aabb") << 1;
        QTest::newRow("long item header cut") << QByteArray::fromHex("fe05") << 0;
        QTest::newRow("collection left open") << QByteArray::fromHex("05010902a101a100c0") << 1;
        QTest::newRow("unmatched end collection") << QByteArray::fromHex("c005010902a101c0") << 1;
        QTest::newRow("pop without push") << QByteArray::fromHex("b405010902a101c0") << 1;
    }

    void malformedInputIsReported()
    {
        QFETCH(QByteArray, descriptor);
        QFETCH(int, collections);
        // Copied into a buffer of exactly the given size so that a read past its end is
        // caught by the sanitizers.
        std::vector<uint8_t> exact(descriptor.begin(), descriptor.end());
        const HidDescriptorInfo info = parseHidDescriptor(exact);
        QCOMPARE(int(info.collections.size()), collections);
        QCOMPARE(info.wellFormed, descriptor.isEmpty());
    }

    void everyTruncationKeepsTheCollectionsBegunSoFar()
    {
        const HidDescriptorInfo full = parse(kReceiver);
        for (size_t cut = 0; cut < kReceiver.size(); ++cut) {
            const Bytes prefix(kReceiver.begin(), kReceiver.begin() + long(cut));
            const HidDescriptorInfo info = parse(prefix);
            QVERIFY(info.collections.size() <= full.collections.size());
            for (const HidTopCollection &c : info.collections) {
                const HidTopCollection &whole = full.collections[size_t(c.index - 1)];
                QCOMPARE(c.usagePage, whole.usagePage);
                QCOMPARE(c.usage, whole.usage);
                QVERIFY(std::includes(whole.reportIds.begin(), whole.reportIds.end(),
                                      c.reportIds.begin(), c.reportIds.end()));
            }
            // Cut after the last collection has begun (its "A1 01" ends 16 bytes before the
            // end) and before it ends: it is still open, never well formed.
            if (cut >= kReceiver.size() - 16)
                QVERIFY(!info.wellFormed);
        }
    }

    void randomBytesNeverBreakTheListing()
    {
        std::mt19937 random(20240611);
        for (int round = 0; round < 3000; ++round) {
            Bytes bytes(size_t(random() % 96));
            for (uint8_t &b : bytes)
                b = uint8_t(random());
            const HidDescriptorInfo info = parse(bytes);
            for (size_t i = 0; i < info.collections.size(); ++i) {
                QCOMPARE(info.collections[i].index, int(i) + 1);
                QVERIFY(std::is_sorted(info.collections[i].reportIds.begin(), info.collections[i].reportIds.end()));
                QVERIFY(std::find(info.collections[i].reportIds.begin(), info.collections[i].reportIds.end(), 0)
                        == info.collections[i].reportIds.end());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestHidDescriptor)
#include "test_hid_descriptor.moc"
