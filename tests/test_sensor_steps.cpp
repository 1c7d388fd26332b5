// The slider ranges of the DPI rows, with the DPI their ends show, and the sniper dialog's ranges
// and validity rule, at every boundary of their tables (the step-to-DPI rule itself is
// test_sensor_dpi's).

#include "model/sensor_tables.h"

#include <QtTest>

class TestSensorSteps : public QObject {
    Q_OBJECT
private slots:
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

        QCOMPARE(sniperRange(3104)->minStep, 14);
        QCOMPARE(sniperRange(3212)->maxStep, 32);
    }
};

QTEST_APPLESS_MAIN(TestSensorSteps)
#include "test_sensor_steps.moc"
