// The numbered keys of a profile group: every number has its own text in both forms, every text
// reads back as its number, and texts that are almost keys are no keys.

#include "storage/profile_keys.h"
#include "storage/record_sizes.h"
#include "storage/storage_keys.h"

#include <QSet>
#include <QtTest>

#include <string>

using namespace ProfileKeys;

class TestProfileKeys : public QObject {
    Q_OBJECT

private slots:
    void keysAreNumberedInWritingOrder();
    void everyKeyReadsBackFromItsText();
    void nearMissesAreNoKeys();
};

namespace {

std::string filed(int key)
{
    char bytes[kMaxTextSize];
    return std::string(bytes, size_t(text(key, Form::Filed, bytes)));
}

} // namespace

void TestProfileKeys::keysAreNumberedInWritingOrder()
{
    // Golden numbers and texts: the order a record is visited in, the texts the files hold.
    QCOMPARE(count(), 2 + 8 * 5 + 6 + 42 * (9 + 63 * 3) + 5 + 14 * 6);
    QCOMPARE(named(Pollrate), 0);
    QCOMPARE(named(Dpi), 1);
    QCOMPARE(dpi(0, DpiUsed), 2);
    QCOMPARE(named(Mousespeed), 42);
    QCOMPARE(button(0, BtnID), 48);
    QCOMPARE(keyStep(0, 0, StepMap), 57);
    QCOMPARE(button(1, BtnID), 48 + 198);
    QCOMPARE(named(ProfileName), 8364);
    QCOMPARE(named(LedSleepTime), 8368);
    QCOMPARE(led(0, LedRGB), 8369);
    QCOMPARE(led(13, LedBreath), count() - 1);

    QCOMPARE(string(named(Pollrate)), QStringLiteral("pollrate"));
    QCOMPARE(string(dpi(7, DpiY)), QStringLiteral("DPI_INFO_7_y"));
    QCOMPARE(string(button(41, BtnMacroname)), QStringLiteral("BUTTON_INFO_41_macroname"));
    QCOMPARE(string(keyStep(41, 62, StepLow)), QStringLiteral("BUTTON_INFO_41_KeyInfo_62_"));
    QCOMPARE(string(keyStep(3, 10, StepHigh)), QStringLiteral("BUTTON_INFO_3_KeyInfo_10_H"));
    QCOMPARE(string(led(13, LedBreath)), QStringLiteral("LedMode/LED_MODE_13_breath"));
    QCOMPARE(filed(led(13, LedBreath)), std::string("LedMode\\LED_MODE_13_breath"));
    QCOMPARE(string(named(LedMoveOFF)), QStringLiteral("LedMoveOFF"));
    // The same texts as the other readers of these keys make (import checks, model description).
    QCOMPARE(string(button(5, BtnRes1)), keyButtonInfo(5, "Res1"));
    QCOMPARE(string(dpi(2, DpiXY)), keyDpiInfo(2, "xy"));
    QCOMPARE(string(led(4, LedRGB)), keyLedInfo(4, "RGB"));
}

void TestProfileKeys::everyKeyReadsBackFromItsText()
{
    QSet<QString> texts;
    for (int key = 0; key < count(); ++key) {
        const QString asked = string(key);
        QVERIFY(!asked.isEmpty());
        texts.insert(asked);
        const QByteArray bytes = asked.toLatin1();
        QCOMPARE(find(std::string_view(bytes.constData(), size_t(bytes.size())), Form::Asked), key);
        const std::string inFile = filed(key);
        QCOMPARE(find(inFile, Form::Filed), key);
        QCOMPARE(QString::fromStdString(inFile), QString(asked).replace('/', '\\'));
    }
    QCOMPARE(texts.size(), count());
    // Outside the numbers: no text.
    char bytes[kMaxTextSize];
    QCOMPARE(text(-1, Form::Asked, bytes), 0);
    QCOMPARE(text(count(), Form::Asked, bytes), 0);
}

void TestProfileKeys::nearMissesAreNoKeys()
{
    for (const char *text :
         {"", "Pollrate", "pollrate ", " dpi", "dpi=", "DPI_INFO_07_x", "DPI_INFO_8_x", "DPI_INFO__x", "DPI_INFO_0x",
          "DPI_INFO_00000_x", "DPI_INFO_1_z", "BUTTON_INFO_42_ID", "BUTTON_INFO_4294967297_ID", "BUTTON_INFO_0_",
          "BUTTON_INFO_1_KeyInfo_2", "BUTTON_INFO_1_KeyInfo_63_map", "BUTTON_INFO_1_KeyInfo_2_L",
          "BUTTON_INFO_1_KeyInfo_2_mapx", "BUTTON_INFO_1_Matrix", "LedMode/LED_MODE_14_h", "LedMode/LED_MODE_1_",
          "LED_MODE_1_h", "LedModeX", "LedMode\\LED_MODE_1_h"}) {
        QVERIFY2(find(text, Form::Asked) < 0, text);
    }
    // Each form its own separator.
    QCOMPARE(find("LedMode\\LED_MODE_1_h", Form::Filed), led(1, LedH));
    QVERIFY(find("LedMode/LED_MODE_1_h", Form::Filed) < 0);
    QVERIFY(find("LedMode", Form::Filed) == named(LedMode));
}

QTEST_GUILESS_MAIN(TestProfileKeys)
#include "test_profile_keys.moc"
