// The colour editor's arithmetic: the hexadecimal field's rules, the square and the hue strip in
// pixels at several scales.

#include "storage/colour_arithmetic.h"

#include <QtTest>

namespace {

QString rgbOf(const QColor &c) { return QString("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue()); }

} // namespace

class TestColourArithmetic : public QObject {
    Q_OBJECT
private slots:
    void hexTextByLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rgb");
        QTest::newRow("empty") << "" << "0,0,0";
        QTest::newRow("one digit is blue") << "f" << "0,0,15";
        QTest::newRow("two digits are blue") << "a5" << "0,0,165";
        QTest::newRow("three digits doubled") << "f0a" << "255,0,170";
        QTest::newRow("four: green and blue") << "1234" << "0,18,52";
        QTest::newRow("five: red one digit") << "abcde" << "10,188,222";
        QTest::newRow("six") << "12AbEf" << "18,171,239";
        QTest::newRow("past six ignored") << "12abef99" << "18,171,239";
        QTest::newRow("not hexadecimal counts 0") << "zz10ff" << "0,16,255";
    }
    void hexTextByLength()
    {
        QFETCH(QString, text);
        QFETCH(QString, rgb);
        const QColor c = colourFromHexText(text);
        QVERIFY(c.isValid());
        QCOMPARE(c.alpha(), 255);
        QCOMPARE(rgbOf(c), rgb);
    }

    void hexFieldIsWrittenAsSixDigits()
    {
        QCOMPARE(hexTextOf(QColor(1, 2, 255)), QString("0102FF"));
        QCOMPARE(hexTextOf(QColor()), QString("000000"));
        QCOMPARE(finishedHexText(""), QString("000000"));
        QCOMPARE(finishedHexText("f0a"), QString("FF00AA"));
        QCOMPARE(finishedHexText("1234"), QString("001234"));
        // Round trip: what the field shows reads back as the same colour.
        for (const QColor &c : {QColor(0, 0, 0), QColor(236, 72, 153), QColor(255, 255, 255)})
            QCOMPARE(colourFromHexText(hexTextOf(c)), c);
    }

    void squareEdgesGiveFullAndZeroAtEveryScale()
    {
        for (double scale : {1.0, 1.25, 2.0, 3.5}) {
            const int size = squareSize(scale);
            QCOMPARE(size, int(128 * scale));
            QCOMPARE(squareLevel(size - 1, scale), 255);      // the last pixel: right or top edge
            QCOMPARE(squareLevel(size, scale), 255);
            QCOMPARE(squareLevel(0, scale), 0);               // left or bottom edge
            QCOMPARE(squareLevel(int(64 * scale), scale), 128); // the middle
            // A level shown on the square and picked there again comes back within a step.
            for (int level : {0, 1, 77, 128, 200, 254}) {
                const int back = squareLevel(squarePixels(level, scale), scale);
                QVERIFY2(qAbs(back - level) <= 2, qPrintable(QString("scale %1 level %2 back %3").arg(scale).arg(level).arg(back)));
            }
            QCOMPARE(squareLevel(squarePixels(255, scale), scale), 255);
        }
        QCOMPARE(squareLevel(126, 1.0), 252); // the last step below full
        QCOMPARE(squareLevel(254, 2.0), 254);
        QCOMPARE(squareLevel(-5, 1.0), 0);
        QCOMPARE(boundedToEdge(140, 127), 127);
        QCOMPARE(boundedToEdge(-3, 127), 0);
    }

    void hueStripAndHue360()
    {
        QCOMPARE(hueAtStripPixel(0, 128), 360);   // top row
        QCOMPARE(hueAtStripPixel(127, 128), 0);   // bottom row
        QCOMPARE(hueAtStripPixel(64, 129), 180);
        QCOMPARE(hueAtStripPixel(-20, 256), 360); // dragged past the top
        QCOMPARE(hueAtStripPixel(300, 256), 0);
        QCOMPARE(stripPixelForHue(0, 256), 255);
        QCOMPARE(stripPixelForHue(360, 256), 0);
        // The marker drawn for a hue, picked again, gives that hue back within one degree.
        for (int height : {128, 256, 160})
            for (int hue = 0; hue <= 360; ++hue)
                QVERIFY(qAbs(hueAtStripPixel(stripPixelForHue(hue, height), height) - hue) <= 1);
        QCOMPARE(shownHue(360), 0);
        QCOMPARE(shownHue(359), 359);
        QCOMPARE(shownHue(400), 0);
        QCOMPARE(shownHue(-1), 0);
    }
};

QTEST_GUILESS_MAIN(TestColourArithmetic)
#include "test_colour_arithmetic.moc"
