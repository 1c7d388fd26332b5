#include "storage/app_paths.h"
#include "storage/model_description.h"
#include "support/test_env.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QtTest>

// Each test gets its own application folder; DefaultProfile.bin is written as raw INI text.
class TestModelDescription : public QObject {
    Q_OBJECT
    std::unique_ptr<TempAppFolder> m_dir;
    void writeModel(const QByteArray &body)
    {
        QFile f(m_dir->path() + "/DefaultProfile.bin");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[PROFILE]\n" + body);
    }
private slots:
    void init()
    {
        m_dir = std::make_unique<TempAppFolder>();
    }

    // The empty file of the test folder: no model description, the built-in defaults.
    void emptyFileGivesDefaults()
    {
        ModelDescription model;
        model.dpi = 77;
        ButtonMatrix matrix;
        matrix.fill(9);
        QVERIFY(!hasModelDescription());
        // Read as missing: the record and matrix are left to the built-in defaults.
        QCOMPARE(readModelDescription(model), -1);
        QCOMPARE(int(model.dpi), 77);
        QCOMPARE(readButtonMatrix2(matrix), -1);
        QCOMPARE(int(matrix[15]), 9);
        QCOMPARE(modelButtonCount(), 0);
        QCOMPARE(modelDpiStageCount(), 0);
        QCOMPARE(macrosDisabled(), 0);
        QCOMPARE(showSleep(), 1);
        QVERIFY(modelFrontButtons().isEmpty());
    }

    // No file in the folder: the shipped one is read, as skin and translations are.
    void missingFileFallsBackToTheShippedOne()
    {
        QVERIFY(QFile::remove(m_dir->path() + "/DefaultProfile.bin"));
        const QString shipped = AppPaths::resourceFolder() + "/DefaultProfile.bin";
        if (!QFileInfo::exists(shipped))
            QSKIP("no shipped model description in this build");
        QCOMPARE(AppPaths::modelDescriptionPath(), shipped);
        QVERIFY(hasModelDescription());
        QCOMPARE(modelProductName(), QSettings(shipped, QSettings::IniFormat).value("PROFILE/ProductName").toString());
        QVERIFY(modelButtonCount() > 0);
        QVERIFY(!modelFrontButtons().isEmpty());
    }

    void derivedCounts_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("stages");
        QTest::newRow("plain") << QByteArray("ButtonCount=7\nMouseDpi=0\nDPICount=1\n") << 7 << 6;
        QTest::newRow("masked") << QByteArray("ButtonCount=1\nMouseDpi=6\nDPICount=3\n") << 7 << 4;
        // Counts past the profile's tables are bounded to them.
        QTest::newRow("huge") << QByteArray("ButtonCount=1000\nMouseDpi=1\nDPICount=77\n") << 42 << 8;
        QTest::newRow("negative") << QByteArray("ButtonCount=-5\nMouseDpi=0\n") << 0 << 0;
        QTest::newRow("text") << QByteArray("ButtonCount=seven\nMouseDpi=99999999999\n") << 0 << 0;
    }

    void derivedCounts()
    {
        QFETCH(QByteArray, keys);
        writeModel(keys);
        QTEST(modelButtonCount(), "buttons");
        QTEST(modelDpiStageCount(), "stages");
        ButtonMatrix matrix{};
        QTEST(readButtonMatrix2(matrix), "buttons");
    }

    void matricesAreBytesAndMissingEntriesReadZero()
    {
        writeModel("ButtonCount=3\nBUTTON_INFO_0_Matrix=5\nBUTTON_INFO_1_Matrix=300\nBUTTON_INFO_0_Matrix2=255\n");
        ButtonMatrix matrix, labels;
        matrix.fill(1);
        labels.fill(1);
        QCOMPARE(readButtonMatrix(matrix), 0);
        QCOMPARE(readButtonMatrix2(labels), 3);
        QCOMPARE(int(matrix[0]), 5);
        QCOMPARE(int(matrix[1]), 300 & 0xFF);
        QCOMPARE(int(labels[0]), 255);
        QCOMPARE(int(labels[1]), 0);  // absent: button 0 at that position, not 255
    }

    void factoryValuesAndDamagedValues()
    {
        writeModel("dpi=3\nLedMode=9\npollrate=2\nDPI_INFO_7_xy=400\nDPI_INFO_1_xy=-8\nDPI_INFO_2_xy=99999999999\n"
                   "BUTTON_INFO_15_Fun=200\nLedMode\\LED_MODE_0_RGB=#00ff00\nLedMode\\LED_MODE_1_RGB=no colour\n"
                   "LedMode\\LED_MODE_2_RGB=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0\\x5)\nLedMode\\LED_MODE_4_breath=5\nProductName="
                   + QByteArray(100000, 'N') + "\n");
        QSettings(m_dir->path() + "/DefaultProfile.bin", QSettings::IniFormat).setValue("PROFILE/LedMode/LED_MODE_13_RGB", QColor(1, 2, 3));
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
        QVERIFY(!model.leds[2].color.isValid());
        QCOMPARE(model.leds[4].breath, 5);
        QCOMPARE(modelProductName().size(), 100000);
    }

    void shippedDescriptionIsComplete()
    {
        QFile::remove(m_dir->path() + "/DefaultProfile.bin");
        QVERIFY(QFile::copy(MOUSECFG_SOURCE_DIR "/data/DefaultProfile.bin", m_dir->path() + "/DefaultProfile.bin"));
        QCOMPARE(modelProductName(), QString("DRUV M7 Wireless"));
        QVERIFY(!modelVersion().isEmpty());
        QCOMPARE(modelButtonCount(), 7);
        QCOMPARE(modelDpiStageCount(), 6);
        // Stored masked, so a reader that skips the exclusive-or cannot pass unnoticed.
        QVERIFY(QSettings(m_dir->path() + "/DefaultProfile.bin", QSettings::IniFormat).value("PROFILE/ButtonCount").toInt() != 7);
        ModelDescription model;
        QCOMPARE(readModelDescription(model), 0);
        for (const LedModeDefault &led : model.leds)
            QVERIFY(led.color.isValid());
        ButtonMatrix deviceSlots{}, labels{};
        readButtonMatrix(deviceSlots);
        readButtonMatrix2(labels);
        QSet<int> seen;
        for (int i = 0; i < kModelButtonSlots; ++i) {
            QCOMPARE(int(labels[i]), i < 7 ? i : 255);
            if (i < 7) {
                QVERIFY(model.Fun[i] != 0);
                seen.insert(deviceSlots[i]);
            }
        }
        QCOMPARE(seen.size(), 7);  // each button its own device slot
    }
};

QTEST_GUILESS_MAIN(TestModelDescription)
#include "test_model_description.moc"
