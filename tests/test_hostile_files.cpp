// Damaged and hostile data files: serialized values the program never writes, files that are not
// ours, slot names that would share a file, and writes that fail part-way. Each ends in a clear
// refusal or the default, with nothing lost and no crash.

#include "model/profile_domains.h"
#include "storage/app_paths.h"
#include "storage/app_settings.h"
#include "storage/data_paths.h"
#include "storage/file_group_write.h"
#include "storage/ini_file.h"
#include "storage/macro_file.h"
#include "storage/model_description.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "storage/slot_names.h"
#include "storage/write_faults.h"
#include "support/run_tool.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Serialized values of every type byte with an absurd length behind it, in the ways a file can
// spell them: plainly, with the '@' escaped, quoted, and as one item of a list.
QByteArray hostileLines(const QByteArray &keyPrefix)
{
    QByteArray lines;
    for (int type = 1; type < 256; ++type) {
        // Lists (9, 11, 49) and some others allocate what the length says: unguarded, they abort.
        const QByteArray payload = "\\0\\0\\0\\x" + QByteArray::number(type, 16) + "\\x7f\\xff\\xff\\xff)";
        lines += keyPrefix + "plain" + QByteArray::number(type) + "=@Variant(" + payload + "\n";
        if (type % 16 == 1) {
            lines += keyPrefix + "hex" + QByteArray::number(type) + "=\\x40Variant(" + payload + "\n";
            lines += keyPrefix + "quoted" + QByteArray::number(type) + "=\"@Variant(" + payload + "\"\n";
            lines += keyPrefix + "list" + QByteArray::number(type) + "=a, @Variant(" + payload + "\n";
            lines += keyPrefix + "date" + QByteArray::number(type) + "=@DateTime(" + payload + "\n";
        }
    }
    return lines;
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
    std::unique_ptr<TempAppFolder> m_dir;
    QString configs(const QString &name) const { return m_dir->path() + "/Configs/" + name; }

    ToolRun run(const QStringList &args)
    {
        return runTool(QStringList({"--data-dir", m_dir->path(), "--virtual-time"}) + args);
    }

    static int sensorOfTheSettings() { return readAppSettings().sensorId; }

    // The current product settled as the device commands settle it.
    QString settleProduct()
    {
        const ToolRun status = run({"--simulate", "status"});
        return status.status == 0 ? readCurrentProductName() : QString();
    }

private slots:
    void initTestCase() { QVERIFY2(QFile::exists(toolPath()), "mousecfgctl is not built"); }
    void init() { m_dir = std::make_unique<TempAppFolder>(true); }

    void serializedValuesReadAsMissingInEveryFile()
    {
        const QByteArray colour = "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34\\x56\\x56\\0\\0)";
        const QByteArray truncated = "@Variant(\\0\\0\\0\\x43)";
        QVERIFY(writeBytes(configs("Config.ini"), "[Config]\nProfileID=2\nProfile1=Game\n" + hostileLines("Bad")
                                                      + "Diff=1\n[MACRO_LIST]\n0=one\n"));
        QVERIFY(writeBytes(configs("Profile/Game.prof"),
                           "[PROFILE]\npollrate=4\n" + hostileLines("x") + "LedMode\\LED_MODE_1_RGB=" + colour
                               + "\nLedMode\\LED_MODE_2_RGB=" + truncated + "\n"));
        QVERIFY(writeBytes(configs("MacroDB/one.MSMACRO"),
                           "[Setting]\nDelayType=1\nCount=1\nMap_0=132\nDataL_0=4\n" + hostileLines("DataH_")));
        QVERIFY(writeBytes(m_dir->path() + "/DefaultProfile.bin",
                           "[PROFILE]\nProductName=M7\nButtonCount=7\n" + hostileLines("BUTTON_INFO_0_") + "LedMode\\LED_MODE_0_RGB="
                               + colour + "\nLedMode\\LED_MODE_3_RGB=" + truncated + "\n"));

        ProfileSet set;
        loadProfileSet(set);
        QCOMPARE(int(set.ProfileID), 2);
        QCOMPARE(set.slotNames[0], QString("Game"));
        QCOMPARE(int(set.profiles[0].pollrate), 4);
        QCOMPARE(set.profiles[0].ledInfo[1].color, QColor(0x12, 0x34, 0x56));  // the one value we write
        QVERIFY(!set.profiles[0].ledInfo[2].color.isValid());                  // cut short: refused
        QCOMPARE(readDiff(), 1);
        QCOMPARE(listMacroNames(), QStringList{"one"});

        const MacroData macro = loadMacro("one");
        QCOMPARE(macro.steps.size(), 1);
        QCOMPARE(int(macro.steps[0].DataL), 4);
        QCOMPARE(int(macro.steps[0].DataH), 0);
        QCOMPARE(readMacroSteps("one").size(), 1);

        ModelDescription model;
        QCOMPARE(readModelDescription(model), 0);
        QCOMPARE(model.leds[0].color, QColor(0x12, 0x34, 0x56));
        QVERIFY(!model.leds[3].color.isValid());
        QCOMPARE(modelProductName(), QString("M7"));
        QCOMPARE(modelButtonCount(), 7);

        // Writing into such a file keeps every value it can read and drops only the refused ones.
        writeDiff(0);
        QCOMPARE(readDiff(), 0);
        QCOMPARE(listMacroNames(), QStringList{"one"});
        QVERIFY(!contents(configs("Config.ini")).contains("Variant"));
        // Reading never changes a file: the profile file still holds what it held.
        QVERIFY(contents(configs("Profile/Game.prof")).contains("plain200=@Variant("));
    }

    void scanFollowsTheSettingsClassReading_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("refused");
        QTest::addColumn<bool>("wellFormed");
        QTest::newRow("our colour") << QByteArray("[P]\nc=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x1\\x1\\x2\\x2\\x3\\x3\\0\\0)\n") << 0 << true;
        QTest::newRow("invalid colour we write") << QByteArray("c=@Variant(\\0\\0\\0\\x43\\0\\xff\\xff\\0\\0\\0\\0\\0\\0\\0\\0)\n") << 0 << true;
        QTest::newRow("float colour model") << QByteArray("c=@Variant(\\0\\0\\0\\x43\\x5\\xff\\xff\\0\\0\\0\\0\\0\\0\\0\\0)\n") << 1 << true;
        QTest::newRow("colour one byte long") << QByteArray("c=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\0\\0\\0\\0\\0\\0\\0\\0\\0)\n") << 1 << true;
        QTest::newRow("escaped by a 16-bit wrap") << QByteArray("c=\\x10040Variant(\\0\\0\\0\\x7f)\n") << 1 << true;
        QTest::newRow("octal at") << QByteArray("c=\\100Variant(\\0)\n") << 1 << true;
        QTest::newRow("continued line") << QByteArray("c=@Var\\\niant(\\0)\n") << 1 << true;
        QTest::newRow("text that only looks so") << QByteArray("a=@@Variant(x)\nb=x@Variant(y)\nc=@Variant(\nd=\"@Variant(\\0\" tail\n") << 0 << true;
        QTest::newRow("commented out") << QByteArray("; c=@Variant(\\0\\0\\0\\x7f)\nb=1\n") << 0 << true;
        QTest::newRow("not INI") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << 0 << false;
        QTest::newRow("open section") << QByteArray("[Config\nx=1\n") << 0 << false;
    }
    void scanFollowsTheSettingsClassReading()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, refused);
        QFETCH(bool, wellFormed);
        const IniScan scan = scanIniText(text);
        QCOMPARE(scan.refused.size(), refused);
        QCOMPARE(scan.wellFormed, wellFormed);
        // What is left for the settings class holds no serialized value but colours.
        QVERIFY(writeBytes(m_dir->filePath("scan.ini"), text));
        IniFile file(m_dir->filePath("scan.ini"));
        for (const QString &key : file.settings().allKeys()) {
            const int type = file.settings().value(key).userType();
            QVERIFY2(type == QMetaType::QString || type == QMetaType::QStringList || type == QMetaType::QColor,
                     qPrintable(key + " " + QString::number(type)));
        }
    }

    void importsRefuseWhatIsNotOurs()
    {
        const QString product = settleProduct();
        QVERIFY(!product.isEmpty());
        ProfileSet set;
        resetProfileSet(set);
        set.profiles[1].pollrate = 2;
        QCOMPARE(exportConfigFile(set, m_dir->filePath("good.conf")), StorageResult::Ok);
        QVERIFY(QDir().mkpath(m_dir->filePath("folder.conf")));
        QVERIFY(writeBytes(m_dir->filePath("empty.conf"), QByteArray()));
        QVERIFY(writeBytes(m_dir->filePath("untagged.conf"), "[Config]\nProfileID=1\n"));
        QVERIFY(writeBytes(m_dir->filePath("picture.conf"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20)));
        QVERIFY(QFile::copy(m_dir->filePath("good.conf"), m_dir->filePath("hostile.conf")));
        QVERIFY(writeBytes(m_dir->filePath("hostile.conf"),
                           contents(m_dir->filePath("good.conf")) + "[PROFILE_0]\nbad=@Variant(\\0\\0\\0\\x9\\x7f\\xff\\xff\\xff)\n"));

        const QString cannotRead = ": cannot be read";
        const QString notOurs = ": not a configuration file of " + product;
        const QList<QPair<QString, QString>> cases = {
            {"folder.conf", cannotRead + " (a folder)"}, {"missing.conf", cannotRead},
            {"hostile.conf", cannotRead + " (PROFILE_0/bad)"},
            {"empty.conf", notOurs},     {"untagged.conf", notOurs},   {"picture.conf", notOurs},
        };
        const QByteArray settingsBefore = contents(configs("Config.ini"));
        for (const auto &c : cases) {
            ProfileSet into = set;
            const StorageOutcome outcome = importConfigFile(m_dir->filePath(c.first), into, {});
            QVERIFY2(!outcome.ok(), qPrintable(c.first));
            QCOMPARE(outcome.message(), c.first + c.second);
            QVERIFY(into == set);  // nothing taken over

            const ToolRun tool = run({"--simulate", "--trace", m_dir->filePath("trace.txt"), "load-conf", m_dir->filePath(c.first)});
            QCOMPARE(tool.status, 65);
            QVERIFY2(tool.err.contains(c.first + c.second), qPrintable(tool.err));
            QVERIFY(!contents(m_dir->filePath("trace.txt")).contains("W "));  // nothing sent
            QCOMPARE(contents(configs("Config.ini")), settingsBefore);
        }

        ProfileData profile;
        QString name;
        QVERIFY(writeBytes(m_dir->filePath("untagged.prof"), "[PROFILE]\npollrate=1\n"));
        const StorageOutcome refused = importProfileFile(m_dir->filePath("untagged.prof"), profile, &name, {});
        QCOMPARE(refused.message(), "untagged.prof: not a profile file of " + product);
        QVERIFY(!QFileInfo::exists(productProfilePath("untagged")));

        // What the program exported still loads.
        QCOMPARE(run({"--simulate", "load-conf", m_dir->filePath("good.conf")}).status, 0);
    }

    // Every value of an import is checked against its domain before anything is kept or sent.
    void importsRefuseValuesOutOfTheirDomain()
    {
        const QString product = settleProduct();
        ProfileSet set;
        resetProfileSet(set);
        set.profiles[2].buttonInfo[3].Fun = kFunMacro;
        set.profiles[2].buttonInfo[3].macroname = "burst";
        QCOMPARE(exportConfigFile(set, m_dir->filePath("base.conf")), StorageResult::Ok);
        const QList<QPair<QString, QString>> cases = {
            {"PROFILE_1/pollrate=3", "is not a report rate (1, 2, 4, 8)"},
            {"PROFILE_1/pollrate=16", "is not a report rate (1, 2, 4, 8)"},
            {"PROFILE_1/pollrate=300", "is not a number this key can hold"},
            {"PROFILE_1/pollrate=fast", "is not a number this key can hold"},
            {"PROFILE_0/dpi=8", "is not a DPI stage (0 to 7)"},
            {"PROFILE_4/DPI_INFO_5_used=2", "is not 0 or 1"},
            {"PROFILE_0/DPI_INFO_2_x=99999", "is not a resolution step of this sensor"},
            {"PROFILE_3/BUTTON_INFO_7_Fun=9999", "is not a button function"},
            {"PROFILE_2/BUTTON_INFO_3_macroname=../x", "is not a macro name"},
            {"PROFILE_2/BUTTON_INFO_3_Res1=3", "is not a loop mode (0, 1, 2)"},
            {"PROFILE_1/LedMode=14", "is not a lighting effect (0 to 13)"},
            {"PROFILE_1/LedMode/LED_MODE_2_RGB=notacolour", "is not a colour"},
            {"Config/ProfileID=7", "is not a profile slot (0 to 4)"},
        };
        const QByteArray settingsBefore = contents(configs("Config.ini"));
        for (const auto &c : cases) {
            const QString file = m_dir->filePath("bad.conf");
            QFile::remove(file);
            QVERIFY(QFile::copy(m_dir->filePath("base.conf"), file));
            const int equals = c.first.indexOf('=');
            {
                QSettings edit(file, QSettings::IniFormat);
                edit.setValue(c.first.left(equals), c.first.mid(equals + 1));
            }
            ProfileSet into = set;
            const StorageOutcome outcome = importConfigFile(file, into, profileDomainCheck(sensorOfTheSettings(), product));
            QVERIFY2(outcome.message().startsWith("bad.conf: " + c.first + " " + c.second), qPrintable(outcome.message()));
            QVERIFY(into == set);

            const ToolRun tool = run({"--simulate", "--trace", m_dir->filePath("trace.txt"), "load-conf", file});
            QVERIFY2(tool.status == 65, qPrintable(c.first + tool.err));
            QVERIFY2(tool.err.contains("bad.conf: " + c.first + " " + c.second), qPrintable(tool.err));
            QVERIFY(!contents(m_dir->filePath("trace.txt")).contains("W "));
            QCOMPARE(contents(configs("Config.ini")), settingsBefore);
        }

        // A profile file is refused before it is copied into the library.
        ProfileData profile;
        QCOMPARE(exportConfigFile(set, m_dir->filePath("unused.conf")), StorageResult::Ok);
        QVERIFY(writeProductTag(m_dir->filePath("Slow.prof"), product));
        QVERIFY(writeProfileFile(set.profiles[0], m_dir->filePath("Slow.prof")));
        {
            QSettings edit(m_dir->filePath("Slow.prof"), QSettings::IniFormat);
            edit.setValue("PROFILE/pollrate", 3);
        }
        QString name;
        const StorageOutcome refused = importProfileFile(m_dir->filePath("Slow.prof"), profile, &name,
                                                         profileDomainCheck(sensorOfTheSettings(), product));
        QCOMPARE(refused.message(), QString("Slow.prof: pollrate=3 is not a report rate (1, 2, 4, 8)"));
        QVERIFY(!QFileInfo::exists(productProfilePath("Slow")));

        // What the program itself exports passes its own check.
        ProfileSet back = set;
        QVERIFY(importConfigFile(m_dir->filePath("base.conf"), back, profileDomainCheck(sensorOfTheSettings(), product)).ok());
    }

    // A file whose slot names are empty still stores what it sends: each slot takes its default
    // name and its data is kept under it.
    void emptySlotNamesKeepTheirData()
    {
        settleProduct();
        ProfileSet set;
        resetProfileSet(set);
        set.profiles[1].pollrate = 2;
        set.profiles[3].LedMode = 4;
        for (QString &slotName : set.slotNames)
            slotName.clear();
        QCOMPARE(exportConfigFile(set, m_dir->filePath("nameless.conf")), StorageResult::Ok);
        QCOMPARE(run({"--simulate", "load-conf", m_dir->filePath("nameless.conf")}).status, 0);
        ProfileSet stored;
        loadProfileSet(stored);
        QCOMPARE(stored.slotNames[1], QString("Profile 2"));
        QCOMPARE(int(stored.profiles[1].pollrate), 2);
        QCOMPARE(int(stored.profiles[3].LedMode), 4);
        const ToolRun show = run({"--simulate", "show", "--profile", "2"});
        QVERIFY2(show.out.contains("500 Hz"), qPrintable(show.out + show.err));
    }

    // A damaged settings file is told as such, not as a file of another mouse.
    void aDamagedSettingsFileIsToldAsSuch()
    {
        settleProduct();
        ProfileSet set;
        resetProfileSet(set);
        QCOMPARE(exportConfigFile(set, m_dir->filePath("fine.conf")), StorageResult::Ok);
        const QByteArray settings = contents(configs("Config.ini"));
        QVERIFY(QFile::remove(configs("Config.ini")));
        QVERIFY(QDir().mkpath(configs("Config.ini")));
        ProfileSet into = set;
        QCOMPARE(importConfigFile(m_dir->filePath("fine.conf"), into, {}).message(),
                 QString("Config.ini: cannot be read (a folder)"));
        QVERIFY(QDir(configs("Config.ini")).removeRecursively());
        QVERIFY(writeBytes(configs("Config.ini"), QByteArray("\x7f\x45\x4c\x46 binary garbage\n\x01\x02")));
        QCOMPARE(importConfigFile(m_dir->filePath("fine.conf"), into, {}).message(), QString("Config.ini: cannot be read"));
        QVERIFY(writeBytes(configs("Config.ini"), settings));
    }

    void everySlotHasAFileOfItsOwn_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all empty: no file at all") << QStringList{"", "", "", "", ""} << QStringList{"", "", "", "", ""};
        QTest::newRow("unsafe and repeated") << QStringList{"Game", "../x", "Game", "a/b", "Work"}
                                             << QStringList{"Game", "Profile 2", "Profile 3", "Profile 4", "Work"};
        QTest::newRow("default taken elsewhere") << QStringList{"..", "Profile 1", "x/y", "Profile 3", "Profile 5"}
                                                 << QStringList{"Profile 2", "Profile 1", "Profile 4", "Profile 3", "Profile 5"};
    }
    void everySlotHasAFileOfItsOwn()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, expected);
        QByteArray text = "[Config]\n";
        for (int i = 0; i < kProfileSlotCount; ++i)
            text += "Profile" + QByteArray::number(i + 1) + "=" + stored[i].toUtf8() + "\n";
        QVERIFY(writeBytes(configs("Config.ini"), text));
        ProfileSet set;
        loadProfileSet(set);
        QCOMPARE(QStringList(set.slotNames.begin(), set.slotNames.end()), expected);

        for (int i = 0; i < kProfileSlotCount; ++i)
            set.profiles[i].pollrate = uint8_t(i + 1);
        QVERIFY(storeProfileSet(set).ok());
        ProfileSet back;
        loadProfileSet(back);
        for (int i = 0; i < kProfileSlotCount; ++i) {
            // No slot overwrote another; a nameless slot wrote nothing and reads fresh.
            QCOMPARE(int(back.profiles[i].pollrate), expected[i].isEmpty() ? 0 : i + 1);
        }
        QVERIFY(!QFileInfo::exists(slotProfilePath("")));  // no slot shares the nameless file
    }

    void aFailedLoadLeavesEveryFileAsItWas()
    {
        QCOMPARE(run({"--simulate", "status"}).status, 0);
        ProfileSet set;
        resetProfileSet(set);
        set.slotNames = {"A", "B", "C", "D", "E"};
        set.profiles[0].pollrate = 8;
        QVERIFY(storeProfileSet(set).ok());

        ProfileSet incoming = set;
        incoming.ProfileID = 3;
        incoming.slotNames = {"A", "B", "New", "Blocked", "E"};
        for (ProfileData &p : incoming.profiles)
            p.pollrate = 1;
        QCOMPARE(exportConfigFile(incoming, m_dir->filePath("x.conf")), StorageResult::Ok);
        QVERIFY(QDir().mkpath(slotProfilePath("Blocked")));  // cannot be written as a file

        const QString folder = QFileInfo(slotProfilePath("A")).absolutePath();
        QStringList files = QDir(folder).entryList(QDir::Files);
        QVERIFY(files.contains("A.prof"));
        QMap<QString, QByteArray> before;
        for (const QString &f : files)
            before[f] = contents(folder + "/" + f);
        const QByteArray settingsBefore = contents(configs("Config.ini"));

        const ToolRun tool = run({"--simulate", "--trace", m_dir->filePath("trace.txt"), "load-conf", m_dir->filePath("x.conf")});
        QCOMPARE(tool.status, 65);
        QVERIFY2(tool.err.contains("Blocked.prof: cannot be written"), qPrintable(tool.err));
        QVERIFY(!contents(m_dir->filePath("trace.txt")).contains("W "));
        QCOMPARE(contents(configs("Config.ini")), settingsBefore);
        QCOMPARE(QDir(folder).entryList(QDir::Files), files);  // no new file, no leftovers
        for (const QString &f : files)
            QCOMPARE(contents(folder + "/" + f), before[f]);

        // The apply-time save is all or nothing too.
        ProfileSet apply = set;
        apply.slotNames[0] = "Blocked";
        apply.AngleValue = 9;
        QCOMPARE(saveProfileSetForApply(apply), StorageResult::WriteFailed);
        QCOMPARE(contents(configs("Config.ini")), settingsBefore);
    }

    void groupWriteRestoresWhatItReplaced()
    {
        const QString a = m_dir->filePath("a.ini"), b = m_dir->filePath("b.ini");
        QVERIFY(writeBytes(a, "old a"));
        {
            FileGroupWrite group;
            const QString stagedA = group.stage(a), stagedB = group.stage(b);
            QVERIFY(!stagedA.isEmpty() && !stagedB.isEmpty());
            QCOMPARE(contents(stagedA), QByteArray("old a"));  // starts as a copy
            QVERIFY(writeBytes(stagedA, "new a") && writeBytes(stagedB, "new b"));
            QVERIFY(QFile::remove(stagedB));  // b's rename fails after a was replaced
            QString failed;
            QVERIFY(!group.commit(&failed));
            QCOMPARE(failed, b);
            QCOMPARE(contents(a), QByteArray("old a"));
            QVERIFY(!QFileInfo::exists(b));
        }
        // Nothing is left behind.
        QCOMPARE(QDir(m_dir->path()).entryList({"a.ini*"}, QDir::Files), QStringList{"a.ini"});
    }

    // A group of one new file is put in place by its rename alone: no journal or backup, and a
    // failed rename keeps the old content.
    void groupOfOneFileIsItsRename()
    {
        const QString a = m_dir->filePath("one.ini");
        QVERIFY(writeBytes(a, "old"));
        {
            FileGroupWrite group;
            QVERIFY(!group.stageContent(a, "new").isEmpty());
            setWriteFault(WriteFault{WriteFault::Kind::Rename, 1, EIO, false});
            QString failed, reason;
            QVERIFY(!group.commit(&failed, &reason));
            clearWriteFault();
            QCOMPARE(failed, a);
            QVERIFY(!reason.isEmpty());
            QCOMPARE(contents(a), QByteArray("old"));
        }
        {
            FileGroupWrite group;
            QVERIFY(!group.stageContent(a, "new").isEmpty());
            setWriteFault(WriteFault{});
            QVERIFY(group.commit());
            QCOMPARE(writeStepsSeen(), 1);  // the rename, nothing before it
            clearWriteFault();
            QCOMPARE(contents(a), QByteArray("new"));
        }
        QCOMPARE(QDir(m_dir->path()).entryList({"one.ini*"}, QDir::Files), QStringList{"one.ini"});
        QVERIFY(!QFileInfo::exists(setJournalPath()));
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "test_hostile_files.moc"
