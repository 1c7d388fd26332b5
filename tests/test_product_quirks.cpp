// The product rows: each product once, by its exact name; every row says something; a sensor cap
// names a known sensor and lowers its slider's top. The quirks' effects are checked where they
// act: test_sensor_steps (capped slider), test_lighting_effects and test_command_set (lighting
// slot), gui_test_window_rules (up/down images).

#include "model/product_quirks.h"
#include "model/sensor_tables.h"

#include <QtTest>

#include <set>

class TestProductQuirks : public QObject {
    Q_OBJECT
private slots:
    void eachProductOnceWithSomethingToSay()
    {
        std::set<QString> seen;
        for (const ProductQuirks &row : productQuirkRows()) {
            const QString name = QString::fromLatin1(row.name);
            QVERIFY(!name.isEmpty());
            QVERIFY2(seen.insert(name).second, qPrintable(name + " appears twice"));
            QVERIFY2(row.quirks != 0 || row.sensorCap.sensorId != 0, qPrintable(name + " has no quirk"));
            QVERIFY2((row.quirks & ~kAllProductQuirks) == 0, qPrintable(name + " has an unknown quirk bit"));
            QCOMPARE(&productQuirks(name), &row);
        }
    }

    void sensorCapsLowerAKnownSlider()
    {
        for (const ProductQuirks &row : productQuirkRows()) {
            const SensorCap cap = row.sensorCap;
            if (cap.sensorId == 0) {
                QCOMPARE(cap.topStep, 0);
                continue;
            }
            const SensorSpec *sensor = findSensor(cap.sensorId);
            QVERIFY2(sensor, row.name);
            QVERIFY2(cap.topStep > sensor->slider.minStep && cap.topStep < sensor->slider.maxStep, row.name);
            QCOMPARE(sensorRange(cap.sensorId, row.name)->maxStep, cap.topStep);
            QCOMPARE(row.cappedTopStep(cap.sensorId), std::optional<int>(cap.topStep));
        }
    }

    void namesMatchExactly()
    {
        QVERIFY(productQuirks("7130").has(LightingInFirstSlot));
        QVERIFY(productQuirks("SELKA FPS").has(SecondUpDownImages));
        QVERIFY(productQuirks("Wireless Mouse").has(ViewButtonsBelowPicture));
        QCOMPARE(productQuirks("TORVIK").cappedTopStep(3327), std::optional<int>(92));
        // A cap applies to its own sensor only.
        QVERIFY(!productQuirks("TORVIK").cappedTopStep(3325));
        for (const char *other : {"selka fps", "SELKA FP", "7130 ", "wireless mouse", "", "DRUV M7 Wireless"}) {
            const ProductQuirks &none = productQuirks(other);
            QCOMPARE(none.quirks, 0u);
            QVERIFY2(!none.cappedTopStep(3327), other);
        }
    }
};

QTEST_APPLESS_MAIN(TestProductQuirks)
#include "test_product_quirks.moc"
