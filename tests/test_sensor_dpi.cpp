// The DPI a step stands for, per sensor, with the rounding and the shown exceptions.

#include "model/sensor_tables.h"

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
        // Both sides of every change of rule (the ends of each range: test_sensor_steps).
        QTest::newRow("3104 13") << 3104 << 13 << 520;
        QTest::newRow("3104 15") << 3104 << 15 << 600;
        QTest::newRow("3104 106") << 3104 << 106 << 4240;
        QTest::newRow("3104 107") << 3104 << 107 << 4320;
        QTest::newRow("3212 20") << 3212 << 20 << 760;
        QTest::newRow("3212 32 shows 1200") << 3212 << 32 << 1200;
        QTest::newRow("3212 43 shows 1600") << 3212 << 43 << 1600;
        QTest::newRow("3212 63 shows 2400") << 3212 << 63 << 2400;
        QTest::newRow("3212 94") << 3212 << 94 << 4710;
        QTest::newRow("3212 95") << 3212 << 95 << 4860;
        QTest::newRow("3212 110") << 3212 << 110 << 7140;
        QTest::newRow("3311 120") << 3311 << 120 << 12000;
        QTest::newRow("3311 121") << 3311 << 121 << 12200;
        QTest::newRow("3325 50") << 3325 << 50 << 5000;
        QTest::newRow("3325 51") << 3325 << 51 << 5200;
        QTest::newRow("3333 80") << 3333 << 80 << 8000;
        QTest::newRow("3335 160") << 3335 << 160 << 16000;
        QTest::newRow("3335 161") << 3335 << 161 << 16200;
        QTest::newRow("3327 62") << 3327 << 62 << 6400;
        QTest::newRow("3327 93") << 3327 << 93 << 12600;
        QTest::newRow("3327 105") << 3327 << 105 << 16200;
        QTest::newRow("3370 200") << 3370 << 200 << 10000;
        QTest::newRow("3389 320") << 3389 << 320 << 16000;
        QTest::newRow("3395 519") << 3395 << 519 << 26000;
        QTest::newRow("3399 399") << 3399 << 399 << 20000;
        QTest::newRow("no sensor") << 0 << 50 << 0;
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
