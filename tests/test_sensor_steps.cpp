// What a sensor step means to the user: the DPI every label shows, the slider ranges of the DPI
// rows and the sniper dialog's ranges and validity rule, at every boundary of their tables.

#include "device/sensor_tables.h"

#include <QtTest>

class TestSensorSteps : public QObject {
    Q_OBJECT
private slots:
    void dpiAtEveryBoundary_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("dpi");
        // 3104 and 31042: 40 per step up to 106 (560 shown as 500), then 80 per step.
        QTest::newRow("3104 13") << 3104 << 13 << 520;
        QTest::newRow("3104 14 shows 500") << 3104 << 14 << 500;
        QTest::newRow("3104 15") << 3104 << 15 << 600;
        QTest::newRow("3104 105") << 3104 << 105 << 4200;
        QTest::newRow("3104 106") << 3104 << 106 << 4240;
        QTest::newRow("3104 107") << 3104 << 107 << 4320;
        QTest::newRow("31042 14") << 31042 << 14 << 500;
        QTest::newRow("31042 158") << 31042 << 158 << 8400;
        // 3212: three slopes, each rounded down to tens, and the sensor's own roundings.
        QTest::newRow("3212 16") << 3212 << 16 << 600;
        QTest::newRow("3212 20") << 3212 << 20 << 760;
        QTest::newRow("3212 21 shows 800") << 3212 << 21 << 800;
        QTest::newRow("3212 32 shows 1200") << 3212 << 32 << 1200;
        QTest::newRow("3212 43 shows 1600") << 3212 << 43 << 1600;
        QTest::newRow("3212 63 shows 2400") << 3212 << 63 << 2400;
        QTest::newRow("3212 64") << 3212 << 64 << 2430;
        QTest::newRow("3212 94") << 3212 << 94 << 4710;
        QTest::newRow("3212 95") << 3212 << 95 << 4860;
        QTest::newRow("3212 111 shows 7200") << 3212 << 111 << 7200;
        QTest::newRow("3212 110") << 3212 << 110 << 7140;
        // 100 per step, then 200 per step.
        QTest::newRow("3311 1") << 3311 << 1 << 100;
        QTest::newRow("3311 120") << 3311 << 120 << 12000;
        QTest::newRow("3311 121") << 3311 << 121 << 12200;
        QTest::newRow("33112 180") << 33112 << 180 << 24000;
        QTest::newRow("3360 121") << 3360 << 121 << 12200;
        QTest::newRow("3325 50") << 3325 << 50 << 5000;
        QTest::newRow("3325 51") << 3325 << 51 << 5200;
        QTest::newRow("33252 75") << 33252 << 75 << 10000;
        QTest::newRow("3333 2") << 3333 << 2 << 200;
        QTest::newRow("3333 80") << 3333 << 80 << 8000;
        QTest::newRow("3333 81") << 3333 << 81 << 8200;
        QTest::newRow("3333 120") << 3333 << 120 << 16000;
        QTest::newRow("3335 160") << 3335 << 160 << 16000;
        QTest::newRow("3335 161") << 3335 << 161 << 16200;
        QTest::newRow("33352 240") << 33352 << 240 << 32000;
        // 3327: offset by one step, then two steeper slopes; its top step is shown as 16400.
        QTest::newRow("3327 1") << 3327 << 1 << 200;
        QTest::newRow("3327 61") << 3327 << 61 << 6200;
        QTest::newRow("3327 62") << 3327 << 62 << 6400;
        QTest::newRow("3327 92") << 3327 << 92 << 12400;
        QTest::newRow("3327 93") << 3327 << 93 << 12600;
        QTest::newRow("3327 105") << 3327 << 105 << 16200;
        QTest::newRow("3327 106 shows 16400") << 3327 << 106 << 16400;
        // 50 per step, then 100 per step.
        QTest::newRow("3370 1") << 3370 << 1 << 50;
        QTest::newRow("3370 200") << 3370 << 200 << 10000;
        QTest::newRow("3370 201") << 3370 << 201 << 10100;
        QTest::newRow("3370 290") << 3370 << 290 << 19000;
        QTest::newRow("3389 2") << 3389 << 2 << 100;
        QTest::newRow("3389 320") << 3389 << 320 << 16000;
        QTest::newRow("3389 321") << 3389 << 321 << 16100;
        QTest::newRow("3389 480") << 3389 << 480 << 32000;
        QTest::newRow("3395 0") << 3395 << 0 << 50;
        QTest::newRow("3395 519") << 3395 << 519 << 26000;
        QTest::newRow("3395 520") << 3395 << 520 << 26100;
        QTest::newRow("33952 779") << 33952 << 779 << 52000;
        QTest::newRow("3399 0") << 3399 << 0 << 50;
        QTest::newRow("3399 399") << 3399 << 399 << 20000;
        QTest::newRow("3399 400") << 3399 << 400 << 20100;
        QTest::newRow("3399 599") << 3399 << 599 << 40000;
        QTest::newRow("unknown sensor") << 1234 << 50 << 0;
        QTest::newRow("no sensor") << 0 << 50 << 0;
    }
    void dpiAtEveryBoundary()
    {
        QFETCH(int, sensor);
        QFETCH(int, step);
        QFETCH(int, dpi);
        QCOMPARE(dpiForStep(step, sensor), dpi);
    }

    void sliderRangesAndTheirDpiEnds_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("minStep");
        QTest::addColumn<int>("maxStep");
        QTest::addColumn<int>("minDpi");
        QTest::addColumn<int>("maxDpi");
        QTest::addColumn<bool>("link");
        const QString any = "DRUV M7 Wireless";
        QTest::newRow("3104") << 3104 << any << 14 << 105 << 500 << 4200 << true;
        QTest::newRow("31042") << 31042 << any << 14 << 158 << 500 << 8400 << true;
        QTest::newRow("3212") << 3212 << any << 16 << 111 << 600 << 7200 << false;
        QTest::newRow("3311") << 3311 << any << 1 << 120 << 100 << 12000 << false;
        QTest::newRow("33112") << 33112 << any << 1 << 180 << 100 << 24000 << false;
        QTest::newRow("3325") << 3325 << any << 1 << 50 << 100 << 5000 << false;
        QTest::newRow("33252") << 33252 << any << 1 << 75 << 100 << 10000 << false;
        QTest::newRow("3327") << 3327 << any << 1 << 106 << 200 << 16400 << false;
        QTest::newRow("3327 K308-RGB") << 3327 << "K308-RGB" << 1 << 92 << 200 << 12400 << false;
        QTest::newRow("3327 HALDREN") << 3327 << "HALDREN" << 1 << 92 << 200 << 12400 << false;
        QTest::newRow("3327 7138") << 3327 << "7138" << 1 << 92 << 200 << 12400 << false;
        QTest::newRow("3327 names match exactly") << 3327 << "k308-rgb" << 1 << 106 << 200 << 16400 << false;
        QTest::newRow("3327 no prefix match") << 3327 << "K308-RGB2" << 1 << 106 << 200 << 16400 << false;
        QTest::newRow("a listed name on another sensor") << 3325 << "K308-RGB" << 1 << 50 << 100 << 5000 << false;
        QTest::newRow("3333") << 3333 << any << 2 << 120 << 200 << 16000 << false;
        QTest::newRow("3335") << 3335 << any << 1 << 160 << 100 << 16000 << false;
        QTest::newRow("33352") << 33352 << any << 1 << 240 << 100 << 32000 << false;
        QTest::newRow("3360") << 3360 << any << 1 << 180 << 100 << 24000 << true;
        QTest::newRow("3370") << 3370 << any << 1 << 290 << 50 << 19000 << false;
        QTest::newRow("3389") << 3389 << any << 2 << 480 << 100 << 32000 << true;
        QTest::newRow("3395") << 3395 << any << 0 << 519 << 50 << 26000 << true;
        QTest::newRow("3399") << 3399 << any << 0 << 599 << 50 << 40000 << true;
        QTest::newRow("33952") << 33952 << any << 0 << 779 << 50 << 52000 << true;
    }
    void sliderRangesAndTheirDpiEnds()
    {
        QFETCH(int, sensor);
        QFETCH(QString, product);
        QFETCH(int, minStep);
        QFETCH(int, maxStep);
        QFETCH(int, minDpi);
        QFETCH(int, maxDpi);
        QFETCH(bool, link);
        const std::optional<SensorRange> range = sensorRange(sensor, product);
        QVERIFY(range);
        QCOMPARE(range->minStep, minStep);
        QCOMPARE(range->maxStep, maxStep);
        QCOMPARE(range->linkShown, link);
        // The range labels show the DPI of the ends.
        QCOMPARE(dpiForStep(range->minStep, sensor), minDpi);
        QCOMPARE(dpiForStep(range->maxStep, sensor), maxDpi);
    }

    void unknownSensorsHaveNoRange()
    {
        QVERIFY(!sensorRange(1234, "DRUV M7 Wireless"));
        QVERIFY(!sensorRange(0, QString()));
        QVERIFY(!sniperRange(3311));
        QVERIFY(!sniperRange(0));
    }

    void sniperStepsAndTheirDefaults()
    {
        // 3104: 14 is the default but not a valid stored value, so it stays 14 either way.
        QCOMPARE(sniperStepFor(3104, 0), 14);
        QCOMPARE(sniperStepFor(3104, 27), 14);
        QCOMPARE(sniperStepFor(3104, 14), 14);
        QCOMPARE(sniperStepFor(3104, 15), 15);
        QCOMPARE(sniperStepFor(3104, 26), 26);
        QCOMPARE(sniperStepFor(3212, 16), 16);
        QCOMPARE(sniperStepFor(3212, 40), 16);
        QCOMPARE(sniperStepFor(3212, 17), 17);
        QCOMPARE(sniperStepFor(3212, 32), 32);
        QCOMPARE(sniperStepFor(3212, 33), 16);
        for (int sensor : {3325, 3327, 3360, 3335}) {
            QCOMPARE(sniperStepFor(sensor, 0), 3);
            QCOMPARE(sniperStepFor(sensor, 1), 1);
            QCOMPARE(sniperStepFor(sensor, 10), 10);
            QCOMPARE(sniperStepFor(sensor, 11), 3);
        }
        // 3333's slider starts at 2, but a stored 1 is valid.
        QCOMPARE(sniperRange(3333)->minStep, 2);
        QCOMPARE(sniperStepFor(3333, 1), 1);
        QCOMPARE(sniperStepFor(3333, 0), 3);
        QCOMPARE(sniperStepFor(3389, 0), 6);
        QCOMPARE(dpiForStep(sniperStepFor(3389, 0), 3389), 300);
        QCOMPARE(sniperStepFor(3389, 1), 6);
        QCOMPARE(sniperStepFor(3389, 2), 2);
        QCOMPARE(sniperStepFor(3389, 20), 20);
        QCOMPARE(sniperStepFor(3389, 21), 6);
        // Without a sniper range nothing is checked.
        QCOMPARE(sniperStepFor(3311, 77), 77);
        QCOMPARE(sniperStepFor(3311, 0), 0);

        const SniperRange r3104 = *sniperRange(3104);
        QCOMPARE(r3104.minStep, 14);
        QCOMPARE(r3104.maxStep, 26);
        const SniperRange r3212 = *sniperRange(3212);
        QCOMPARE(r3212.minStep, 16);
        QCOMPARE(r3212.maxStep, 32);
        QCOMPARE(sniperRange(3389)->maxStep, 20);
        QCOMPARE(sniperRange(3327)->maxStep, 10);
    }
};

QTEST_APPLESS_MAIN(TestSensorSteps)
#include "test_sensor_steps.moc"
