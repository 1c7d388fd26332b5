// Button entries of the device's button block: the function table, the functions with
// parameters, and the macro slot numbering.

#include "device/button_encoding.h"
#include "device/macro_download.h"
#include "storage/profile_data.h"

#include <QtTest>

namespace {

ButtonInfo button(int fun)
{
    ButtonInfo b;
    b.Fun = fun;
    return b;
}

ButtonEntry encode(ButtonInfo b, int sensor = 0)
{
    MacroNameMap macros;
    return encodeButton(b, sensor, macros);
}

QByteArray hex(const ButtonEntry &e)
{
    return QByteArray(reinterpret_cast<const char *>(e.data()), int(e.size())).toHex(' ').toUpper();
}

// A combo key list as the combo dialog stores it: presses in order, releases in reverse.
ButtonInfo combo(std::initializer_list<uint8_t> usages)
{
    ButtonInfo b = button(7);
    const std::vector<uint8_t> keys(usages);
    int k = 0;
    for (uint8_t u : keys)
        b.KeyInfo[size_t(k++)] = MacroEvent{u, 5, 0x80};
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        b.KeyInfo[size_t(k++)] = MacroEvent{*it, 5, 0x00};
    return b;
}

} // namespace

class TestButtonEncoding : public QObject {
    Q_OBJECT

private slots:
    void functionTable_data()
    {
        QTest::addColumn<int>("fun");
        QTest::addColumn<QByteArray>("bytes");
        const char *rows[] = {
            "1 81 00 00 00",  "2 82 00 00 00",  "3 83 00 00 00",  "4 85 00 00 00",  "5 84 00 00 00",
            "13 30 00 00 00", "16 00 00 00 00", "17 8F 01 1B 00", "18 8F 01 06 00", "19 8F 01 19 00",
            "20 8F 01 04 00", "21 8F 01 09 00", "22 8F 01 11 00", "23 8F 01 13 00", "24 8F 01 16 00",
            "25 8F 04 2B 00", "26 8F 04 3D 00", "27 8F 08 08 00", "28 8F 08 15 00", "29 8F 08 07 00",
            "30 8F 08 0F 00", "62 8F 08 10 00", "57 94 00 00 00", "59 8D 00 00 00", "61 A0 00 00 00",
            "31 8E 01 23 02", "32 8E 01 24 02", "33 8E 01 25 02", "34 8E 01 26 02", "35 8E 01 27 02",
            "36 8E 01 21 02", "37 8E 01 2A 02", "38 8E 01 8A 01", "39 8E 01 CD 00", "40 8E 01 B7 00",
            "41 8E 01 B6 00", "42 8E 01 B5 00", "43 8E 01 E9 00", "44 8E 01 EA 00", "45 8E 01 E2 00",
            "46 8E 01 83 01", "47 88 00 00 00", "48 8A 00 00 00", "49 89 00 00 00", "50 97 00 00 00",
            "51 98 00 00 00", "52 8B 00 00 00", "53 8C 00 00 00", "54 9B 08 00 00", "58 95 00 00 00",
            "60 9F 00 00 00", "63 97 01 00 00",
        };
        for (const char *row : rows) {
            const QByteArray line(row);
            const int space = line.indexOf(' ');
            QTest::newRow(row) << line.left(space).toInt() << line.mid(space + 1);
        }
    }

    // Every function without parameters is sent as its table row.
    void functionTable()
    {
        QFETCH(int, fun);
        QFETCH(QByteArray, bytes);
        QCOMPARE(hex(encode(button(fun))), bytes);
    }

    // Codes the device does not know give an empty entry.
    void unknownFunctionsSendNothing()
    {
        for (int fun : {0, 8, 11, 14, 56, 64, 199, 201, 509, -1})
            QCOMPARE(hex(encode(button(fun))), QByteArray("00 00 00 00"));
    }

    void singleKey()
    {
        ButtonInfo b = button(6);
        b.Res1 = 30; // "A" -> usage 4
        QCOMPARE(hex(encode(b)), QByteArray("90 00 04 00"));
        b.Res1 = 224; // "Num De" -> usage 99
        QCOMPARE(hex(encode(b)), QByteArray("90 00 63 00"));
        b.Res1 = 240; // mouse button: no keyboard usage
        QCOMPARE(hex(encode(b)), QByteArray("90 00 00 00"));
    }

    void comboKeyHalvesTheModifierMask()
    {
        // Ctrl+Shift+A as the dialog stores it: Shift, Ctrl, A pressed, then released.
        QCOMPARE(hex(encode(combo({225, 224, 4}))), QByteArray("8F 03 04 00"));
        // Right-hand modifiers count as their kind: RAlt + RWin + F1.
        QCOMPARE(hex(encode(combo({230, 231, 58}))), QByteArray("8F 0C 3A 00"));
        // All four modifiers, no key.
        QCOMPARE(hex(encode(combo({225, 224, 227, 226}))), QByteArray("8F 0F 00 00"));
        // A usage without a key code is a plain key; the last plain key found wins.
        QCOMPARE(hex(encode(combo({224, 50}))), QByteArray("8F 01 32 00"));
        QCOMPARE(hex(encode(combo({4, 5}))), QByteArray("8F 00 04 00"));
        // Empty entries between keys are skipped.
        ButtonInfo gap = combo({224, 4});
        gap.KeyInfo[10] = gap.KeyInfo[3];
        gap.KeyInfo[3] = MacroEvent{};
        QCOMPARE(hex(encode(gap)), QByteArray("8F 01 04 00"));
    }

    void fireKey()
    {
        ButtonInfo b = button(12);
        b.LoopNumber = 0x0105;
        b.KeyNumber = 129;
        QCOMPARE(hex(encode(b)), QByteArray("99 81 03 00")); // no Res1: the fixed left-click fire
        b.Res1 = 0x82;
        QCOMPARE(hex(encode(b)), QByteArray("99 82 05 0C"));
        b.Res1 = 0x2C; // keyboard Space
        b.LoopNumber = 3;
        b.KeyNumber = 9;
        QCOMPARE(hex(encode(b)), QByteArray("99 2C 03 00"));
    }

    void sniperPerSensor_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("code");
        QTest::newRow("3104 raw") << 3104 << 20 << 20;
        QTest::newRow("3212 raw") << 3212 << 17 << 17;
        QTest::newRow("3389 raw") << 3389 << 6 << 6;
        QTest::newRow("3325 table") << 3325 << 3 << 6;
        QTest::newRow("3327 table") << 3327 << 3 << 9;
        QTest::newRow("3335 table") << 3335 << 3 << 3;
        QTest::newRow("3335 step 1") << 3335 << 1 << 0;
        QTest::newRow("3360 step-1") << 3360 << 3 << 2;
        QTest::newRow("3360 step 0 stays 0") << 3360 << 0 << 0;
        QTest::newRow("3333 none") << 3333 << 5 << 4;
        QTest::newRow("33252 none") << 33252 << 5 << 4;
        QTest::newRow("unknown") << 0 << 5 << 4;
        // A stored step beyond the table reads its last register, never past it.
        QTest::newRow("3325 past table") << 3325 << 200 << 115;
        QTest::newRow("3325 step 0") << 3325 << 0 << 2;
    }

    void sniperPerSensor()
    {
        QFETCH(int, sensor);
        QFETCH(int, step);
        QFETCH(int, code);
        ButtonInfo b = button(55);
        b.Res1 = uint8_t(step);
        const ButtonEntry e = encode(b, sensor);
        QCOMPARE(int(e[0]), 0x9A);
        QCOMPARE(int(e[1]), 1);
        QCOMPARE(int(e[2]), code);
        QCOMPARE(int(e[3]), code);
    }

    void macroSlotsAndRepeatModes()
    {
        MacroNameMap macros;
        ButtonInfo a = button(200);
        a.macroname = "alpha";
        a.LoopNumber = 0x0203;
        ButtonInfo b = button(510);
        b.macroname = "beta";
        b.Res1 = 1;
        ButtonInfo c = button(200);
        c.macroname = "alpha";
        c.Res1 = 2;
        ButtonInfo d = button(510);
        d.macroname = "gamma";
        d.Res1 = 7; // unknown repeat mode: sent as mode 0, slot included
        d.LoopNumber = 4;

        QCOMPARE(hex(encodeButton(a, 0, macros)), QByteArray("91 00 03 02"));
        QCOMPARE(hex(encodeButton(b, 0, macros)), QByteArray("9D 81 FF FF"));
        QCOMPARE(hex(encodeButton(c, 0, macros)), QByteArray("91 40 FF FF")); // shares slot 0
        QCOMPARE(hex(encodeButton(d, 0, macros)), QByteArray("9D 02 04 00"));
        QCOMPARE(macros.size(), 3);
        QCOMPARE(macros.slotOf("alpha"), 0);
        QCOMPARE(macros.slotOf("beta"), 1);
        QCOMPARE(macros.slotOf("gamma"), 2);
        // The slot is recorded in the button for the macro download.
        QCOMPARE(int(a.Res4), 0);
        QCOMPARE(int(b.Res4), 1);
        QCOMPARE(int(c.Res4), 0);
        QCOMPARE(int(d.Res4), 2);
        // Other functions leave the map alone.
        ButtonInfo left = button(1);
        encodeButton(left, 0, macros);
        QCOMPARE(macros.size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestButtonEncoding)
#include "test_button_encoding.moc"
