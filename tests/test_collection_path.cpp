#include "device/collection_path.h"
#include "platform/udev_hotplug_source.h"

#include <QtTest>

class TestCollectionPath : public QObject {
    Q_OBJECT
private slots:
    void linuxPathsSplitBackIntoNodeAndIndex_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("path");
        QTest::newRow("command") << "/dev/hidraw3" << 4 << "/dev/hidraw3&col04";
        QTest::newRow("pointer") << "/dev/hidraw12" << 1 << "/dev/hidraw12&col01";
        QTest::newRow("three digits") << "/dev/hidraw0" << 100 << "/dev/hidraw0&col100";
        QTest::newRow("simulated") << "sim/receiver" << 4 << "sim/receiver&col04";
    }

    void linuxPathsSplitBackIntoNodeAndIndex()
    {
        QFETCH(QString, node);
        QFETCH(int, index);
        QFETCH(QString, path);
        QCOMPARE(QString::fromStdString(collectionPath(node.toStdString(), index)), path);
        std::string splitNode;
        int splitIndex = -1;
        QVERIFY(splitCollectionPath(path.toStdString(), &splitNode, &splitIndex));
        QCOMPARE(QString::fromStdString(splitNode), node);
        QCOMPARE(splitIndex, index);
        // The device link finds the command collection by "col04" in the path.
        QCOMPARE(path.contains("col04", Qt::CaseInsensitive), index == 4);
    }

    void pathsWithoutACollectionSuffixStayWhole_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("plain node") << "/dev/hidraw3";
        QTest::newRow("one digit") << "/dev/hidraw3&col4";
        QTest::newRow("index zero") << "/dev/hidraw3&col00";
        QTest::newRow("letters") << "/dev/hidraw3&col0a";
        QTest::newRow("not at the end") << "/dev/hidraw3&col04x";
        QTest::newRow("absurd index") << "/dev/hidraw3&col4294967300";
        QTest::newRow("windows") << "\\\\?\\hid#vid_248a&pid_fa02&col04#7&1a2b3c4d&0&0003#{4d1e55b2-f16f-11cf-88cb-001111000030}";
    }

    void pathsWithoutACollectionSuffixStayWhole()
    {
        QFETCH(QString, path);
        std::string node;
        int index = -1;
        QVERIFY(!splitCollectionPath(path.toStdString(), &node, &index));
        QCOMPARE(QString::fromStdString(node), path);
        QCOMPARE(index, 0);
    }

    void windowsPathsNameTheirCollection_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("index");
        QTest::newRow("lower case") << "\\\\?\\hid#vid_248a&pid_fa02&col04#7&1a2b3c4d&0&0003#{4d1e55b2-f16f-11cf-88cb-001111000030}" << 4;
        QTest::newRow("upper case") << "\\\\?\\HID#VID_248A&PID_FA02&COL01#7&1A2B3C4D&0&0000#{4D1E55B2-F16F-11CF-88CB-001111000030}" << 1;
        QTest::newRow("mixed, interface") << "\\\\?\\HID#VID_248A&PID_FB01&MI_00&Col04#8&2f0e&0&0003#{4d1e55b2-f16f-11cf-88cb-001111000030}" << 4;
        QTest::newRow("linux form") << "/dev/hidraw3&col02" << 2;
        QTest::newRow("single collection") << "\\\\?\\hid#vid_046d&pid_c077#7&3b2e&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}" << 0;
        QTest::newRow("suffix without digits") << "\\\\?\\hid#vid_248a&pid_fa02&col#7" << 0;
    }

    void windowsPathsNameTheirCollection()
    {
        QFETCH(QString, path);
        QFETCH(int, index);
        QCOMPARE(windowsCollectionIndex(path.toStdString()), index);
    }

    void interfaceNamesAreClassified_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::addColumn<int>("kind");
        const QString guid = "#{4d1e55b2-f16f-11cf-88cb-001111000030}";
        QTest::newRow("receiver pointer") << "HID#VID_248A&PID_FA02&Col01#7&1a2b3c4d&0&0000" + guid << 0x248A << 0xFA02 << 1;
        QTest::newRow("receiver command, lower case") << "hid#vid_248a&pid_fa02&col04#7&1a2b3c4d&0&0003" + guid << 0x248A << 0xFA02 << 4;
        QTest::newRow("cable pointer, interface 0") << "HID#VID_248A&PID_FB01&MI_00&Col01#8&2f0e1d&0&0000" + guid << 0x248A << 0xFB01 << 1;
        QTest::newRow("cable command, interface 0") << "HID#VID_248A&PID_FB01&MI_00&COL04#8&2f0e1d&0&0003" + guid << 0x248A << 0xFB01 << 4;
        QTest::newRow("other collection") << "HID#VID_248A&PID_FA02&Col02#7&1a2b3c4d&0&0001" + guid << 0 << 0 << 0;
        QTest::newRow("interface 1") << "HID#VID_248A&PID_FB01&MI_01&Col04#8&2f0e1d&0&0003" + guid << 0 << 0 << 0;
        QTest::newRow("single collection") << "HID#VID_046D&PID_C077#7&3b2e&0&0000" + guid << 0 << 0 << 0;
        QTest::newRow("usb device") << "USB#VID_248A&PID_FA02#5&13ab&0&2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}" << 0 << 0 << 0;
        QTest::newRow("empty") << "" << 0 << 0 << 0;
        // The patterns are tried in order: a pointer match wins over a command match later
        // in the list even when the command text comes first in the name.
        QTest::newRow("pattern order") << "HID#VID_1111&PID_2222&MI_00&col04#HID#VID_248A&PID_FA02&col01" << 0x248A << 0xFA02 << 1;
        QTest::newRow("not hex") << "HID#VID_24GZ&PID_FA02&Col04#7&1&0&0003" << 0 << 0xFA02 << 4;
    }

    void interfaceNamesAreClassified()
    {
        QFETCH(QString, name);
        QFETCH(int, vendor);
        QFETCH(int, product);
        QFETCH(int, kind);
        const CollectionEvent event = classifyInterfaceName(name, true);
        QCOMPARE(int(event.vendorId), vendor);
        QCOMPARE(int(event.productId), product);
        QCOMPARE(event.kind, kind);
        QVERIFY(event.arrived);
        QCOMPARE(QString::fromStdString(event.fullPath), "\\\\?\\" + name);
        QVERIFY(!classifyInterfaceName(name, false).arrived);
    }

    void hidIdGivesVendorAndProduct_data()
    {
        QTest::addColumn<QString>("hidId");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::newRow("receiver") << "0003:0000248A:0000FA02" << true << 0x248A << 0xFA02;
        QTest::newRow("lower case") << "0003:0000248a:0000fb01" << true << 0x248A << 0xFB01;
        QTest::newRow("short fields") << "0003:248A:FA02" << false << 0 << 0;
        QTest::newRow("vendor beyond 16 bits") << "0003:0001248A:0000FA02" << false << 0 << 0;
        QTest::newRow("not hex") << "0003:0000248G:0000FA02" << false << 0 << 0;
        QTest::newRow("trailing text") << "0003:0000248A:0000FA02:1" << false << 0 << 0;
    }

    void hidIdGivesVendorAndProduct()
    {
        QFETCH(QString, hidId);
        QFETCH(bool, ok);
        QFETCH(int, vendor);
        QFETCH(int, product);
        uint16_t v = 0x1111, p = 0x2222;
        QCOMPARE(parseHidId(hidId.toStdString(), &v, &p), ok);
        if (ok) {
            QCOMPARE(int(v), vendor);
            QCOMPARE(int(p), product);
        } else {
            QCOMPARE(int(v), 0x1111);
            QCOMPARE(int(p), 0x2222);
        }
    }
};

QTEST_GUILESS_MAIN(TestCollectionPath)
#include "test_collection_path.moc"
