// The macro page's rules without the page: the recorder, hand-made steps and their places,
// reordering and removal, what a loaded macro keeps, the gun set's steps, and the library
// actions (names, rename with bound buttons, import and export) on a private folder.

#include "model/gunset_steps.h"
#include "panels/macro_library_actions.h"
#include "model/macro_steps.h"
#include "storage/macro_file.h"
#include "storage/profile_data.h"
#include "storage/settings_file.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(MacroEvent)
Q_DECLARE_METATYPE(GunsetBullet)

namespace {

// Key codes of the key-name table and their HID usages.
constexpr int kKeyA = 30, kKeyB = 48, kLeftCtrl = 29, kRightCtrl = 238;
constexpr uint8_t kUsageA = 4, kUsageB = 5, kUsageLeftCtrl = 224, kUsageRightCtrl = 228;
constexpr int kDown = 0, kUp = kHookKeyUp;

MacroEvent delay(int ms)
{
    return encodeDelay(ms);
}

QVector<MacroEvent> numbered(int count)
{
    QVector<MacroEvent> steps;
    for (int i = 0; i < count; ++i)
        steps.append(keyStep(uint8_t(4 + i), true));
    return steps;
}

// A file outside the library with the given name, holding a one-step macro.
QString externalMacro(const QTemporaryDir &dir, const QString &fileName)
{
    const QString path = dir.filePath(fileName);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("[Setting]\nCount=1\nMap_0=132\nDataH_0=0\nDataL_0=4\n");
    return path;
}

} // namespace

class TestMacroRules : public QObject {
    Q_OBJECT
private slots:
    void recorderTakesOnePressForAHeldKeyAndTimesRealGaps()
    {
        MacroRecorder recorder;
        QVector<MacroEvent> steps;
        recorder.start(kDelayRecorded, 10);
        QVERIFY(recorder.onKey(steps, kKeyA, kDown, 1000));
        // The key held: the same press again and again.
        QVERIFY(!recorder.onKey(steps, kKeyA, kDown, 1030));
        QVERIFY(!recorder.onKey(steps, kKeyA, kDown, 1060));
        QVERIFY(recorder.onKey(steps, kKeyA, kUp, 1250));
        QVERIFY(recorder.onKey(steps, kKeyB, kDown, 1253)); // 3 ms later
        QVERIFY(recorder.onKey(steps, kKeyB, kUp, 1253));   // no time at all
        const QVector<MacroEvent> expected = {keyStep(kUsageA, true), delay(250), keyStep(kUsageA, false),
                                              delay(10),             keyStep(kUsageB, true), delay(10),
                                              keyStep(kUsageB, false)};
        QCOMPARE(steps, expected);
        QCOMPARE(steps[1].DataL, uint8_t(25)); // 250 ms as 25 units
        // A gap past 2550 ms needs the high byte.
        QVERIFY(recorder.onKey(steps, kKeyA, kDown, 1253 + 3009));
        QCOMPARE(delayMs(steps[steps.size() - 2]), 3000);
    }

    void recorderDelayTypesAndKeysWithoutUsage()
    {
        MacroRecorder recorder;
        QVector<MacroEvent> steps;
        recorder.start(kDelayDefault, 70);
        recorder.onKey(steps, kKeyA, kDown, 0);
        recorder.onKey(steps, kKeyA, kUp, 5000);
        QCOMPARE(steps, (QVector<MacroEvent>{keyStep(kUsageA, true), delay(70), keyStep(kUsageA, false)}));

        steps.clear();
        recorder.start(kDelayNone, 70);
        recorder.onKey(steps, kRightCtrl, kHookExtended, 0);
        recorder.onKey(steps, kRightCtrl, kHookExtended | kHookKeyUp, 400);
        // A code the usage table does not have (84) records usage 0.
        recorder.onKey(steps, 84, kDown, 500);
        QCOMPARE(steps, (QVector<MacroEvent>{keyStep(kUsageRightCtrl, true), keyStep(kUsageRightCtrl, false),
                                             keyStep(0, true)}));
        QCOMPARE(recorder.heldPosition(84), 0);
        QCOMPARE(recorder.heldPosition(kRightCtrl), -1);

        // A new session forgets the held keys and the previous time.
        steps.clear();
        recorder.start(kDelayRecorded, 10);
        QVERIFY(recorder.onKey(steps, 84, kDown, 90000));
        QCOMPARE(steps.size(), 1);
    }

    void recorderRowLimits()
    {
        // Without delays rows are added while the table has at most 39: it stops at 40.
        MacroRecorder recorder;
        QVector<MacroEvent> steps;
        recorder.start(kDelayNone, 10);
        for (int i = 0; i < 50; ++i) {
            recorder.onKey(steps, kKeyA, kDown, i * 100);
            recorder.onKey(steps, kKeyA, kUp, i * 100 + 50);
        }
        QCOMPARE(steps.size(), 40);

        // With delays each event adds two rows while at most 61 exist: 62 or 63 rows.
        steps.clear();
        recorder.start(kDelayRecorded, 10);
        for (int i = 0; i < 50; ++i) {
            recorder.onKey(steps, kKeyA, kDown, i * 100);
            recorder.onKey(steps, kKeyA, kUp, i * 100 + 50);
        }
        QCOMPARE(steps.size(), 63);
        steps = numbered(60);
        recorder.start(kDelayRecorded, 10);
        recorder.onKey(steps, kKeyB, kDown, 0); // no previous event: one row, 61
        recorder.onKey(steps, kKeyB, kUp, 20);  // 61 rows: two more
        QVERIFY(!recorder.onKey(steps, kLeftCtrl, kDown, 40));
        QCOMPARE(steps.size(), 63);
    }

    void hookFlagsAndDelays()
    {
        QCOMPARE(normaliseHookFlags(0x20), 0);  // left Alt (or a key with Alt held) down
        QCOMPARE(normaliseHookFlags(0x21), 1);  // right Alt down
        QCOMPARE(normaliseHookFlags(0xA0), 0xA0);
        QCOMPARE(normaliseHookFlags(0x81), 0x81);
        QCOMPARE(recordedDelayMs(0), 10);
        QCOMPARE(recordedDelayMs(9), 10);
        QCOMPARE(recordedDelayMs(259), 250);
        QCOMPARE(recordedDelayMs(-5), 10);
        QCOMPARE(recordedDelayMs(10'000'000), 655350);
    }

    void handMadeStepsFollowTheDelayType()
    {
        QCOMPARE(clickSteps(kMacroRightButton, ClickPart::Whole, kDelayNone, 99),
                 (QVector<MacroEvent>{buttonStep(2, true), buttonStep(2, false)}));
        QCOMPARE(clickSteps(kMacroMiddleButton, ClickPart::Whole, kDelayRecorded, 99),
                 (QVector<MacroEvent>{buttonStep(4, true), delay(10), buttonStep(4, false), delay(10)}));
        QCOMPARE(clickSteps(kMacroForwardButton, ClickPart::ReleaseOnly, kDelayDefault, 120),
                 (QVector<MacroEvent>{buttonStep(8, false), delay(120)}));
        QCOMPARE(clickSteps(kMacroBackwardButton, ClickPart::PressOnly, kDelayNone, 0),
                 (QVector<MacroEvent>{buttonStep(16, true)}));
        const QVector<MacroEvent> up = moveSteps(MoveDirection::Up, 7, kDelayDefault, 30);
        QCOMPARE(up.size(), 2);
        QCOMPARE(up[0].DataH, uint8_t(249));
        QCOMPARE(up[0].DataL, uint8_t(0));
        QCOMPARE(up[1], delay(30));
    }

    void insertingReorderingAndRemoving()
    {
        QVector<MacroEvent> steps = numbered(3);
        const MacroEvent a = delay(10), b = delay(20);
        // After the selected row, one after the other; the last becomes the selection.
        QCOMPARE(insertSteps(steps, 0, {a, b}), 2);
        QCOMPARE(steps, (QVector<MacroEvent>{numbered(3)[0], a, b, numbered(3)[1], numbered(3)[2]}));
        // Nothing selected: at the top.
        QCOMPARE(insertSteps(steps, -1, {b}), 0);
        QCOMPARE(steps.first(), b);
        QCOMPARE(insertSteps(steps, 99, {a}), 0); // a row past the end selects nothing
        QCOMPARE(insertSteps(steps, 2, {}), -1);

        steps = numbered(4);
        const QVector<MacroEvent> original = steps;
        QCOMPARE(moveRow(steps, 2, RowMove::Top), 0);
        QCOMPARE(steps[0], original[2]);
        QCOMPARE(moveRow(steps, 0, RowMove::Top), 0); // onto itself: nothing
        QCOMPARE(moveRow(steps, 0, RowMove::Down), 1);
        QCOMPARE(moveRow(steps, 1, RowMove::Down), 2);
        QCOMPARE(steps, original);
        QCOMPARE(moveRow(steps, 3, RowMove::Down), 3); // the last row cannot go further
        QCOMPARE(moveRow(steps, 0, RowMove::Up), 0);
        QCOMPARE(moveRow(steps, 1, RowMove::Bottom), 3);
        QCOMPARE(steps[3], original[1]);
        QCOMPARE(moveRow(steps, 3, RowMove::Up), 2);
        QCOMPARE(moveRow(steps, 2, RowMove::Up), 1);
        QCOMPARE(steps, original);
        QCOMPARE(moveRow(steps, 4, RowMove::Up), -1);

        QCOMPARE(removeRow(steps, 1), 1); // the next row takes its place
        QCOMPARE(steps[1], original[2]);
        QCOMPARE(removeRow(steps, 2), 1); // the last removed: the new last row
        QCOMPARE(removeRow(steps, 5), -1);
        QCOMPARE(removeRow(steps, 0), 0);
        QCOMPARE(removeRow(steps, 0), -1); // now empty
        QVERIFY(steps.isEmpty());
    }

    void loadingKeepsWhatTheEditorMakes()
    {
        MacroEvent both;
        both.Map = kMacroMove;
        both.DataH = 5;
        both.DataL = 5;
        MacroEvent oddButton = buttonStep(3, true); // not one of the five bits
        MacroEvent keyWithHigh = keyStep(kUsageA, true);
        keyWithHigh.DataH = 9;
        MacroEvent unknown;
        unknown.Map = 0x09;
        const QVector<MacroEvent> stored = {buttonStep(1, true), buttonStep(1, false), delay(40), both,
                                            encodeMove(MoveDirection::Left, 10), oddButton, keyWithHigh, unknown};
        const QVector<MacroEvent> withDelays = editorSteps(stored, kDelayRecorded);
        QCOMPARE(withDelays, (QVector<MacroEvent>{buttonStep(1, true), buttonStep(1, false), delay(40),
                                                  MacroEvent{kMacroMove, 0, 0}, encodeMove(MoveDirection::Left, 10),
                                                  keyStep(kUsageA, true)}));
        // Without a delay type the hand-inserted delays go.
        QCOMPARE(editorSteps(stored, kDelayNone).size(), withDelays.size() - 1);
        QVERIFY(!editorSteps(stored, kDelayNone).contains(delay(40)));
        QCOMPARE(editorSteps(stored, kDelayDefault).size(), withDelays.size());
    }

    void unreleasedPresses()
    {
        QVERIFY(!hasUnreleasedPress({keyStep(4, true), delay(10), keyStep(4, false)}));
        QVERIFY(hasUnreleasedPress({keyStep(4, true), keyStep(5, false)}));
        // A release before its press does not balance it.
        QVERIFY(hasUnreleasedPress({keyStep(4, false), keyStep(4, true)}));
        // A key release does not end a mouse-button press of the same number.
        QVERIFY(hasUnreleasedPress({buttonStep(4, true), keyStep(4, false)}));
        QVERIFY(!hasUnreleasedPress({buttonStep(1, true), encodeMove(MoveDirection::Down, 3), buttonStep(1, false)}));
        QVERIFY(!hasUnreleasedPress({}));
    }

    void gunsetSteps_data()
    {
        QTest::addColumn<QVector<GunsetBullet>>("bullets");
        QTest::addColumn<QVector<MacroEvent>>("expected");
        const MacroEvent press = buttonStep(1, true), release = buttonStep(1, false);
        QVector<MacroEvent> five;
        for (int i = 0; i < 5; ++i)
            five << press << release << MacroEvent{kMacroDelay, 10, 0};
        QTest::newRow("default dialog") << QVector<GunsetBullet>(5) << five;
        QTest::newRow("up 3, right 4")
            << QVector<GunsetBullet>{{100, -3, 4}}
            << QVector<MacroEvent>{press, release, MacroEvent{kMacroMove, 0, 253}, MacroEvent{kMacroMove, 4, 0},
                                   MacroEvent{kMacroDelay, 10, 0}};
        QTest::newRow("down and left, short delay")
            << QVector<GunsetBullet>{{5, 100, -100}}
            << QVector<MacroEvent>{press, release, MacroEvent{kMacroMove, 0, 100}, MacroEvent{kMacroMove, 156, 0},
                                   MacroEvent{kMacroDelay, 0, 0}};
        QTest::newRow("at most five bullets") << QVector<GunsetBullet>(7) << five;
    }

    void gunsetSteps()
    {
        QFETCH(QVector<GunsetBullet>, bullets);
        QFETCH(QVector<MacroEvent>, expected);
        QCOMPARE(::gunsetSteps(bullets), expected);
    }

    void gunsetFileHasItsKeysAndNoWriteSign()
    {
        TempAppFolder folder(true);
        QVERIFY(storeGunset("recoil", ::gunsetSteps({{120, -3, 4}})));
        const MacroData data = loadMacro("recoil");
        QCOMPARE(data.settings.DefaultDelay, 10);
        QCOMPARE(data.settings.DelayType, kDelayRecorded);
        QCOMPARE(data.settings.LoopType, 0);
        QCOMPARE(data.settings.LoopTime, 1);
        QCOMPARE(data.steps.size(), 5);
        QVERIFY(!QSettings(macroFilePath("recoil"), QSettings::IniFormat).contains("Setting/WriteSign"));
        QVERIFY(!storeGunset("../outside", {}));
    }

    void namesThroughTheLibraryRules()
    {
        QVERIFY(macroNameProblem("burst_2").isEmpty());
        QVERIFY(macroNameProblem(QString(20, 'x')).isEmpty());
        QVERIFY(!macroNameProblem(QString(21, 'x')).isEmpty());
        for (const QString &bad : {QString(), QString(".."), QString("a/b"), QString("a\\b")})
            QVERIFY2(!macroNameProblem(bad).isEmpty(), qPrintable(bad));
    }

    void renameKeepsBoundButtons()
    {
        ProfileSet set;
        set.profiles[0].buttonInfo[3].Fun = kFunMacro;
        set.profiles[0].buttonInfo[3].macroname = "spray";
        set.profiles[4].buttonInfo[7].Fun = kFunGunSet;
        set.profiles[4].buttonInfo[7].macroname = "spray";
        set.profiles[2].buttonInfo[1].Fun = 6; // no longer a macro button: left alone
        set.profiles[2].buttonInfo[1].macroname = "spray";
        set.profiles[1].buttonInfo[2].Fun = kFunMacro;
        set.profiles[1].buttonInfo[2].macroname = "other";
        QCOMPARE(rebindMacroButtons(set, "spray", "spray_2"), 2);
        QCOMPARE(set.profiles[0].buttonInfo[3].macroname, QString("spray_2"));
        QCOMPARE(set.profiles[4].buttonInfo[7].macroname, QString("spray_2"));
        QCOMPARE(set.profiles[2].buttonInfo[1].macroname, QString("spray"));
        QCOMPARE(set.profiles[1].buttonInfo[2].macroname, QString("other"));
        QCOMPARE(rebindMacroButtons(set, "spray_2", "spray_2"), 0);
    }

    void batchImportNeverOverwritesAndStopsAtTheLimit()
    {
        TempAppFolder folder(true);
        QTemporaryDir outside;
        QVERIFY(saveMacro("kept", MacroSettings(), {keyStep(kUsageB, true)}));
        QVERIFY(addMacroName("kept"));
        for (int i = 0; i < 46; ++i)
            QVERIFY(addMacroName(QString("m%1").arg(i))); // 47 listed
        const QStringList paths = {externalMacro(outside, "kept.MSMACRO"), externalMacro(outside, "new1.MSMACRO"),
                                   externalMacro(outside, "new1.MSMACRO"), // the same file twice
                                   externalMacro(outside, QString(21, 'z') + ".MSMACRO"),
                                   externalMacro(outside, "new2.MSMACRO"), externalMacro(outside, "new3.MSMACRO"),
                                   externalMacro(outside, "new4.MSMACRO"), externalMacro(outside, "new5.MSMACRO")};
        const BatchImportReport report = importMacroFiles(paths);
        QCOMPARE(report.imported, (QStringList{"new1", "new2", "new3"}));
        QCOMPARE(report.skipped, (QStringList{"kept.MSMACRO", "new1.MSMACRO", QString(21, 'z') + ".MSMACRO"}));
        QCOMPARE(report.notReached, (QStringList{"new4.MSMACRO", "new5.MSMACRO"}));
        QCOMPARE(macroCount(), 50);
        // The existing macro is untouched.
        QCOMPARE(loadMacro("kept").steps, (QVector<MacroEvent>{keyStep(kUsageB, true)}));
        QCOMPARE(loadMacro("new2").steps, (QVector<MacroEvent>{keyStep(kUsageA, true)}));
        QCOMPARE(listMacroNames().count("new1"), 1);

        QCOMPARE(importMacroFile(externalMacro(outside, "later.MSMACRO")).status, ImportStatus::ListFull);
    }

    void singleImportAndExport()
    {
        TempAppFolder folder(true);
        QTemporaryDir outside;
        QCOMPARE(importMacroFile(outside.filePath("missing.MSMACRO")).status, ImportStatus::FileError);
        QVERIFY(!macroFileExists("missing"));
        QCOMPARE(importMacroFile(externalMacro(outside, "one.MSMACRO")).status, ImportStatus::Imported);
        QCOMPARE(listMacroNames(), QStringList{"one"});
        QCOMPARE(importMacroFile(externalMacro(outside, "one.MSMACRO")).status, ImportStatus::Exists);

        const QString target = outside.filePath("copy.MSMACRO");
        QFile stale(target);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("old");
        stale.close();
        QVERIFY(exportMacroFile("one", target)); // replaces what was there
        QCOMPARE(QSettings(target, QSettings::IniFormat).value("Setting/Count").toInt(), 1);
        QVERIFY(!exportMacroFile("absent", outside.filePath("absent.MSMACRO")));

        QVERIFY(saveMacro("two", MacroSettings(), {}));
        QDir(outside.path()).mkdir("out");
        const QString out = outside.filePath("out");
        QCOMPARE(exportMacroFiles({"one", "two", "ghost"}, out), QStringList{"ghost"});
        QVERIFY(QFileInfo::exists(out + "/one.MSMACRO"));
        QVERIFY(QFileInfo::exists(out + "/two.MSMACRO"));
    }
};

QTEST_GUILESS_MAIN(TestMacroRules)
#include "gui_test_macro_rules.moc"
