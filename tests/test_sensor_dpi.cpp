// The DPI a step stands for, per sensor, with the rounding and the shown exceptions.

#include "device/sensor_tables.h"

#include <QtTest>

class TestSensorDpi : public QObject {
    Q_OBJECT
private slots:
    void dpiForStep_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("dpi");
        QTest::newRow("3104 560 shown as 500") << 3104 << 14 << 500;
        QTest::newRow("3104 high") << 31042 << 107 << 4320;
        QTest::newRow("3212 low rounded up") << 3212 << 21 << 800;
        QTest::newRow("3212 low") << 3212 << 10 << 380;
        QTest::newRow("3212 middle") << 3212 << 64 << 2430;
        QTest::newRow("3212 7290 shown as 7200") << 3212 << 111 << 7200;
        QTest::newRow("3311") << 3360 << 121 << 12200;
        QTest::newRow("3325") << 33252 << 51 << 5200;
        QTest::newRow("3327 low") << 3327 << 61 << 6200;
        QTest::newRow("3327 middle") << 3327 << 92 << 12400;
        QTest::newRow("3327 top") << 3327 << 106 << 16400;
        QTest::newRow("3327 high") << 3327 << 100 << 14700;
        QTest::newRow("3333") << 3333 << 81 << 8200;
        QTest::newRow("3335") << 33352 << 161 << 16200;
        QTest::newRow("3370") << 3370 << 201 << 10100;
        QTest::newRow("3389 low") << 3389 << 32 << 1600;
        QTest::newRow("3389 high") << 3389 << 321 << 16100;
        QTest::newRow("3395") << 33952 << 519 << 26000;
        QTest::newRow("3395 high") << 3395 << 520 << 26100;
        QTest::newRow("3399") << 3399 << 400 << 20100;
        QTest::newRow("unknown") << 1234 << 50 << 0;
    }
    void dpiForStep()
    {
        QFETCH(int, sensor);
        QFETCH(int, step);
        QFETCH(int, dpi);
        QCOMPARE(::dpiForStep(step, sensor), dpi);
    }
};

QTEST_GUILESS_MAIN(TestSensorDpi)
#include "test_sensor_dpi.moc"
