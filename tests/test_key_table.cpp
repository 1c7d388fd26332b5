#include "storage/key_table.h"

#include <QSet>
#include <QtTest>

class TestKeyTable : public QObject {
    Q_OBJECT
private slots:
    void namesOfRepresentativeCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("esc") << 1 << "Esc";
        QTest::newRow("digit 0 after 9") << 11 << "0";
        QTest::newRow("left control") << 29 << "LCtr";
        QTest::newRow("backslash") << 43 << "\\";
        QTest::newRow("keypad minus keeps its code") << 74 << "Num -";
        QTest::newRow("keypad 5 keeps its code") << 76 << "Num 5";
        QTest::newRow("navigation delete") << 83 << "Delete";
        QTest::newRow("F11 after the gap") << 87 << "F11";
        QTest::newRow("app") << 93 << "App";
        QTest::newRow("keypad decimal") << 224 << "Num De";
        QTest::newRow("right alt") << 239 << "RAlt";
        QTest::newRow("middle button") << 242 << "Middle Button";
    }
    void namesOfRepresentativeCodes()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(keyName(code), name);
    }

    void unnamedCodesAreEmpty()
    {
        for (int code : {0, 84, 85, 86, 89, 90, 94, 223, 243, 255, 256, -1})
            QVERIFY2(keyName(code).isEmpty(), qPrintable(QString::number(code)));
    }

    // Every named code except the three mouse buttons has exactly one pair, and no two pairs share
    // a code or a usage, so both directions of the table are functions.
    void pairsCoverEveryNamedKeyOnce()
    {
        QSet<int> codes;
        QSet<int> usages;
        for (const KeyUsagePair &pair : kKeyUsagePairs) {
            QVERIFY2(!keyName(pair.code).isEmpty(), qPrintable(QString::number(pair.code)));
            codes.insert(pair.code);
            usages.insert(pair.usage);
        }
        QCOMPARE(codes.size(), kKeyUsagePairCount);
        QCOMPARE(usages.size(), kKeyUsagePairCount);
        int named = 0;
        for (int code = 0; code < 256; ++code) {
            if (!keyName(code).isEmpty() && code < kKeyLeftButton)
                ++named;
        }
        QCOMPARE(named, kKeyUsagePairCount);
    }

    void roundTripOfAllPairs()
    {
        for (const KeyUsagePair &pair : kKeyUsagePairs) {
            uint8_t usage = 0;
            uint8_t code = 0;
            QVERIFY(keyToHid(pair.code, usage));
            QCOMPARE(usage, pair.usage);
            QVERIFY(hidToKey(usage, code));
            QCOMPARE(code, pair.code);
        }
    }

    // The usages follow the keyboard page of the HID usage tables; check them against the names.
    void usagesMatchTheKeyboardPage()
    {
        for (const KeyUsagePair &pair : kKeyUsagePairs) {
            const QString name = keyName(pair.code);
            int expected = -1;
            if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z')
                expected = 4 + (name[0].unicode() - 'A');
            else if (name.size() == 1 && name[0] >= '1' && name[0] <= '9')
                expected = 30 + (name[0].unicode() - '1');
            else if (name.size() >= 2 && name[0] == 'F' && name[1].isDigit())
                expected = 57 + name.midRef(1).toInt();
            else if (name.size() == 5 && name.startsWith("Num ") && name[4] >= '1' && name[4] <= '9')
                expected = 89 + (name[4].unicode() - '1');
            if (expected >= 0)
                QCOMPARE(int(pair.usage), expected);
        }
        const struct {
            const char *name;
            int usage;
        } fixed[] = {{"0", 39},           {"Enter", 40},   {"Esc", 41},      {"Space", 44},    {"\\", 49},
                     {";", 51},           {"/", 56},       {"CapsLock", 57}, {"Print Screen", 70},
                     {"Pause Break", 72}, {"Insert", 73},  {"Delete", 76},   {"Up", 82},       {"Num Lock", 83},
                     {"Num -", 86},       {"Num +", 87},   {"Num 0", 98},    {"Num De", 99},   {"App", 101},
                     {"LCtr", 224},       {"LShift", 225}, {"LAlt", 226},    {"LWindows", 227}, {"RCtr", 228},
                     {"RShift", 229},     {"RAlt", 230},   {"RWindows", 231}};
        for (const auto &row : fixed) {
            bool found = false;
            for (const KeyUsagePair &pair : kKeyUsagePairs) {
                if (keyName(pair.code) == QLatin1String(row.name)) {
                    QCOMPARE(int(pair.usage), row.usage);
                    found = true;
                }
            }
            QVERIFY2(found, row.name);
        }
    }

    // Everything before the modifiers is in usage order; the modifiers close the table in their
    // fixed order.
    void pairOrder()
    {
        const int modifiers = 8;
        for (int i = 1; i < kKeyUsagePairCount - modifiers; ++i)
            QVERIFY2(kKeyUsagePairs[i - 1].usage < kKeyUsagePairs[i].usage, qPrintable(QString::number(i)));
        QStringList tail;
        for (int i = kKeyUsagePairCount - modifiers; i < kKeyUsagePairCount; ++i)
            tail << keyName(kKeyUsagePairs[i].code);
        QCOMPARE(tail, QStringList({"LShift", "LCtr", "LWindows", "LAlt", "RAlt", "RWindows", "RCtr", "RShift"}));
    }

    void missingEntriesLeaveTheOutputAlone()
    {
        uint8_t out = 0xAB;
        QVERIFY(!keyToHid(kKeyLeftButton, out));
        QVERIFY(!keyToHid(kKeyMiddleButton, out));
        QVERIFY(!keyToHid(0, out));
        QVERIFY(!keyToHid(84, out));
        // Out-of-range values must not alias a real code through truncation (300 & 0xFF = 44 "Z").
        QVERIFY(!keyToHid(300, out));
        QVERIFY(!keyToHid(-226, out));
        QVERIFY(!hidToKey(50, out));
        QVERIFY(!hidToKey(100, out));
        QVERIFY(!hidToKey(0, out));
        QVERIFY(!hidToKey(4 + 256, out));
        QCOMPARE(out, uint8_t(0xAB));
    }

    void keypadDecimalIsNotDelete()
    {
        uint8_t usage = 0;
        QVERIFY(keyToHid(224, usage));
        QCOMPARE(usage, uint8_t(99));
        QVERIFY(keyToHid(83, usage));
        QCOMPARE(usage, uint8_t(76));
    }
};

QTEST_GUILESS_MAIN(TestKeyTable)
#include "test_key_table.moc"
