#include "device/battery_level.h"

#include <QtTest>

class TestBatteryLevel : public QObject {
    Q_OBJECT
private slots:
    void fullThresholdDecidesTheTopLevel()
    {
        // (charge 1, low 0, high 4): raw 1024, 4224 mV.
        const BatteryReading at4200 = interpretBattery(1, 0, 4, 4200);
        QCOMPARE(at4200.raw, 1024);
        QCOMPARE(at4200.millivolts, 4224);
        QCOMPARE(at4200.level, 100);
        QVERIFY(at4200.charging);
        QVERIFY(!at4200.off);
        QCOMPARE(interpretBattery(1, 0, 4, 4300).level, 90);
        // Exactly at the threshold counts as full.
        QCOMPARE(batteryLevel(1024, 4224), 100);
        QCOMPARE(batteryLevel(1024, 4225), 90);
    }

    void unusableThresholdFallsBackToTheDefault()
    {
        QCOMPARE(effectiveBatteryFull(4300), 4300);
        QCOMPARE(effectiveBatteryFull(0), kDefaultBatteryFullMv);
        QCOMPARE(effectiveBatteryFull(-5), kDefaultBatteryFullMv);
        // A mistyped "Config/BatteryFull" (read as 0) no longer shows a weak battery as full.
        QCOMPARE(interpretBattery(0, 8, 3, effectiveBatteryFull(0)).level, 20);
    }

    void levelTableBoundaries_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("level");
        // Both sides of every row; the threshold is set out of reach.
        const int rows[][2] = {{994, 90}, {970, 80}, {946, 70}, {922, 60}, {897, 50},
                               {849, 40}, {825, 30}, {776, 20}};
        for (int i = 0; i < 8; ++i) {
            const int levelBelow = i == 7 ? 10 : rows[i + 1][1];
            QTest::addRow("%d", rows[i][0]) << rows[i][0] << rows[i][1];
            QTest::addRow("%d", rows[i][0] - 1) << rows[i][0] - 1 << levelBelow;
        }
        QTest::addRow("0") << 0 << 10;
    }
    void levelTableBoundaries()
    {
        QFETCH(int, raw);
        QFETCH(int, level);
        QCOMPARE(batteryLevel(raw, 1000000), level);
    }

    void rawAndMillivoltsFromReplyBytes()
    {
        // (0, 7, 3): raw 775, the level table's last row.
        const BatteryReading r775 = interpretBattery(0, 7, 3, kDefaultBatteryFullMv);
        QCOMPARE(r775.raw, 775);
        QCOMPARE(r775.millivolts, 3196); // floor(990 * 775 / 240) = floor(3196.875)
        QCOMPARE(r775.level, 10);
        QVERIFY(!r775.charging && !r775.off);
        // The largest raw value does not overflow the millivolt formula.
        QCOMPARE(batteryMillivolts(batteryRaw(255, 255)), 270331);
    }

    void allZeroIsMouseOff()
    {
        const BatteryReading off = interpretBattery(0, 0, 0, kDefaultBatteryFullMv);
        QVERIFY(off.off);
        QCOMPARE(off.level, 0);
        QCOMPARE(QString(kMouseOffText), QStringLiteral("MOUSE OFF"));
        // Any non-zero byte, the charging byte alone included, is a real reading.
        QVERIFY(!batteryIsOff(1, 0, 0));
        QVERIFY(!batteryIsOff(0, 1, 0));
        QVERIFY(!batteryIsOff(0, 0, 1));
        const BatteryReading chargingOnly = interpretBattery(1, 0, 0, kDefaultBatteryFullMv);
        QVERIFY(!chargingOnly.off);
        QCOMPARE(chargingOnly.level, 10);
    }
};

QTEST_GUILESS_MAIN(TestBatteryLevel)
#include "test_battery_level.moc"
