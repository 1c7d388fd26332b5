#include "storage/app_paths.h"
#include "storage/model_description.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Writes DefaultProfile.bin as raw INI text, so tests control exactly what the file holds.
void writeModelText(const QTemporaryDir &dir, const QByteArray &body)
{
    QFile f(dir.path() + "/DefaultProfile.bin");
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("[PROFILE]\n" + body);
}

} // namespace

class TestModelDescription : public QObject {
    Q_OBJECT
private slots:
    void missingFileLeavesOutputsAndGivesDefaults()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        ModelDescription model;
        model.dpi = 77;
        QCOMPARE(readModelDescription(model), -1);
        QCOMPARE(int(model.dpi), 77);
        ButtonMatrix matrix;
        matrix.fill(9);
        QCOMPARE(readButtonMatrix(matrix), -1);
        QCOMPARE(readButtonMatrix2(matrix), -1);
        QCOMPARE(int(matrix[15]), 9);
        QCOMPARE(modelButtonCount(), 0);
        QCOMPARE(modelDpiStageCount(), 0);
        QCOMPARE(macrosDisabled(), 0);
        QCOMPARE(showSleep(), 1);
        QVERIFY(modelProductName().isEmpty());
    }

    void derivedCounts_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("stages");
        QTest::newRow("plain") << QByteArray("ButtonCount=7\nMouseDpi=0\nDPICount=1\n") << 7 << 6;
        QTest::newRow("masked") << QByteArray("ButtonCount=1\nMouseDpi=6\nDPICount=3\n") << 7 << 4;
        QTest::newRow("absent") << QByteArray("ProductName=x\n") << 0 << 0;
        // Counts past the profile's tables are bounded to them, never used raw.
        QTest::newRow("huge") << QByteArray("ButtonCount=1000\nMouseDpi=1\nDPICount=77\n") << 42 << 8;
        QTest::newRow("negative") << QByteArray("ButtonCount=-5\nMouseDpi=0\nDPICount=0\n") << 0 << 0;
        QTest::newRow("text") << QByteArray("ButtonCount=seven\nMouseDpi=0\nDPICount=x\n") << 0 << 0;
    }

    void derivedCounts()
    {
        QFETCH(QByteArray, keys);
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        writeModelText(dir, keys);
        QTEST(modelButtonCount(), "buttons");
        QTEST(modelDpiStageCount(), "stages");
        ButtonMatrix matrix{};
        QTEST(readButtonMatrix2(matrix), "buttons");
    }

    void matricesAreBytesAndMissingEntriesReadZero()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        writeModelText(dir, "ButtonCount=3\nBUTTON_INFO_0_Matrix=5\nBUTTON_INFO_1_Matrix=300\n"
                            "BUTTON_INFO_0_Matrix2=255\nBUTTON_INFO_2_Matrix2=-1\n");
        ButtonMatrix matrix;
        matrix.fill(1);
        QCOMPARE(readButtonMatrix(matrix), 0);
        QCOMPARE(int(matrix[0]), 5);
        QCOMPARE(int(matrix[1]), 300 & 0xFF);
        QCOMPARE(int(matrix[2]), 0);
        ButtonMatrix labels;
        labels.fill(1);
        QCOMPARE(readButtonMatrix2(labels), 3);
        QCOMPARE(int(labels[0]), 255);
        QCOMPARE(int(labels[1]), 0);  // absent: button 0 at that position, not 255
        QCOMPARE(int(labels[2]), 255);
    }

    void factoryValuesAndDamagedValues()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        {
            QSettings s(dir.path() + "/DefaultProfile.bin", QSettings::IniFormat);
            s.setValue("PROFILE/dpi", 3);
            s.setValue("PROFILE/LedMode", 9);
            s.setValue("PROFILE/pollrate", 2);
            s.setValue("PROFILE/DPI_INFO_7_xy", 400);
            s.setValue("PROFILE/DPI_INFO_1_xy", "-8");
            s.setValue("PROFILE/DPI_INFO_2_xy", "lots");
            s.setValue("PROFILE/BUTTON_INFO_15_Fun", 200);
            s.setValue("PROFILE/LedMode/LED_MODE_13_RGB", QColor(1, 2, 3));
            s.setValue("PROFILE/LedMode/LED_MODE_0_RGB", "#00ff00");
            s.setValue("PROFILE/LedMode/LED_MODE_1_RGB", "not a colour");
            s.setValue("PROFILE/LedMode/LED_MODE_4_bright", 2);
            s.setValue("PROFILE/LedMode/LED_MODE_4_breath", 5);
            s.setValue("PROFILE/ProductName", QString(100000, 'N'));
        }
        // A serialised value that cannot be decoded.
        QFile f(dir.path() + "/DefaultProfile.bin");
        QVERIFY(f.open(QIODevice::Append));
        f.write("LedMode\\LED_MODE_2_RGB=@Variant(\\0\\0\\0\\x43\\x1)\n");
        f.close();

        ModelDescription model;
        QCOMPARE(readModelDescription(model), 0);
        QCOMPARE(int(model.dpi), 3);
        QCOMPARE(int(model.LedMode), 9);
        QCOMPARE(model.pollrate, 2);
        QCOMPARE(model.stages[7], 400u);
        QCOMPARE(model.stages[1], 0u);
        QCOMPARE(model.stages[2], 0u);
        QCOMPARE(model.Fun[15], 200);
        QCOMPARE(model.leds[13].color, QColor(1, 2, 3));
        QCOMPARE(model.leds[0].color, QColor(0, 255, 0));
        QVERIFY(!model.leds[1].color.isValid());
        QVERIFY(!model.leds[3].color.isValid());
        QCOMPARE(model.leds[4].bright, 2);
        QCOMPARE(model.leds[4].breath, 5);
        QCOMPARE(modelProductName().size(), 100000);
    }

    void garbageFileReadsAsZero()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        QFile f(dir.path() + "/DefaultProfile.bin");
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray junk;
        for (int i = 0; i < 20000; ++i)
            junk.append(char((i * 7919) & 0xFF));
        f.write(junk);
        f.close();
        ModelDescription model;
        QCOMPARE(readModelDescription(model), 0);
        QVERIFY(modelButtonCount() >= 0 && modelButtonCount() <= kButtonCount);
        QVERIFY(modelDpiStageCount() >= 0 && modelDpiStageCount() <= kDpiStageCount);
    }

    void shippedDescriptionIsComplete()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        QVERIFY(QFile::copy(MOUSECFG_SOURCE_DIR "/data/DefaultProfile.bin", dir.path() + "/DefaultProfile.bin"));
        QCOMPARE(modelProductName(), QString("DRUV M7 Wireless"));
        QVERIFY(!modelVersion().isEmpty());
        const int buttons = modelButtonCount();
        QCOMPARE(buttons, 7);
        QCOMPARE(modelDpiStageCount(), 6);
        // The raw key must not already be the count: readers that skip the exclusive-or would
        // then go unnoticed.
        QVERIFY(QSettings(dir.path() + "/DefaultProfile.bin", QSettings::IniFormat).value("PROFILE/ButtonCount").toInt() != buttons);
        ModelDescription model;
        QCOMPARE(readModelDescription(model), 0);
        for (int i = 0; i < buttons; ++i)
            QVERIFY(model.Fun[i] != 0);
        for (int m = 0; m < kLedModeCount; ++m)
            QVERIFY(model.leds[m].color.isValid());
        QVERIFY(model.dpi < modelDpiStageCount());
        ButtonMatrix deviceSlots{}, labels{};
        QCOMPARE(readButtonMatrix(deviceSlots), 0);
        readButtonMatrix2(labels);
        QSet<int> seen;
        for (int i = 0; i < buttons; ++i) {
            seen.insert(deviceSlots[i]);
            QCOMPARE(int(labels[i]), i);
        }
        QCOMPARE(seen.size(), buttons);  // each button its own device slot
        for (int i = buttons; i < kModelButtonSlots; ++i)
            QCOMPARE(int(labels[i]), 255);
    }
};

QTEST_GUILESS_MAIN(TestModelDescription)
#include "test_model_description.moc"
