// The sensor rows themselves: each sensor once, every slider backed by a code rule (one named
// exception), and every rule well formed, so a new row cannot silently send zeros, read past a
// register table or divide by an unused piece. What the rows answer step by step is pinned by
// test_sensor_golden; the values at the boundaries by test_sensor_dpi and test_sensor_steps.

#include "model/sensor_tables.h"

#include <QtTest>

#include <set>

namespace {

QString name(const SensorSpec &row) { return QString::number(row.sensorId); }

// The pieces in use end with the first kAllAbove one, and their lastSteps rise until then.
template <typename Piece, std::size_t N>
int piecesInUse(const std::array<Piece, N> &pieces)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (pieces[i].lastStep == kAllAbove)
            return int(i) + 1;
        if (i > 0 && pieces[i].lastStep <= pieces[i - 1].lastStep)
            return -1;
    }
    return -1;
}

} // namespace

class TestSensorRows : public QObject {
    Q_OBJECT
private slots:
    void eachSensorOnce()
    {
        std::set<int> seen;
        for (const SensorSpec &row : sensorRows()) {
            QVERIFY2(row.sensorId > 0, qPrintable(name(row)));
            QVERIFY2(seen.insert(row.sensorId).second, qPrintable(name(row) + " appears twice"));
            QCOMPARE(findSensor(row.sensorId), &row);
        }
        QVERIFY(!findSensor(0));
        QVERIFY(!findSensor(1234));
    }

    // The DPI page offers a slider for every row; its steps must reach the mouse as something. The
    // 3399 has a slider and a DPI rule but no known code bytes: it is the one exception, and its
    // stages go out as zeros.
    void everySliderHasACodeRule()
    {
        QStringList withoutCodes;
        for (const SensorSpec &row : sensorRows()) {
            if (!row.encodes())
                withoutCodes << name(row);
        }
        QCOMPARE(withoutCodes, QStringList{"3399"});
        const SensorSpec &s3399 = *findSensor(3399);
        QCOMPARE(s3399.codes.rule, CodeRule::None);
        for (const int step : {s3399.slider.minStep, 400, s3399.slider.maxStep})
            QCOMPARE(encodeStageCodes(3399, uint32_t(step), uint32_t(step), 0), (std::array<uint8_t, 4>{}));
    }

    // A sensor with a code rule sends its slider's top step as something other than zeros, on
    // both axes.
    void encodingSensorsSendTheirTopStep()
    {
        for (const SensorSpec &row : sensorRows()) {
            if (!row.encodes())
                continue;
            const uint32_t top = uint32_t(row.slider.maxStep);
            const std::array<uint8_t, 4> codes = encodeStageCodes(row.sensorId, top, top, 0);
            QVERIFY2(codes[0] || codes[1], qPrintable(name(row)));
            QVERIFY2(codes[2] || codes[3], qPrintable(name(row)));
        }
    }

    void dpiRulesAreWellFormed()
    {
        for (const SensorSpec &row : sensorRows()) {
            const int used = piecesInUse(row.dpi.pieces);
            QVERIFY2(used > 0, qPrintable(name(row) + ": DPI pieces must rise and end with kAllAbove"));
            for (int i = 0; i < used; ++i) {
                QVERIFY2(row.dpi.pieces[size_t(i)].perStep > 0, qPrintable(name(row)));
                QVERIFY2(row.dpi.pieces[size_t(i)].roundTo >= 1, qPrintable(name(row)));
            }
            // Every DPI shown as another must be one the rule makes on the slider.
            DpiRule plain = row.dpi;
            plain.shownAs = {};
            for (const DpiShownAs &alias : row.dpi.shownAs) {
                if (alias.computed == 0 && alias.shown == 0)
                    continue;
                bool reached = false;
                for (int step = row.slider.minStep; step <= row.slider.maxStep && !reached; ++step)
                    reached = plain.dpiAt(step) == alias.computed;
                QVERIFY2(reached, qPrintable(QString("%1: %2 is never computed").arg(name(row)).arg(alias.computed)));
            }
        }
    }

    // The slider's DPI rises step by step, so the nearest-DPI search and the range labels agree.
    void slidersShowRisingDpi()
    {
        for (const SensorSpec &row : sensorRows()) {
            QVERIFY2(row.slider.minStep >= 0 && row.slider.minStep < row.slider.maxStep, qPrintable(name(row)));
            QVERIFY2(dpiForStep(row.slider.minStep, row.sensorId) > 0, qPrintable(name(row)));
            for (int step = row.slider.minStep + 1; step <= row.slider.maxStep; ++step)
                QVERIFY2(dpiForStep(step, row.sensorId) > dpiForStep(step - 1, row.sensorId),
                         qPrintable(QString("%1 at step %2").arg(name(row)).arg(step)));
        }
    }

    void codeRulesAreWellFormed()
    {
        for (const SensorSpec &row : sensorRows()) {
            const CodeBytes &codes = row.codes;
            if (codes.narrowTopStep != 0)
                QVERIFY2(codes.narrowTopStep > row.slider.minStep && codes.narrowTopStep < row.slider.maxStep,
                         qPrintable(name(row)));
            if (codes.rule != CodeRule::Segments)
                continue;
            const int used = piecesInUse(codes.segments);
            QVERIFY2(used > 0, qPrintable(name(row) + ": code segments must rise and end with kAllAbove"));
            // A register table covers exactly its segment's steps (the last: from its first step on).
            for (int i = 0; i < used; ++i) {
                const CodeSegment &segment = codes.segments[size_t(i)];
                if (!segment.code.table)
                    continue;
                if (i > 0)
                    QCOMPARE(int64_t(segment.code.table->firstStep), codes.segments[size_t(i - 1)].lastStep + 1);
                if (i + 1 < used)
                    QCOMPARE(int64_t(segment.code.table->lastStep), segment.lastStep);
            }
        }
    }

    // A sniper byte is only known for a sensor whose dialog offers sniper steps. The 3333 offers
    // them but has no known byte: it is the one sensor that sends kNoSniperCode for every step.
    void sniperRowsAreConsistent()
    {
        QStringList rangeWithoutCode;
        for (const SensorSpec &row : sensorRows()) {
            if (row.sniperCode)
                QVERIFY2(row.sniper, qPrintable(name(row) + " has a sniper byte but no sniper steps"));
            if (!row.sniper)
                continue;
            if (!row.sniperCode)
                rangeWithoutCode << name(row);
            const SniperRange &s = *row.sniper;
            QVERIFY2(s.minStep >= row.slider.minStep && s.maxStep <= row.slider.maxStep, qPrintable(name(row)));
            QVERIFY2(s.minStep < s.maxStep && s.validMin <= s.validMax, qPrintable(name(row)));
            QVERIFY2(s.defaultStep >= s.minStep && s.defaultStep <= s.maxStep, qPrintable(name(row)));
            const auto [first, last] = sniperSettableSteps(s);
            QVERIFY2(first < last, qPrintable(name(row)));
        }
        QCOMPARE(rangeWithoutCode, QStringList{"3333"});
        QCOMPARE(int(sniperCode(3333, 5)), int(kNoSniperCode));
    }
};

QTEST_APPLESS_MAIN(TestSensorRows)
#include "test_sensor_rows.moc"
