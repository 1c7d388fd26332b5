#include "storage/key_table.h"

#include <QSet>
#include <QtTest>

class TestKeyTable : public QObject {
    Q_OBJECT
private slots:
    // Every named code but the mouse buttons has one pair; no code or usage repeats, and both
    // directions find each pair.
    void pairsRoundTripAndCoverEveryNamedKey()
    {
        QSet<int> codes, usages;
        for (const KeyUsagePair &pair : kKeyUsagePairs) {
            QVERIFY2(!keyName(pair.code).isEmpty(), qPrintable(QString::number(pair.code)));
            codes.insert(pair.code);
            usages.insert(pair.usage);
            uint8_t usage = 0, code = 0;
            QVERIFY(keyToHid(pair.code, usage) && usage == pair.usage);
            QVERIFY(hidToKey(usage, code) && code == pair.code);
        }
        QCOMPARE(codes.size(), kKeyUsagePairCount);
        QCOMPARE(usages.size(), kKeyUsagePairCount);
        int named = 0;
        for (int code = 0; code < 256; ++code)
            named += !keyName(code).isEmpty();
        QCOMPARE(named, kKeyUsagePairCount + 3);
        QCOMPARE(keyName(kKeyLeftButton), QString("Left Button"));
        QCOMPARE(keyName(kKeyMiddleButton), QString("Middle Button"));
    }

    // Names and usages checked against the keyboard page of the HID usage tables.
    void usagesMatchTheKeyboardPage()
    {
        for (const KeyUsagePair &pair : kKeyUsagePairs) {
            const QString n = keyName(pair.code);
            if (n.size() == 1 && n[0] >= 'A' && n[0] <= 'Z')
                QCOMPARE(int(pair.usage), 4 + n[0].unicode() - 'A');
            else if (n.size() == 1 && n[0] >= '1' && n[0] <= '9')
                QCOMPARE(int(pair.usage), 30 + n[0].unicode() - '1');
            else if (n.size() >= 2 && n[0] == 'F' && n[1].isDigit())
                QCOMPARE(int(pair.usage), 57 + n.mid(1).toInt());
            else if (n.size() == 5 && n.startsWith("Num ") && n[4] >= '1' && n[4] <= '9')
                QCOMPARE(int(pair.usage), 89 + n[4].unicode() - '1');
        }
        const QList<QPair<int, int>> fixed = {
            {11, 39},  {28, 40},  {1, 41},   {57, 44},  {43, 49},  {39, 51},  {53, 56},  {58, 57},
            {55, 70},  {69, 72},  {82, 73},  {83, 76},  {72, 82},  {225, 83}, {74, 86},  {78, 87},
            {76, 93},  {237, 98}, {224, 99}, {93, 101}, {29, 224}, {42, 225}, {56, 226}, {91, 227},
            {238, 228}, {54, 229}, {239, 230}, {92, 231}};
        for (const auto &row : fixed) {
            uint8_t usage = 0;
            QVERIFY(keyToHid(row.first, usage));
            QCOMPARE(int(usage), row.second);
        }
        QCOMPARE(keyName(224), QString("Num De")); // keypad decimal (99), not Delete (83 -> 76)
        QCOMPARE(keyName(83), QString("Delete"));
        QCOMPARE(keyName(43), QString("\\"));
        // The modifier names, found through their usages.
        const QStringList modifiers{"LCtr", "LShift", "LAlt", "LWindows", "RCtr", "RShift", "RAlt", "RWindows"};
        for (int i = 0; i < modifiers.size(); ++i) {
            uint8_t code = 0;
            QVERIFY(hidToKey(224 + i, code));
            QCOMPARE(keyName(code), modifiers[i]);
        }
    }

    void missingEntries()
    {
        for (int code : {0, 84, 243, -1, 256})
            QVERIFY(keyName(code).isEmpty());
        uint8_t out = 0xAB;
        QVERIFY(!keyToHid(kKeyLeftButton, out));
        QVERIFY(!keyToHid(300, out)); // must not alias 300 & 0xFF = 44 ("Z")
        QVERIFY(!hidToKey(50, out));
        QVERIFY(!hidToKey(100, out));
        QVERIFY(!hidToKey(4 + 256, out));
        QCOMPARE(out, uint8_t(0xAB));
    }
};

QTEST_GUILESS_MAIN(TestKeyTable)
#include "test_key_table.moc"
