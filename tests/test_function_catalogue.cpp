// The function catalogue against its fixed rows and menu orders and against the device's
// function table, and what assigning the functions with parameters writes into a button.

#include "model/assignment_text.h"
#include "model/button_assignment.h"
#include "model/button_reach.h"
#include "device/button_encoding.h"
#include "model/function_catalogue.h"
#include "device/macro_download.h"
#include "storage/app_paths.h"
#include "storage/key_table.h"
#include "storage/macro_file.h"
#include "storage/profile_data.h"
#include "support/test_env.h"

#include <QDir>
#include <QSet>
#include <QtTest>

#include <memory>

namespace {

QString sourceText(const char *text)
{
    return QString::fromLatin1(text);
}

QStringList texts(const QVector<const FunctionEntry *> &entries)
{
    QStringList out;
    for (const FunctionEntry *entry : entries)
        out << entry->text;
    return out;
}

QStringList mainMenuTexts(bool macros)
{
    QStringList out;
    for (const MainMenuItem &item : mainMenuItems(macros))
        out << (item.entry ? QString(item.entry->text) : QString("[%1]").arg(submenuTitle(item.submenu)));
    return out;
}

ButtonEntry encoded(ButtonInfo button)
{
    MacroNameMap macros;
    return encodeButton(button, 0, macros);
}

} // namespace

class TestFunctionCatalogue : public QObject {
    Q_OBJECT
private slots:
    // Every row in its place, each code once, and each code known to the mouse.
    void rowsAndDeviceCodes()
    {
        const QList<QPair<QString, int>> rows = {
            {"Left", 1}, {"Right", 2}, {"Middle", 3}, {"Forward", 4}, {"Back", 5}, {"SINGLE KEY", 6},
            {"COMBO KEY", 7}, {"FIRE KEY", 12}, {"Button Off", 16}, {"Cut", 17}, {"Copy", 18},
            {"Paste", 19}, {"All", 20}, {"Find", 21}, {"New", 22}, {"Print", 23}, {"Save", 24},
            {"Switch Window", 25}, {"Close Window", 26}, {"My Computer", 27}, {"Run", 28},
            {"Show Desktop", 29}, {"Lock PC", 30}, {"Browser Home", 31}, {"Browser Backward", 32},
            {"Browser Forward", 33}, {"Browser Stop", 34}, {"Browser Refresh", 35},
            {"Browser Search", 36}, {"Browser Favorite", 37}, {"Mail", 38}, {"Boss Key", 62},
            {"Play/Pause", 39}, {"Stop", 40}, {"Previous Track", 41}, {"Next Track", 42},
            {"Volume Up", 43}, {"Volume Down", 44}, {"Mute", 45}, {"Media Player", 46},
            {"DPI Switch", 47}, {"DPI +", 48}, {"DPI -", 49}, {"Rate +", 50}, {"Rate -", 51},
            {"Scroll Up", 52}, {"Scroll Down", 53}, {"LED SWITCH", 54}, {"SNIPER", 55},
            {"Profile +", 57}, {"Profile -", 58}, {"Profile Switch", 59}, {"Macro Manager", 200},
            {"GunFile Manager", 510}};
        QCOMPARE(rows.size(), kFunctionEntryCount);
        QSet<int> codes;
        for (int i = 0; i < kFunctionEntryCount; ++i) {
            const FunctionEntry &entry = kFunctionCatalogue[size_t(i)];
            QCOMPARE(sourceText(entry.text), rows[i].first);
            QCOMPARE(entry.fun, rows[i].second);
            codes.insert(entry.fun);
            QVERIFY2(findButtonFunction(entry.fun), entry.text);
            QCOMPARE(findFunction(entry.fun), &entry);
        }
        QCOMPARE(codes.size(), kFunctionEntryCount);
        // Only "Button Off" sends four zero bytes; the device-only codes have no entry.
        for (const FunctionEntry &entry : kFunctionCatalogue)
            QCOMPARE(findButtonFunction(entry.fun)->bytes == ButtonEntry{}, entry.fun == kFunButtonOff);
        for (int fun : {0, 8, 13, 56, 60, 61, 63, 199})
            QVERIFY(!findFunction(fun));
        // The entries that ask for something.
        QCOMPARE(findFunction(6)->params, FunctionParams::SingleKey);
        QCOMPARE(findFunction(7)->params, FunctionParams::ComboKey);
        QCOMPARE(findFunction(12)->params, FunctionParams::FireKey);
        QCOMPARE(findFunction(55)->params, FunctionParams::Sniper);
        QCOMPARE(findFunction(200)->params, FunctionParams::Macro);
        QCOMPARE(findFunction(510)->params, FunctionParams::GunSet);
    }

    void menusInTheirOrder()
    {
        const QStringList main = {"Left", "Right", "Middle", "Forward", "Back", "[Basic]", "[Windows]",
                                  "[Advance]", "[Media]", "[DPI]", "[Polling Rate]", "Macro Manager",
                                  "LED SWITCH", "Button Off"};
        QCOMPARE(mainMenuTexts(true), main);
        QStringList withoutMacros = main;
        withoutMacros.removeAll("Macro Manager");
        QCOMPARE(mainMenuTexts(false), withoutMacros);

        QCOMPARE(texts(submenuEntries(Submenu::Basic)),
                 QStringList({"Cut", "Copy", "Paste", "All", "Find", "New", "Print", "Save"}));
        QCOMPARE(texts(submenuEntries(Submenu::Windows)),
                 QStringList({"Switch Window", "Close Window", "My Computer", "Run", "Show Desktop", "Lock PC",
                              "Browser Home", "Browser Backward", "Browser Forward", "Browser Stop",
                              "Browser Refresh", "Browser Search", "Browser Favorite", "Mail", "Boss Key"}));
        QCOMPARE(texts(submenuEntries(Submenu::Advance)),
                 QStringList({"SINGLE KEY", "COMBO KEY", "FIRE KEY", "SNIPER"}));
        QCOMPARE(texts(submenuEntries(Submenu::Media)),
                 QStringList({"Play/Pause", "Stop", "Previous Track", "Next Track", "Volume Up", "Volume Down",
                              "Mute", "Media Player"}));
        QCOMPARE(texts(submenuEntries(Submenu::Dpi)), QStringList({"DPI Switch", "DPI +", "DPI -"}));
        QCOMPARE(texts(submenuEntries(Submenu::PollingRate)), QStringList({"Rate +", "Rate -"}));
        QCOMPARE(texts(submenuEntries(Submenu::Profile)), QStringList({"Profile +", "Profile -", "Profile Switch"}));
        QCOMPARE(texts(scrollMenuEntries()),
                 QStringList({"Scroll Up", "Scroll Down", "Volume Up", "Volume Down", "Left", "Right", "Middle",
                              "Forward", "Back", "SINGLE KEY", "COMBO KEY"}));
        QCOMPARE(sourceText(submenuTitle(Submenu::Profile)), QString("Profile Menu"));
    }

    // No label is left empty, whatever code a file brings.
    void labelTexts()
    {
        auto tr = [](const char *text) { return QString::fromLatin1(text); };
        QCOMPARE(buttonLabelText(52, QString(), tr), QString("Scroll Up"));
        QCOMPARE(buttonLabelText(13, QString(), tr), QString("Function 13"));
        QCOMPARE(buttonLabelText(-4, QString(), tr), QString("Function -4"));
        QCOMPARE(buttonLabelText(0, QString(), tr), QString("Button Off"));
        QCOMPARE(buttonLabelText(200, "Reload", tr), QString("Reload"));
        QCOMPARE(buttonLabelText(510, QString(), tr), QString("GunFile Manager"));
        QCOMPARE(buttonLabelText(2, "stale name", tr), QString("Right"));
        QCOMPARE(buttonGroupOf(19), 0);
        QCOMPARE(buttonGroupOf(20), 1);
        QCOMPARE(buttonGroupOf(41), 2);
        QCOMPARE(buttonGroupOf(42), -1);
    }

    // Only buttons with a place in the sent block count as sent: the wheel's two always, front
    // buttons below the count on a slot of their own that the block carries, never a side button.
    void whichButtonsAreSent()
    {
        ButtonReach reach;
        reach.buttonCount = 7;
        reach.matrix = {0, 1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        for (int b = 0; b < 7; ++b)
            QCOMPARE(buttonDeviceSlot(b, reach), b);
        QCOMPARE(buttonDeviceSlot(7, reach), -1); // past the count
        for (int b = 20; b < 40; ++b)
            QVERIFY(!buttonIsSent(b, reach));
        QCOMPARE(buttonDeviceSlot(40, reach), 22);
        QCOMPARE(buttonDeviceSlot(41, reach), 23);
        QCOMPARE(buttonDeviceSlot(-1, reach), -1);
        QCOMPARE(buttonDeviceSlot(42, reach), -1);

        reach.matrix[1] = 21; // the last slot a front button can have
        reach.matrix[2] = 22; // the wheel's
        reach.matrix[3] = 24; // replaced by the block's trailer
        reach.matrix[4] = 6;  // button 6 overwrites it
        QCOMPARE(buttonDeviceSlot(1, reach), 21);
        QVERIFY(!buttonIsSent(2, reach));
        QVERIFY(!buttonIsSent(3, reach));
        QVERIFY(!buttonIsSent(4, reach));
        QCOMPARE(buttonDeviceSlot(6, reach), 6);
        reach.buttonCount = 40; // a count past the 16 matrix entries: 7..15 now share slot 0
        QVERIFY(!buttonIsSent(16, reach));
        QVERIFY(!buttonIsSent(0, reach));
        QCOMPARE(buttonDeviceSlot(15, reach), 0);
    }

    // The tooltip names what exactly a label's entry holds.
    void assignmentDescriptions()
    {
        auto tr = [](const char *text) { return QString::fromLatin1(text); };
        ButtonInfo b;
        setSingleKey(b, uint8_t(keyCodeForName("F5")));
        QCOMPARE(describeAssignment(b, 0, tr), QString("F5"));

        ComboKeys combo{};
        combo[0] = 2; // right Shift: stored as the left one
        combo[1] = 1;
        combo[kComboMainRow] = 1;
        HotKeyCodes keys = modifierKeyPairs();
        keys[kComboMainRow][0] = uint8_t(keyCodeForName("A"));
        setComboKey(b, combo, keys);
        QCOMPARE(describeAssignment(b, 0, tr), QString("Ctrl + Shift + A"));
        combo = {};
        combo[3] = 1;
        setComboKey(b, combo, keys);
        QCOMPARE(describeAssignment(b, 0, tr), QString("Alt"));
        b.KeyInfo = {};
        QCOMPARE(describeAssignment(b, 0, tr), QString("Combo key without keys"));

        setFireKey(b, FireMode::KeyboardKey, uint8_t(keyCodeForName("Space")), 5, 50);
        QCOMPARE(describeAssignment(b, 0, tr), QString("Fire Space, 5 times, 50 ms apart"));
        setFireKey(b, FireMode::Right, 0, 2, 100);
        QCOMPARE(describeAssignment(b, 0, tr), QString("Fire right click, 2 times, 100 ms apart"));

        setSniper(b, 8);
        QCOMPARE(describeAssignment(b, 3389, tr), QString("Sniper 400 DPI"));
        QCOMPARE(describeAssignment(b, 0, tr), QString("Sniper step 8"));

        b = ButtonInfo();
        b.Fun = kFunMacro;
        b.macroname = "burst";
        b.LoopNumber = 3;
        QCOMPARE(describeAssignment(b, 0, tr), QString("Macro \"burst\", 3 times"));
        b.Res1 = 1;
        QCOMPARE(describeAssignment(b, 0, tr), QString("Macro \"burst\", repeated while held"));
        b.Fun = kFunGunSet;
        b.Res1 = 2;
        QCOMPARE(describeAssignment(b, 0, tr), QString("Gun set \"burst\", repeated until pressed again"));

        b = ButtonInfo();
        b.Fun = 45;
        QCOMPARE(describeAssignment(b, 0, tr), QString("Mute"));
        b.Fun = 0;
        QCOMPARE(describeAssignment(b, 0, tr), QString("Button Off"));
    }

    // The last Left may not go; Left again may; with a second Left either may change.
    void clickRetention()
    {
        ProfileData profile;
        profile.buttonInfo[0].Fun = 1;
        profile.buttonInfo[1].Fun = 2;
        QVERIFY(!keepsAClick(profile, 0, 2));
        QVERIFY(!keepsAClick(profile, 0, kFunMacro));
        QVERIFY(keepsAClick(profile, 0, 1));
        QVERIFY(keepsAClick(profile, 1, 16));
        profile.buttonInfo[41].Fun = 1;
        QVERIFY(keepsAClick(profile, 0, 2));
        QVERIFY(keepsAClick(profile, 41, 2));
    }

    // Ctrl+Shift+A: presses Shift, Ctrl, A, releases A, Ctrl, Shift; right-hand keys stored as
    // left; the mouse gets the chord Ctrl+Shift with A.
    void comboKeyInfo()
    {
        ButtonInfo button;
        button.KeyInfo.fill(MacroEvent{9, 9, 9}); // an old key list is cleared
        button.KeyNumber = 17;
        ComboKeys combo{1, 2, 0, 0, 1}; // left Shift, right Ctrl, main key
        HotKeyCodes keys = modifierKeyPairs();
        keys[kComboMainRow] = {30, 0}; // A
        writeComboKeyInfo(button, combo, keys);
        const std::vector<MacroEvent> expected = {{225, 5, 0x80}, {224, 5, 0x80}, {4, 5, 0x80},
                                                  {4, 5, 0x00},   {224, 5, 0x00}, {225, 5, 0x00}};
        for (int i = 0; i < kKeyInfoCount; ++i)
            QCOMPARE(button.KeyInfo[size_t(i)], i < 6 ? expected[size_t(i)] : MacroEvent());
        QCOMPARE(button.KeyNumber, 17);
        button.Fun = kFunComboKey;
        QCOMPARE(encoded(button), (ButtonEntry{0x8F, 0x03, 0x04, 0x00}));

        // Four modifiers and a key fill ten entries, the key innermost.
        writeComboKeyInfo(button, ComboKeys{1, 1, 1, 1, 1}, keys);
        QCOMPARE(button.KeyInfo[4], (MacroEvent{4, 5, 0x80}));
        QCOMPARE(button.KeyInfo[9], (MacroEvent{225, 5, 0x00}));
        QCOMPARE(button.KeyInfo[10], MacroEvent());
        QCOMPARE(encoded(button), (ButtonEntry{0x8F, 0x0F, 0x04, 0x00}));

        QCOMPARE(modifierRow(54), 0);
        bool right = false;
        QCOMPARE(modifierRow(239, &right), 3);
        QVERIFY(right);
        QCOMPARE(modifierRow(30), -1);
    }

    // Mouse-button modes, a keyboard key as its usage, and no key read back as Left.
    void fireKeys()
    {
        QCOMPARE(int(fireKeyRes1(FireMode::Left, 30)), 129);
        QCOMPARE(int(fireKeyRes1(FireMode::Right, 0)), 130);
        QCOMPARE(int(fireKeyRes1(FireMode::Middle, 0)), 132);
        QCOMPARE(int(fireKeyRes1(FireMode::KeyboardKey, 57)), 44); // Space
        QCOMPARE(int(fireKeyRes1(FireMode::KeyboardKey, 0)), 0);

        ButtonInfo button;
        button.Fun = kFunFireKey;
        FireKeySetting back = fireKeyFromButton(button);
        QCOMPARE(back.mode, FireMode::Left);
        QCOMPARE(back.delay, 10);
        QCOMPARE(back.times, 3);
        button.Res1 = 44;
        button.KeyNumber = 50;
        button.LoopNumber = 7;
        back = fireKeyFromButton(button);
        QCOMPARE(back.mode, FireMode::KeyboardKey);
        QCOMPARE(int(back.keyCode), 57);
        QCOMPARE(back.delay, 50);
        QCOMPARE(back.times, 7);
        button.Res1 = 130;
        QCOMPARE(fireKeyFromButton(button).mode, FireMode::Right);
    }

    // The file's steps into KeyInfo, at most 63 of them; a missing file binds with no steps.
    void macroBinding()
    {
        TempAppFolder folder;
        QVERIFY(QDir().mkpath(macroFolder()));
        QVector<MacroEvent> steps;
        for (int i = 0; i < 70; ++i)
            steps.append({uint8_t(i % 2 ? 0x04 : 0x84), uint8_t(4 + i / 2), 0});
        QVERIFY(saveMacro("long", MacroSettings(), steps));
        QVERIFY(saveMacro("short", MacroSettings(), steps.mid(0, 4)));

        ButtonInfo button;
        MacroBinding binding = bindMacro(button, kFunMacro, "long", 5, 2);
        QVERIFY(binding.truncated);
        QCOMPARE(binding.storedSteps, 70);
        QCOMPARE(button.Fun, kFunMacro);
        QCOMPARE(button.LoopNumber, 5);
        QCOMPARE(int(button.Res1), 2);
        QCOMPARE(button.macroname, QString("long"));
        QCOMPARE(button.KeyNumber, kKeyInfoCount);
        QCOMPARE(button.KeyInfo[62], steps[62]);

        binding = bindMacro(button, kFunGunSet, "short", 1, 0);
        QVERIFY(!binding.truncated);
        QCOMPARE(button.KeyNumber, 4);
        QCOMPARE(button.KeyInfo[3], steps[3]);
        QCOMPARE(button.Fun, kFunGunSet);

        const auto before = button.KeyInfo;
        binding = bindMacro(button, kFunMacro, "missing", 1, 0);
        QVERIFY(!binding.truncated);
        QCOMPARE(button.KeyNumber, 0);
        QVERIFY(button.KeyInfo == before);
        QCOMPARE(button.macroname, QString("missing"));
    }
};

QTEST_GUILESS_MAIN(TestFunctionCatalogue)
#include "test_function_catalogue.moc"
