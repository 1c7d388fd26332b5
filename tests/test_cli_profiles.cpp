// mousecfgctl show and set, run as a user runs them, on a stored set that holds every kind of
// button function: what show prints, that set writes the records the window's assignment code
// writes, and that a refused change leaves every file as it was.

#include "model/button_assignment.h"
#include "model/function_catalogue.h"
#include "storage/colour_arithmetic.h"
#include "storage/data_paths.h"
#include "model/lighting_effects.h"
#include "storage/macro_file.h"
#include "storage/model_description.h"
#include "storage/profile_data.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "storage/storage_result.h"
#include "support/run_tool.h"
#include "support/test_env.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QtTest>

namespace {

constexpr int kKeyA = 30;
constexpr int kKeyF = 33;
constexpr int kKeyF4 = 62;

// Assigns the chord of the given rows (0 Shift, 1 Ctrl, 2 Win, 3 Alt) and main key, as the combo
// key dialog hands it to the button panel.
void assignChord(ButtonInfo &button, std::initializer_list<int> modifierRows, uint8_t mainKey)
{
    ComboKeys chord{};
    for (int row : modifierRows)
        chord[size_t(row)] = 1;
    chord[kComboMainRow] = 1;
    HotKeyCodes keys = modifierKeyPairs();
    keys[kComboMainRow] = {mainKey, 0};
    setComboKey(button, chord, keys);
}

// The reference set: profile 2 (active) holds one button of each kind of function, a stage with
// separate X and Y, a disabled stage and a lighting effect with colour; the other profiles keep
// the model's defaults.
ProfileSet referenceSet()
{
    ProfileSet set;
    resetProfileSet(set);
    set.ProfileID = 1;
    set.LiftHigh = 1;
    ProfileData &p = set.profiles[1];
    p.pollrate = 2;
    p.dpi = 1;
    p.dpiInfo[1].link = 0;
    p.dpiInfo[1].x = 16;
    p.dpiInfo[1].y = 32;
    p.dpiInfo[2].used = 0;
    setSingleKey(p.buttonInfo[2], kKeyA);
    assignChord(p.buttonInfo[3], {0, 1}, kKeyA); // Shift + Ctrl + A
    setFireKey(p.buttonInfo[4], FireMode::Right, 0, 5, 50);
    setSniper(p.buttonInfo[5], 8);
    bindMacro(p.buttonInfo[6], kFunMacro, "burst", 3, 0);
    setFireKey(p.buttonInfo[20], FireMode::KeyboardKey, kKeyF, 2, 20);
    bindMacro(p.buttonInfo[21], kFunMacro, "burst", 1, 1);
    bindMacro(p.buttonInfo[22], kFunGunSet, "spray", 1, 2);
    p.buttonInfo[23].Fun = 43; // Volume Up
    assignChord(p.buttonInfo[41], {3}, kKeyF4);
    p.LedMode = 2; // BREATHING
    p.ledInfo[2].breath = 4;
    p.ledInfo[2].color = QColor(0x12, 0xAB, 0x9F);
    p.LedMoveOFF = kLedMoveOffOn;
    p.LedSleepTime = 5;
    p.mousespeed = 12;
    p.scrollspeed = 3;
    return set;
}

// Every file under the folder with a hash of its bytes.
QMap<QString, QByteArray> folderState(const QString &folder)
{
    QMap<QString, QByteArray> state;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            state[path] = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    return state;
}

const char kProfileTwoText[] = R"(active profile: 2
slot 1: Profile 1
slot 2: Profile 2
slot 3: Profile 3
slot 4: Profile 4
slot 5: Profile 5
product: DRUV M7 Wireless
sensor: 3389
lift-off distance: 1 mm
profile 2: Profile 2
  report rate: 500 Hz
  active stage: 2
  stage 1: on, linked, 400 x 400 DPI (steps 8 x 8)
  stage 2: on, separate, 800 x 1600 DPI (steps 16 x 32)
  stage 3: off, linked, 1600 x 1600 DPI (steps 32 x 32)
  stage 4: on, linked, 3200 x 3200 DPI (steps 64 x 64)
  stage 5: on, linked, 6400 x 6400 DPI (steps 128 x 128)
  stage 6: on, linked, 12800 x 12800 DPI (steps 256 x 256)
  button 1: Left
  button 2: Right
  button 3: SINGLE KEY (A)
  button 4: COMBO KEY (Shift + Ctrl + A)
  button 5: FIRE KEY (right, 5 times, delay 50)
  button 6: SNIPER (400 DPI, step 8)
  button 7: Macro Manager (macro "burst", 3 times)
  button side1: FIRE KEY (key F, 2 times, delay 20)
  button side2: Macro Manager (macro "burst", repeat while held)
  button side3: GunFile Manager (gun "spray", repeat until pressed again)
  button side4: Volume Up
  button wheel-up: Scroll Up
  button wheel-down: COMBO KEY (Alt + F4)
  lighting: BREATHING, speed 4, colour #12AB9F
  lighting sleep: 5 min
  lighting off while moving: on
  pointer speed: 12
  scroll speed: 3
)";

} // namespace

class TestCliProfiles : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TempAppFolder> m_dir;

    ToolRun tool(const QStringList &args) { return runTool(QStringList({"--data-dir", m_dir->path()}) + args); }
    QString configs() const { return m_dir->filePath("Configs"); }

    void setSensor(int sensor)
    {
        QSettings settings(settingsFilePath(), QSettings::IniFormat);
        settings.setValue("MouseSenSor/1", sensor);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<TempAppFolder>(true);
        QFile::remove(m_dir->filePath("DefaultProfile.bin"));
        QVERIFY(QFile::copy(QStringLiteral(MOUSECFG_SOURCE_DIR) + "/data/DefaultProfile.bin",
                            m_dir->filePath("DefaultProfile.bin")));
        QVERIFY(writeCurrentProductName("DRUV M7 Wireless"));
        setSensor(3389);
        const QVector<MacroEvent> steps{keyStep(0x04, true), encodeDelay(30), keyStep(0x04, false)};
        for (const char *name : {"burst", "spray"}) {
            QVERIFY(saveMacro(name, MacroSettings(), steps));
            QVERIFY(addMacroName(name));
        }
        QVERIFY(storeProfileSet(referenceSet()).ok());
    }

    void showPrintsEveryKindOfFunction()
    {
        const ToolRun r = tool({"show", "--profile", "2"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QString::fromUtf8(kProfileTwoText));

        // Without --profile every profile follows the header; the default ones as the model has them.
        const ToolRun all = tool({"show"});
        QCOMPARE(all.status, 0);
        QCOMPARE(all.out.count(QRegularExpression("^profile \\d: Profile \\d$", QRegularExpression::MultilineOption)), 5);
        const QString golden = QString::fromUtf8(kProfileTwoText);
        const int split = golden.indexOf("profile 2:");
        QVERIFY(all.out.startsWith(golden.left(split) + "profile 1: Profile 1\n"));
        QVERIFY(all.out.contains(golden.mid(split) + "profile 3: Profile 3\n"));
    }

    void showJsonHoldsTheSameValues()
    {
        const ToolRun r = tool({"show", "--profile", "2", "--json"});
        QCOMPARE(r.status, 0);
        QJsonParseError error;
        const QJsonObject doc = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(doc["active_profile"].toInt(), 2);
        QCOMPARE(doc["lift_off_mm"].toInt(), 1);
        QCOMPARE(doc["slots"].toArray().size(), 5);
        const QJsonArray profiles = doc["profiles"].toArray();
        QCOMPARE(profiles.size(), 1);
        const QJsonObject p = profiles[0].toObject();
        QCOMPARE(p["report_rate_hz"].toInt(), 500);
        const QJsonObject stage = p["stages"].toArray()[1].toObject();
        QCOMPARE(stage, QJsonObject({{"stage", 2}, {"enabled", true}, {"linked", false}, {"x_dpi", 800},
                                     {"y_dpi", 1600}, {"x_step", 16}, {"y_step", 32}}));
        QMap<QString, QJsonObject> buttons;
        for (const QJsonValue &b : p["buttons"].toArray())
            buttons[b.toObject()["button"].toString()] = b.toObject();
        QCOMPARE(buttons["3"]["key"].toString(), QString("A"));
        QCOMPARE(buttons["4"]["combo"].toString(), QString("Shift + Ctrl + A"));
        QCOMPARE(buttons["5"]["fire"].toObject(), QJsonObject({{"mode", "right"}, {"times", 5}, {"delay", 50}}));
        QCOMPARE(buttons["side1"]["fire"].toObject(),
                 QJsonObject({{"mode", "key"}, {"key", "F"}, {"times", 2}, {"delay", 20}}));
        QCOMPARE(buttons["6"]["sniper"].toObject(), QJsonObject({{"dpi", 400}, {"step", 8}}));
        QCOMPARE(buttons["7"]["macro"].toString(), QString("burst"));
        QCOMPARE(buttons["7"]["loop"].toString(), QString("count"));
        QCOMPARE(buttons["7"]["loop_count"].toInt(), 3);
        QCOMPARE(buttons["side2"]["loop"].toString(), QString("while-held"));
        QCOMPARE(buttons["side3"]["gun"].toString(), QString("spray"));
        QCOMPARE(buttons["side3"]["loop"].toString(), QString("until-pressed"));
        QCOMPARE(buttons["side4"]["code"].toInt(), 43);
        QCOMPARE(p["lighting"].toObject(), QJsonObject({{"mode", 2}, {"effect", "BREATHING"}, {"speed", 4},
                                                        {"colour", "#12AB9F"}, {"sleep_minutes", 5},
                                                        {"move_off", true}}));
    }

    void dpiFollowsTheConfiguredSensor()
    {
        // The same steps read as other DPI on another sensor; the text changes with them.
        setSensor(3327);
        const ToolRun r = tool({"show", "--profile", "2"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains("sensor: 3327\n"), qPrintable(r.out));
        QVERIFY2(r.out.contains("  stage 2: on, separate, 1700 x 3300 DPI (steps 16 x 32)\n"), qPrintable(r.out));
        QVERIFY2(r.out.contains("  button 6: SNIPER (900 DPI, step 8)\n"), qPrintable(r.out));
        // And set takes a DPI value to the nearest step of that sensor (100 DPI a step there); half
        // way between two steps it takes the lower.
        const ToolRun set = tool({"set", "dpi", "1", "1650"});
        QCOMPARE(set.status, 0);
        QCOMPARE(set.out, QString("profile 2: stage 1: on, linked, 1600 x 1600 DPI (steps 15 x 15)\n"));
        QCOMPARE(tool({"set", "dpi", "1", "1651"}).out, QString("profile 2: stage 1: on, linked, 1700 x 1700 DPI (steps 16 x 16)\n"));
        QCOMPARE(tool({"set", "dpi", "1", "16500"}).status, 65); // the 3327 ends at 16400
    }

    void everyOfferedEffectRoundTrips()
    {
        for (int mode : lightingMenuOrder()) {
            const LightingEffect *effect = lightingEffect(mode);
            QStringList args{"set", "lighting", effect->name};
            if (effect->brightness)
                args << "--brightness" << "3";
            if (effect->speed)
                args << "--speed" << "5";
            if (effect->colour)
                args << "--colour" << "a0b1c2";
            const ToolRun set = tool(args);
            QVERIFY2(set.status == 0, qPrintable(effect->name + (": " + set.err)));
            const QJsonObject lighting = QJsonDocument::fromJson(tool({"show", "--json", "--profile", "2"}).out.toUtf8())
                                             .object()["profiles"].toArray()[0].toObject()["lighting"].toObject();
            QCOMPARE(lighting["effect"].toString(), QString(effect->name));
            QCOMPARE(lighting["mode"].toInt(), mode);
            QCOMPARE(lighting.value("brightness").toInt(-1), effect->brightness ? 3 : -1);
            QCOMPARE(lighting.value("speed").toInt(-1), effect->speed ? 5 : -1);
            QCOMPARE(lighting.value("colour").toString(), effect->colour ? QString("#A0B1C2") : QString());
        }
        // The effects the menu does not offer are not offered here either.
        const ToolRun hidden = tool({"set", "lighting", lightingEffect(5)->name});
        QCOMPARE(hidden.status, 65);
    }

    void setWritesWhatTheWindowWrites()
    {
        const QList<QStringList> edits = {
            {"rate", "1000"},
            {"dpi", "2", "805"}, // nearest step: 16, 800 DPI
            {"stage", "4", "off"},
            {"link", "2", "on"},
            {"active-stage", "4"},
            {"button", "2", "Volume", "Down"},
            {"button", "3", "key", "F"},
            {"button", "4", "combo", "Ctrl + Alt + A"},
            {"button", "5", "fire", "left", "7", "30"},
            {"button", "6", "sniper", "1000"}, // nearest step: 20, 1000 DPI
            {"button", "7", "macro", "spray", "--until-pressed"},
            {"button", "wheel-up", "Volume Up"},
            {"lighting", "FULL LIGHTED", "--brightness", "2", "--colour", "#00FF80", "--sleep", "9", "--move-off", "off"},
            {"pointer-speed", "20"},
            {"scroll-speed", "1"},
            {"lift", "2"},
            {"button", "2", "left", "--profile", "3"}, // another profile; the click moves to button 2
            {"button", "1", "right", "--profile", "3"},
        };
        for (const QStringList &edit : edits) {
            const ToolRun r = tool(QStringList{"set"} + edit);
            QVERIFY2(r.status == 0, qPrintable(edit.join(' ') + ": " + r.err));
        }
        const QString byTool = tool({"encode"}).out;
        ProfileSet edited;
        loadProfileSet(edited);

        // The same edits through the code the panels use.
        ProfileSet expected = referenceSet();
        ProfileData &p = expected.profiles[1];
        p.pollrate = 1;
        p.dpiInfo[1].x = 16;
        p.dpiInfo[3].used = 0;
        p.dpiInfo[1].link = 1;
        p.dpiInfo[1].y = 16;
        p.dpi = 3;
        p.buttonInfo[1].Fun = 44;
        setSingleKey(p.buttonInfo[2], kKeyF);
        assignChord(p.buttonInfo[3], {1, 3}, kKeyA);
        setFireKey(p.buttonInfo[4], FireMode::Left, 0, 7, 30);
        setSniper(p.buttonInfo[5], 20);
        bindMacro(p.buttonInfo[6], kFunMacro, "spray", 1, 2);
        p.buttonInfo[40].Fun = 43;
        p.LedMode = 1;
        p.ledInfo[1].bright = 2;
        p.ledInfo[1].color = colourFromHexText("00FF80");
        p.LedSleepTime = 9;
        p.LedMoveOFF = kLedMoveOffOff;
        p.mousespeed = 20;
        p.scrollspeed = 1;
        expected.LiftHigh = 2;
        expected.profiles[2].buttonInfo[0].Fun = 2;
        expected.profiles[2].buttonInfo[1].Fun = 1;
        QVERIFY(storeProfileSet(expected).ok());
        ProfileSet stored;
        loadProfileSet(stored);
        QVERIFY(edited == stored);
        QCOMPARE(byTool, tool({"encode"}).out);

        // show prints what set wrote.
        const QString shown = tool({"show", "--profile", "2"}).out;
        for (const char *line : {"  report rate: 1000 Hz\n", "  active stage: 4\n",
                                 "  stage 2: on, linked, 800 x 800 DPI (steps 16 x 16)\n",
                                 "  stage 4: off, linked, 3200 x 3200 DPI (steps 64 x 64)\n",
                                 "  button 4: COMBO KEY (Ctrl + Alt + A)\n", "  button 6: SNIPER (1000 DPI, step 20)\n",
                                 "  button 7: Macro Manager (macro \"spray\", repeat until pressed again)\n",
                                 "  lighting: FULL LIGHTED, brightness 2, colour #00FF80\n",
                                 "  lighting off while moving: off\n", "lift-off distance: 2 mm\n"})
            QVERIFY2(shown.contains(line), line);
    }

    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("last left click") << QStringList{"button", "1", "right"} << 65 << "only Left click";
        QTest::newRow("last left click to a macro") << QStringList{"button", "1", "macro", "burst"} << 65
                                                    << "only Left click";
        QTest::newRow("unknown function") << QStringList{"button", "2", "Volum Up"} << 65
                                          << "unknown function 'Volum Up'; did you mean 'Volume Up'?";
        QTest::newRow("wheel function on a front button") << QStringList{"button", "2", "Scroll Up"} << 65
                                                          << "'Scroll Up' is not offered for button 2";
        QTest::newRow("gun sets are not offered") << QStringList{"button", "2", "GunFile Manager"} << 65
                                                  << "not offered";
        QTest::newRow("function with settings") << QStringList{"button", "2", "fire key"} << 64
                                                << "set button 2 fire left|right|middle|KEY TIMES DELAY";
        QTest::newRow("missing macro") << QStringList{"button", "2", "macro", "brust"} << 65
                                       << "no macro named 'brust'; the macros are burst, spray; did you mean 'burst'?";
        QTest::newRow("unknown key") << QStringList{"button", "2", "key", "Ctrlx"} << 65 << "unknown key 'Ctrlx'";
        QTest::newRow("mouse button as a key") << QStringList{"button", "2", "key", "Left Button"} << 65
                                               << "'Left Button' is not a keyboard key";
        QTest::newRow("two main keys") << QStringList{"button", "2", "combo", "A + B"} << 65 << "one key besides";
        QTest::newRow("fire times") << QStringList{"button", "2", "fire", "left", "0", "10"} << 65
                                    << "fire times 0 is outside 1 to 255";
        QTest::newRow("no such button") << QStringList{"button", "9", "left"} << 65 << "no button '9'";
        // The button block has no place for the side buttons: stored, they would never reach the mouse.
        QTest::newRow("side button") << QStringList{"button", "side1", "Mute"} << 65
                                     << "button side1 is never sent to the mouse";
        QTest::newRow("last side button") << QStringList{"button", "side20", "macro", "burst"} << 65
                                          << "button side20 is never sent to the mouse";
        QTest::newRow("dpi above") << QStringList{"dpi", "1", "70000"} << 65 << "dpi 70000 is above the sensor's 32000 maximum";
        QTest::newRow("dpi below") << QStringList{"dpi", "1", "10"} << 65 << "dpi 10 is below the sensor's 100 minimum";
        QTest::newRow("linked stage, two values") << QStringList{"dpi", "1", "800", "1600"} << 65 << "'set link 1 off'";
        QTest::newRow("stage past the model") << QStringList{"stage", "7", "on"} << 65 << "the stages are 1 to 6";
        QTest::newRow("sniper above") << QStringList{"button", "2", "sniper", "5000"} << 65 << "sniper dpi 5000 is above";
        QTest::newRow("rate") << QStringList{"rate", "300"} << 65 << "choose 125, 250, 500, 1000";
        QTest::newRow("pointer speed") << QStringList{"pointer-speed", "21"} << 65 << "pointer speed 21 is outside 1 to 20";
        QTest::newRow("lift") << QStringList{"lift", "3"} << 65 << "choose 1 or 2";
        QTest::newRow("effect without brightness") << QStringList{"lighting", "OFF", "--brightness", "2"} << 65
                                                   << "effect 'OFF' has no brightness";
        QTest::newRow("unknown effect") << QStringList{"lighting", "breathin"} << 65 << "did you mean 'BREATHING'?";
        QTest::newRow("bad colour") << QStringList{"lighting", "BREATHING", "--colour", "12345"} << 65 << "RRGGBB";
        QTest::newRow("number expected") << QStringList{"rate", "fast"} << 64 << "rate takes one rate in Hz";
        QTest::newRow("profile out of range") << QStringList{"rate", "125", "--profile", "6"} << 64 << "1 to 5";
        QTest::newRow("unknown setting") << QStringList{"rat", "125"} << 64 << "did you mean 'rate'?";
        QTest::newRow("nothing to set") << QStringList{} << 64 << "set needs a setting";
        // The only Left click: what is wrong with the arguments is said before the click rule.
        QTest::newRow("unknown key for the only left click") << QStringList{"button", "1", "key", "Nosuchkey"} << 65
                                                             << "unknown key 'Nosuchkey'";
        QTest::newRow("no key for the only left click") << QStringList{"button", "1", "key"} << 64 << "key takes a key name";
        QTest::newRow("fire times for the only left click") << QStringList{"button", "1", "fire", "left", "0", "9"} << 65
                                                            << "fire times 0 is outside 1 to 255";
        QTest::newRow("missing macro for the only left click") << QStringList{"button", "1", "macro", "brust"} << 65
                                                               << "no macro named 'brust'";
        // A number too long to hold is a value like any other, refused by what is allowed.
        QTest::newRow("rate too long to hold") << QStringList{"rate", "1000000000000000000000"} << 65
                                               << "report rate 1000000000000000000000 Hz is not offered; choose 125, 250, 500, 1000";
        QTest::newRow("dpi too long to hold") << QStringList{"dpi", "1", "99999999999999999999"} << 65
                                              << "dpi 99999999999999999999 is above the sensor's 32000 maximum";
        QTest::newRow("speed far below") << QStringList{"pointer-speed", "-99999999999999"} << 65
                                         << "pointer speed -99999999999999 is outside 1 to 20";
        QTest::newRow("stage too long to hold") << QStringList{"stage", "88888888888", "on"} << 65
                                                << "stage 88888888888 does not exist";
        QTest::newRow("rate not a number") << QStringList{"rate", "1e3"} << 64 << "rate takes one rate in Hz: 125, 250, 500, 1000";
        // Nothing given twice is taken silently.
        QTest::newRow("profile twice") << QStringList{"rate", "125", "--profile", "1", "--profile", "2"} << 64
                                       << "--profile given twice";
        QTest::newRow("modifier twice") << QStringList{"button", "2", "combo", "Ctrl + LCtr + A"} << 65
                                        << "the combo names Ctrl twice";
        QTest::newRow("lighting option twice") << QStringList{"lighting", "BREATHING", "--speed", "2", "--speed", "3"}
                                               << 64 << "--speed given twice";
        QTest::newRow("colour in both spellings") << QStringList{"lighting", "BREATHING", "--colour", "112233", "--color", "445566"}
                                                  << 64 << "--colour and --color cannot both be given";
        QTest::newRow("two loop modes") << QStringList{"button", "2", "macro", "burst", "--loop", "2", "--while-held"} << 64
                                        << "--loop and --while-held cannot both be given";
    }
    void refusalsWriteNothing()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        const auto before = folderState(configs());
        const ToolRun r = tool(QStringList{"set"} + args);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(folderState(configs()), before);
    }

    // A macro file the macro list does not name: the refusal says so and how to list it, and
    // following that makes the same command work.
    void macroFileOutsideTheList()
    {
        const QVector<MacroEvent> steps{keyStep(0x04, true), keyStep(0x04, false)};
        QVERIFY(saveMacro("m1", MacroSettings(), steps));
        ProfileSet set = referenceSet();
        bindMacro(set.profiles[1].buttonInfo[5], kFunMacro, "m1", 1, 0); // button 6 already uses it
        QVERIFY(storeProfileSet(set).ok());
        for (const char *name : {"burst", "spray"})
            removeMacroName(name); // an empty list must not hide the file either
        const ToolRun refused = tool({"set", "button", "4", "macro", "m1"});
        QCOMPARE(refused.status, 65);
        QCOMPARE(refused.err, QString("mousecfgctl: the macro 'm1' exists as a file (%1) but is not in the macro list; "
                                      "to add it, give it a free entry N=m1 (N from 0 to 49) in the [MACRO_LIST] "
                                      "section of %2\n").arg(macroFilePath("m1"), settingsFilePath()));

        QSettings(settingsFilePath(), QSettings::IniFormat).setValue("MACRO_LIST/7", "m1");
        const ToolRun listed = tool({"set", "button", "4", "macro", "m1"});
        QCOMPARE(listed.status, 0);
        QCOMPARE(listed.out, QString("profile 2: button 4: Macro Manager (macro \"m1\", 1 times)\n"));

        // A full list has no free entry to offer.
        QVERIFY(saveMacro("m2", MacroSettings(), steps));
        for (int slot = 0; slot < kMacroListSlots; ++slot)
            QSettings(settingsFilePath(), QSettings::IniFormat).setValue(macroListKey(slot), QString("x%1").arg(slot));
        const ToolRun full = tool({"set", "button", "4", "macro", "m2"});
        QCOMPARE(full.status, 65);
        QVERIFY2(full.err.contains("is not in the macro list, which is full (50 macros)"), qPrintable(full.err));
    }

    void showTakesEachOptionOnce()
    {
        const ToolRun r = tool({"show", "--profile", "1", "--profile", "2"});
        QCOMPARE(r.status, 64);
        QVERIFY2(r.err.contains("--profile given twice"), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(tool({"show", "--json", "--json"}).status, 64);
    }

    void helpDescribesBothCommands()
    {
        const ToolRun r = tool({"--help"});
        QCOMPARE(r.status, 0);
        for (const char *text : {"\n  show [--profile N] [--json]  ", "\n  set SETTING VALUE... [--profile N]  ",
                                 "combo \"Ctrl + A\"", "--move-off on|off"})
            QVERIFY2(r.out.contains(text), text);
    }

    void aSlotWithoutANameStartsAsInTheWindow()
    {
        // A slot without a name takes its reserved name and profile, as at the window's start;
        // an edit of it stores both, so that it is not lost.
        ProfileSet set = referenceSet();
        set.slotNames[4].clear();
        set.profiles[4].pollrate = 4;
        QVERIFY(storeProfileSet(set).ok()); // no file is written for the nameless slot
        QVERIFY(tool({"show", "--profile", "5"}).out.contains("\nprofile 5: Profile 5\n  report rate: 1000 Hz\n"));
        QFile::remove(productProfilePath("Profile 5"));
        const QString fresh = tool({"show", "--profile", "5"}).out;
        QVERIFY2(fresh.contains("\nslot 5: Profile 5\n"), qPrintable(fresh));
        QVERIFY2(fresh.contains("  button 1: Left\n"), qPrintable(fresh)); // the model's default profile
        QCOMPARE(tool({"set", "rate", "125", "--profile", "5"}).status, 0);
        ProfileSet stored;
        loadProfileSet(stored);
        QCOMPARE(stored.slotNames[4], QString("Profile 5"));
        QCOMPARE(int(stored.profiles[4].pollrate), 8);
        QCOMPARE(int(stored.profiles[4].buttonInfo[0].Fun), kFunLeft);
    }
};

QTEST_GUILESS_MAIN(TestCliProfiles)
#include "test_cli_profiles.moc"
