#include "storage/app_paths.h"
#include "storage/macro_file.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

MacroEvent step(uint8_t map, uint8_t dataH, uint8_t dataL)
{
    MacroEvent e;
    e.Map = map;
    e.DataH = dataH;
    e.DataL = dataL;
    return e;
}

QString configPath() { return AppPaths::configsFolder() + "/Config.ini"; }

void writeRaw(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

QByteArray readRaw(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString slotValue(int slot)
{
    return QSettings(configPath(), QSettings::IniFormat).value(macroListKey(slot)).toString();
}

} // namespace

class TestMacroFile : public QObject {
    Q_OBJECT
    std::unique_ptr<TempAppFolder> m_dir;

private slots:
    void init()
    {
        m_dir = std::make_unique<TempAppFolder>();
        QVERIFY(QDir().mkpath(AppPaths::configsFolder()));
    }
    void cleanup() { m_dir.reset(); }

    void stepEncodings()
    {
        QCOMPARE(buttonStep(kMacroLeftButton, true), step(129, 0, 1));
        QCOMPARE(buttonStep(kMacroLeftButton, false), step(1, 0, 1));
        QCOMPARE(encodeDelay(250), step(6, 0, 25));
        QCOMPARE(encodeDelay(5), step(6, 0, 1));      // a 5 ms gap is stored as 10 ms
        QCOMPARE(encodeDelay(2579), step(6, 1, 1));   // rounded down, high byte first in DataH
        QCOMPARE(encodeDelay(9999999), step(6, 255, 255));
        QCOMPARE(delayMs(step(6, 1, 2)), 2580);
        QCOMPARE(encodeMove(MoveDirection::Left, 10), step(2, 0, 246));
        QCOMPARE(encodeMove(MoveDirection::Up, 1), step(2, 255, 0));
        QCOMPARE(encodeMove(MoveDirection::Right, 200), step(2, 0, 120)); // 200 would read as left
        QCOMPARE(encodeMove(MoveDirection::Down, 0), step(2, 1, 0));      // 0 would be no move
        const DecodedMove left = decodeMove(step(2, 0, 246));
        QVERIFY(left.valid && left.direction == MoveDirection::Left && left.distance == 10);
        const DecodedMove down = decodeMove(step(2, 120, 0));
        QVERIFY(down.valid && down.direction == MoveDirection::Down && down.distance == 120);
        QCOMPARE(decodeMoveOffset(121), -135);
        QVERIFY(!decodeMove(step(2, 10, 10)).valid);
        QVERIFY(!decodeMove(step(2, 0, 0)).valid);
    }

    void saveLoadRoundTrip()
    {
        MacroSettings settings{QString(), 30, 1, 2, 7};
        const QVector<MacroEvent> steps = {buttonStep(kMacroLeftButton, true), encodeDelay(250),
                                           buttonStep(kMacroLeftButton, false), encodeMove(MoveDirection::Left, 10)};
        QVERIFY(saveMacro("click", settings, steps));
        const MacroData loaded = loadMacro("click");
        QCOMPARE(loaded.settings.MacroFilePath, macroFilePath("click"));
        QVERIFY(loaded.settings.DefaultDelay == 30 && loaded.settings.DelayType == 1);
        QVERIFY(loaded.settings.LoopType == 2 && loaded.settings.LoopTime == 7);
        QCOMPARE(loaded.steps, steps);
        QCOMPARE(readMacroWriteSign("click"), 1);
        const QByteArray raw = readRaw(AppPaths::configsFolder() + "/MacroDB/click.MSMACRO");
        QVERIFY(raw.startsWith("[Setting]"));
        for (const char *line : {"Count=4", "Map_0=129", "DataH_0=0", "DataL_0=1", "DataL_1=25", "DataL_3=246",
                                 "WriteSign=1"})
            QVERIFY2(raw.contains(QByteArray(line) + "\n"), line);

        // Saving again rewrites the whole file: fewer steps leave no stale keys; a gun set has no sign.
        QVERIFY(saveMacro("click", settings, steps.mid(0, 1), MacroWriteSign::Omit));
        QVERIFY(!readRaw(macroFilePath("click")).contains("Map_1="));
        QCOMPARE(readMacroWriteSign("click"), 0);
    }

    void loadRules()
    {
        writeRaw(macroFilePath("raw"), "[Setting]\nDelayType=0\nCount=4\nMap_0=132\nDataL_0=4\nMap_1=6\nDataL_1=9\n"
                                       "Map_2=130\nDataL_2=5\nMap_3=4\nDataL_3=4\n");
        const QVector<MacroEvent> stored = {step(132, 0, 4), step(6, 0, 9), step(130, 0, 5), step(4, 0, 4)};
        QCOMPARE(readMacroSteps("raw"), stored); // the download takes the steps as stored
        QCOMPARE(loadMacro("raw").steps, QVector<MacroEvent>({stored[0], step(2, 0, 5), stored[3]}));
        QSettings(macroFilePath("raw"), QSettings::IniFormat).setValue("Setting/DelayType", 2);
        QCOMPARE(loadMacro("raw").steps.size(), 4);
    }

    void writeSign()
    {
        QVERIFY(saveMacro("sign", MacroSettings(), {}));
        clearMacroWriteSign("sign");
        QCOMPARE(readMacroWriteSign("sign"), 0);
        clearMacroWriteSign("ghost");
        QVERIFY(!QFileInfo::exists(macroFilePath("ghost")));
        QCOMPARE(readMacroWriteSign("ghost"), 0);
    }

    void hostileFiles()
    {
        for (const QByteArray count : {"-5", "lots", ""}) {
            writeRaw(macroFilePath("evil"), "[Setting]\nDelayType=1\nCount=" + count + "\nMap_0=132\n");
            QVERIFY(readMacroSteps("evil").isEmpty());
            QVERIFY(loadMacro("evil").steps.isEmpty());
        }
        writeRaw(macroFilePath("evil"), "[Setting]\nDelayType=1\nCount=1000000000\nMap_0=388\nDataH_0=-1\nDataL_0=x\n");
        const QVector<MacroEvent> steps = readMacroSteps("evil");
        QCOMPARE(steps.size(), kMacroDeviceMaxSteps);
        QCOMPARE(steps[0], step(132, 255, 0)); // low bytes; non-numeric reads as 0
        QCOMPARE(steps[1], step(0, 0, 0));
        QCOMPARE(loadMacro("evil").steps.size(), kMacroFileMaxSteps);
    }

    void unsafeNamesStayInTheMacroFolder()
    {
        for (const QString &name : {QString(), QString("."), QString(".."), QString("a/b"), QString("..\\x"),
                                    QString("n") + QChar(0), QString(300, 'n')}) {
            QVERIFY(macroFilePath(name).isEmpty());
            QVERIFY(!saveMacro(name, MacroSettings(), {}));
            QVERIFY(!addMacroName(name));
        }
        QVERIFY(isSafeMacroName("..name") && isSafeMacroName("my macro, v2"));

        const QString victim = AppPaths::configsFolder() + "/victim.MSMACRO";
        const QByteArray content = "[Setting]\nCount=1\nMap_0=132\nWriteSign=1\n";
        writeRaw(victim, content);
        QVERIFY(readMacroSteps("../victim").isEmpty());
        QCOMPARE(readMacroWriteSign("../victim"), 0);
        clearMacroWriteSign("../victim");
        QVERIFY(!deleteMacroFile("../victim"));
        QVERIFY(saveMacro("mine", MacroSettings(), {}));
        QCOMPARE(renameMacro("mine", "../victim"), QString("mine"));
        QCOMPARE(renameMacro("../victim", "stolen"), QString("../victim"));
        QCOMPARE(readRaw(victim), content);
        QVERIFY(macroFileExists("mine") && !macroFileExists("stolen"));
    }

    void macroList()
    {
        // An unquoted name with a comma (hand-edited) is a name, not a free slot.
        writeRaw(configPath(), "[MACRO_LIST]\n0=fast, slow\n2=two\n49=last\n");
        QCOMPARE(listMacroNames(), QStringList({"fast, slow", "two", "last"}));
        QVERIFY(addMacroName("new"));
        QCOMPARE(slotValue(1), QString("new"));
        QVERIFY(addMacroName("two")); // already listed: not listed twice
        QCOMPARE(macroCount(), 4);
        QSettings(configPath(), QSettings::IniFormat).setValue(macroListKey(5), "two");
        removeMacroName("two");
        QVERIFY(slotValue(2).isEmpty() && slotValue(5) == "two"); // only the first slot holding it
        QVERIFY(saveMacro("new", MacroSettings(), {}));
        QVERIFY(deleteMacroFile("new") && !macroFileExists("new") && deleteMacroFile("new"));
    }

    void newMacroNamesAndTheFullList()
    {
        QVERIFY(saveMacro("name_1", MacroSettings(), {keyStep(4, true)}));
        QVERIFY(saveMacro("name_3", MacroSettings(), {}));
        const NewMacroResult created = newMacro();
        QVERIFY(created.status == NewMacroStatus::Created && created.name == "name_2");
        QCOMPARE(listMacroNames(), QStringList({"name_2"}));
        const MacroData data = loadMacro("name_2");
        QVERIFY(data.settings.DefaultDelay == 10 && data.settings.DelayType == 0 && data.settings.LoopTime == 1);
        QVERIFY(data.steps.isEmpty() && readMacroWriteSign("name_2") == 1);
        QCOMPARE(readMacroSteps("name_1").size(), 1);

        QByteArray list = "[MACRO_LIST]\n";
        for (int slot = 0; slot < kMacroListSlots; ++slot)
            list += QByteArray::number(slot) + "=m" + QByteArray::number(slot) + "\n";
        writeRaw(configPath(), list);
        QVERIFY(!addMacroName("extra") && !listMacroNames().contains("extra"));
        const NewMacroResult refused = newMacro();
        QVERIFY(refused.status == NewMacroStatus::ListFull && refused.name.isEmpty());
        QVERIFY(!macroFileExists("name_4"));
        QCOMPARE(QString(kTooManyMacrosMessage), QString("TOO MANY MACROS TO BE CREATE!"));
    }

    void renameAvoidsExistingFiles()
    {
        QVERIFY(saveMacro("old", MacroSettings(), {keyStep(9, true)}));
        QVERIFY(saveMacro("taken", MacroSettings(), {}));
        QVERIFY(saveMacro("taken_2", MacroSettings(), {}));
        writeRaw(configPath(), "[MACRO_LIST]\n0=taken\n1=old\n3=old\n4=lost\n");
        QCOMPARE(renameMacro("old", "taken"), QString("taken_3"));
        QCOMPARE(readMacroSteps("taken_3"), QVector<MacroEvent>({keyStep(9, true)}));
        QVERIFY(!macroFileExists("old") && readMacroSteps("taken").isEmpty());
        QCOMPARE(listMacroNames(), QStringList({"taken", "taken_3", "taken_3", "lost"}));
        QCOMPARE(renameMacro("taken_3", "taken_3"), QString("taken_3"));
        QCOMPARE(renameMacro("lost", "found"), QString("found")); // no file: the list still follows
        QCOMPARE(slotValue(4), QString("found"));
    }

    void failedRenameLeavesTheListAlone()
    {
        QVERIFY(saveMacro("locked", MacroSettings(), {}));
        writeRaw(configPath(), "[MACRO_LIST]\n0=locked\n");
        const QFile::Permissions saved = QFile::permissions(macroFolder());
        QFile::setPermissions(macroFolder(), QFile::ReadOwner | QFile::ExeOwner);
        const bool enforced = !QFileInfo(macroFolder()).isWritable();
        const QString used = enforced ? renameMacro("locked", "free") : QString();
        QFile::setPermissions(macroFolder(), saved);
        if (!enforced)
            QSKIP("folder permissions are not enforced for this user");
        QCOMPARE(used, QString("locked"));
        QVERIFY(slotValue(0) == "locked" && macroFileExists("locked"));
    }
};

QTEST_GUILESS_MAIN(TestMacroFile)
#include "test_macro_file.moc"
