#include "storage/app_paths.h"
#include "storage/macro_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
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

QString configPath()
{
    return AppPaths::configsFolder() + "/Config.ini";
}

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

void setSlot(int slot, const QString &name)
{
    QSettings(configPath(), QSettings::IniFormat).setValue(macroListKey(slot), name);
}

QString slotValue(int slot)
{
    return QSettings(configPath(), QSettings::IniFormat).value(macroListKey(slot)).toString();
}

} // namespace

Q_DECLARE_METATYPE(MoveDirection)

class TestMacroFile : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        AppPaths::setDataDirOverride(m_dir->path());
        QVERIFY(QDir().mkpath(AppPaths::configsFolder()));
    }
    void cleanup() { m_dir.reset(); }

    // ---- step encodings ----

    void clickSteps()
    {
        QCOMPARE(buttonStep(kMacroLeftButton, true), step(129, 0, 1));
        QCOMPARE(buttonStep(kMacroLeftButton, false), step(1, 0, 1));
        QCOMPARE(keyStep(4, true), step(0x84, 0, 4));
        QCOMPARE(keyStep(4, false), step(0x04, 0, 4));
    }

    void delayEncoding_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("dataH");
        QTest::addColumn<int>("dataL");
        QTest::addColumn<int>("readBack");
        QTest::newRow("250 ms") << 250 << 0 << 25 << 250;
        QTest::newRow("5 ms gap is 10 ms") << 5 << 0 << 1 << 10;
        QTest::newRow("no gap is 10 ms") << 0 << 0 << 1 << 10;
        QTest::newRow("rounded down") << 259 << 0 << 25 << 250;
        QTest::newRow("high byte") << 2570 << 1 << 1 << 2570;
        QTest::newRow("largest") << 655350 << 255 << 255 << 655350;
        QTest::newRow("beyond 16 bits is capped") << 10000000 << 255 << 255 << 655350;
        QTest::newRow("negative") << -40 << 0 << 1 << 10;
    }
    void delayEncoding()
    {
        QFETCH(int, ms);
        QFETCH(int, dataH);
        QFETCH(int, dataL);
        QFETCH(int, readBack);
        const MacroEvent e = encodeDelay(ms);
        QCOMPARE(e, step(kMacroDelay, uint8_t(dataH), uint8_t(dataL)));
        QCOMPARE(delayMs(e), readBack);
    }

    void moveEncoding_data()
    {
        QTest::addColumn<MoveDirection>("direction");
        QTest::addColumn<int>("distance");
        QTest::addColumn<int>("dataH");
        QTest::addColumn<int>("dataL");
        QTest::addColumn<int>("readDistance");
        QTest::newRow("left 10") << MoveDirection::Left << 10 << 0 << 246 << 10;
        QTest::newRow("right 10") << MoveDirection::Right << 10 << 0 << 10 << 10;
        QTest::newRow("up 1") << MoveDirection::Up << 1 << 255 << 0 << 1;
        QTest::newRow("down 120") << MoveDirection::Down << 120 << 120 << 0 << 120;
        QTest::newRow("left 120") << MoveDirection::Left << 120 << 0 << 136 << 120;
        // Outside 1..120 a byte would read back as the other direction or as no move at all.
        QTest::newRow("right 200 capped") << MoveDirection::Right << 200 << 0 << 120 << 120;
        QTest::newRow("up 0 raised") << MoveDirection::Up << 0 << 255 << 0 << 1;
    }
    void moveEncoding()
    {
        QFETCH(MoveDirection, direction);
        QFETCH(int, distance);
        QFETCH(int, dataH);
        QFETCH(int, dataL);
        QFETCH(int, readDistance);
        const MacroEvent e = encodeMove(direction, distance);
        QCOMPARE(e, step(kMacroMove, uint8_t(dataH), uint8_t(dataL)));
        const DecodedMove move = decodeMove(e);
        QVERIFY(move.valid);
        QCOMPARE(move.direction, direction);
        QCOMPARE(move.distance, readDistance);
    }

    void moveDecodingBoundaries()
    {
        QCOMPARE(decodeMoveOffset(0), 0);
        QCOMPARE(decodeMoveOffset(120), 120);
        QCOMPARE(decodeMoveOffset(121), -135);
        QCOMPARE(decodeMoveOffset(255), -1);
        QVERIFY(!decodeMove(step(kMacroMove, 10, 10)).valid);
        QVERIFY(!decodeMove(step(kMacroMove, 0, 0)).valid);
    }

    // ---- macro files ----

    void saveAndLoadRoundTrip()
    {
        MacroSettings settings;
        settings.DefaultDelay = 30;
        settings.DelayType = 1;
        settings.LoopType = 2;
        settings.LoopTime = 7;
        const QVector<MacroEvent> steps = {buttonStep(kMacroLeftButton, true), encodeDelay(250),
                                           buttonStep(kMacroLeftButton, false), encodeMove(MoveDirection::Left, 10),
                                           keyStep(29, true), keyStep(29, false)};
        QVERIFY(saveMacro("click", settings, steps));

        const MacroData loaded = loadMacro("click");
        QCOMPARE(loaded.settings.MacroFilePath, macroFilePath("click"));
        QCOMPARE(loaded.settings.DefaultDelay, 30);
        QCOMPARE(loaded.settings.DelayType, 1);
        QCOMPARE(loaded.settings.LoopType, 2);
        QCOMPARE(loaded.settings.LoopTime, 7);
        QCOMPARE(loaded.steps, steps);
        QCOMPARE(readMacroSteps("click"), steps);
        QCOMPARE(readMacroWriteSign("click"), 1);

        // Values are decimal text in the Setting group, at the documented place.
        const QByteArray raw = readRaw(AppPaths::configsFolder() + "/MacroDB/click.MSMACRO");
        QVERIFY(raw.startsWith("[Setting]"));
        for (const char *line : {"Count=6", "Map_0=129", "DataH_0=0", "DataL_0=1", "Map_1=6", "DataL_1=25",
                                 "Map_2=1", "DataL_3=246", "WriteSign=1", "DefaultDelay=30", "LoopTime=7"})
            QVERIFY2(raw.contains(QByteArray(line) + "\n"), line);
    }

    void delayTypeZeroDropsDelaysOnLoadOnly()
    {
        MacroSettings settings;
        settings.DelayType = 0;
        const QVector<MacroEvent> steps = {keyStep(4, true), encodeDelay(100), keyStep(4, false)};
        QVERIFY(saveMacro("nodelay", settings, steps));
        QCOMPARE(loadMacro("nodelay").steps, QVector<MacroEvent>({keyStep(4, true), keyStep(4, false)}));
        // The download takes the steps as stored.
        QCOMPARE(readMacroSteps("nodelay"), steps);
    }

    void loadNormalisesMovesAndKeepsPresses()
    {
        writeRaw(macroFilePath("raw"), "[Setting]\nDelayType=2\nCount=3\n"
                                       "Map_0=130\nDataH_0=0\nDataL_0=5\n"
                                       "Map_1=134\nDataH_1=0\nDataL_1=3\n"
                                       "Map_2=129\nDataH_2=0\nDataL_2=16\n");
        QCOMPARE(loadMacro("raw").steps,
                 QVector<MacroEvent>({step(2, 0, 5), step(134, 0, 3), step(129, 0, 16)}));
    }

    void resaveDropsStaleSteps()
    {
        QVector<MacroEvent> steps(10, keyStep(5, true));
        QVERIFY(saveMacro("m", MacroSettings(), steps));
        steps.resize(2);
        QVERIFY(saveMacro("m", MacroSettings(), steps, MacroWriteSign::Omit));
        const QByteArray raw = readRaw(macroFilePath("m"));
        QVERIFY(!raw.contains("Map_2="));
        QVERIFY(!raw.contains("WriteSign"));
        QCOMPARE(readMacroSteps("m").size(), 2);
    }

    void missingFileReadsAsZero()
    {
        const MacroData data = loadMacro("absent");
        QCOMPARE(data.settings.DefaultDelay, 0);
        QCOMPARE(data.settings.LoopTime, 0);
        QVERIFY(data.steps.isEmpty());
        QVERIFY(readMacroSteps("absent").isEmpty());
        QCOMPARE(readMacroWriteSign("absent"), 0);
    }

    void writeSignIsClearedOnceAndNeverCreatesAFile()
    {
        QVERIFY(saveMacro("sign", MacroSettings(), {}));
        QCOMPARE(readMacroWriteSign("sign"), 1);
        clearMacroWriteSign("sign");
        QCOMPARE(readMacroWriteSign("sign"), 0);
        QVERIFY(readRaw(macroFilePath("sign")).contains("WriteSign=0\n"));

        clearMacroWriteSign("ghost");
        QVERIFY(!QFileInfo::exists(macroFilePath("ghost")));
    }

    void hostileCounts_data()
    {
        QTest::addColumn<QByteArray>("count");
        QTest::addColumn<int>("deviceSteps");
        QTest::addColumn<int>("fileSteps");
        QTest::newRow("negative") << QByteArray("-5") << 0 << 0;
        QTest::newRow("text") << QByteArray("lots") << 0 << 0;
        QTest::newRow("empty") << QByteArray("") << 0 << 0;
        QTest::newRow("billion") << QByteArray("1000000000") << kMacroDeviceMaxSteps << kMacroFileMaxSteps;
        QTest::newRow("64") << QByteArray("64") << kMacroDeviceMaxSteps << 64;
    }
    void hostileCounts()
    {
        QFETCH(QByteArray, count);
        QFETCH(int, deviceSteps);
        QFETCH(int, fileSteps);
        writeRaw(macroFilePath("evil"), "[Setting]\nDelayType=1\nCount=" + count + "\nMap_0=132\nDataL_0=4\n");
        QElapsedTimer timer;
        timer.start();
        const QVector<MacroEvent> raw = readMacroSteps("evil");
        const MacroData loaded = loadMacro("evil");
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(raw.size(), deviceSteps);
        QCOMPARE(loaded.steps.size(), fileSteps);
        if (deviceSteps > 0) {
            QCOMPARE(raw[0], step(132, 0, 4));
            QCOMPARE(raw[1], step(0, 0, 0)); // missing keys read as 0
        }
    }

    void countBeyondIntIsStillBounded()
    {
        writeRaw(macroFilePath("huge"), "[Setting]\nDelayType=1\nCount=99999999999999\n");
        QVERIFY(readMacroSteps("huge").size() <= kMacroDeviceMaxSteps);
        QVERIFY(loadMacro("huge").steps.size() <= kMacroFileMaxSteps);
    }

    void stepValuesKeepTheirLowByte()
    {
        writeRaw(macroFilePath("wide"), "[Setting]\nCount=2\nMap_0=388\nDataH_0=-1\nDataL_0=300\n"
                                        "Map_1=x\nDataH_1=1.5\nDataL_1=4\n");
        QCOMPARE(readMacroSteps("wide"), QVector<MacroEvent>({step(132, 255, 44), step(0, 0, 4)}));
    }

    void unsafeNamesStayInTheMacroFolder()
    {
        const QStringList unsafe = {"", ".", "..", "../victim", "a/b", "/tmp/abs", "..\\victim", "a\\b",
                                    QString("nul") + QChar(0) + "x", QString(300, 'n')};
        for (const QString &name : unsafe) {
            QVERIFY2(!isSafeMacroName(name), qPrintable(name.left(20)));
            QVERIFY(macroFilePath(name).isEmpty());
            QVERIFY(!saveMacro(name, MacroSettings(), {keyStep(4, true)}));
            QVERIFY(!addMacroName(name));
        }
        QVERIFY(isSafeMacroName("..name"));
        QVERIFY(isSafeMacroName("my macro, v2"));

        // A real file one level up must be neither read, written, renamed nor deleted.
        const QString victim = AppPaths::configsFolder() + "/victim.MSMACRO";
        const QByteArray content = "[Setting]\nCount=1\nMap_0=132\nDataL_0=4\nWriteSign=1\n";
        writeRaw(victim, content);
        QVERIFY(readMacroSteps("../victim").isEmpty());
        QVERIFY(loadMacro("../victim").steps.isEmpty());
        QCOMPARE(readMacroWriteSign("../victim"), 0);
        clearMacroWriteSign("../victim");
        QVERIFY(!deleteMacroFile("../victim"));
        QVERIFY(saveMacro("mine", MacroSettings(), {}));
        QCOMPARE(renameMacro("mine", "../victim"), QString("mine"));
        QCOMPARE(renameMacro("../victim", "stolen"), QString("../victim"));
        QCOMPARE(readRaw(victim), content);
        QVERIFY(QFileInfo::exists(macroFilePath("mine")));
        QVERIFY(!QFileInfo::exists(macroFilePath("stolen")));
        QCOMPARE(QDir(AppPaths::configsFolder()).entryList(QDir::Files), QStringList({"victim.MSMACRO"}));
    }

    void deleteMacroFileRemovesOnlyThatFile()
    {
        QVERIFY(saveMacro("a", MacroSettings(), {}));
        QVERIFY(saveMacro("b", MacroSettings(), {}));
        QVERIFY(deleteMacroFile("a"));
        QVERIFY(!macroFileExists("a"));
        QVERIFY(macroFileExists("b"));
        QVERIFY(deleteMacroFile("a")); // already gone
    }

    // ---- macro list ----

    void listSlots()
    {
        setSlot(0, "zero");
        setSlot(2, "two");
        setSlot(49, "last");
        QCOMPARE(macroCount(), 3);
        QCOMPARE(listMacroNames(), QStringList({"zero", "two", "last"}));

        QVERIFY(addMacroName("new"));
        QCOMPARE(slotValue(1), QString("new"));
        QVERIFY(addMacroName("two")); // already listed: no second entry
        QCOMPARE(listMacroNames(), QStringList({"zero", "new", "two", "last"}));

        setSlot(5, "two");
        removeMacroName("two");
        QCOMPARE(slotValue(2), QString());
        QCOMPARE(slotValue(5), QString("two")); // only the first slot holding the name
        removeMacroName("unknown");
        QCOMPARE(macroCount(), 4);
        QVERIFY(readRaw(configPath()).contains("[MACRO_LIST]"));
    }

    // An unquoted name with a comma (a hand-edited list) is still a name, not a free slot.
    void handEditedNameWithCommaKeepsItsSlot()
    {
        writeRaw(configPath(), "[MACRO_LIST]\n0=fast, slow\n");
        QCOMPARE(listMacroNames(), QStringList({"fast, slow"}));
        QVERIFY(addMacroName("next"));
        QCOMPARE(listMacroNames(), QStringList({"fast, slow", "next"}));
        QCOMPARE(renameMacro("fast, slow", "both"), QString("both"));
        QCOMPARE(listMacroNames(), QStringList({"both", "next"}));
    }

    void fullListRefusesNewNamesAndMacros()
    {
        QByteArray list = "[MACRO_LIST]\n";
        for (int slot = 0; slot < kMacroListSlots; ++slot)
            list += QByteArray::number(slot) + "=m" + QByteArray::number(slot) + "\n";
        writeRaw(configPath(), list);
        QVERIFY(isMacroListFull());
        QVERIFY(!addMacroName("extra"));
        QVERIFY(!listMacroNames().contains("extra"));

        const NewMacroResult result = newMacro();
        QCOMPARE(result.status, NewMacroStatus::ListFull);
        QVERIFY(result.name.isEmpty());
        QVERIFY(!QDir(macroFolder()).exists() || QDir(macroFolder()).isEmpty());
        QCOMPARE(QString(kTooManyMacrosMessage), QString("TOO MANY MACROS TO BE CREATE!"));
        QCOMPARE(QString(kTooManyMacrosTitle), QString("WARNING"));

        setSlot(17, QString());
        QCOMPARE(newMacro().status, NewMacroStatus::Created);
        QCOMPARE(slotValue(17), QString("name_1"));
    }

    void newMacroTakesTheFirstFreeNumber()
    {
        QVERIFY(saveMacro("name_1", MacroSettings(), {keyStep(4, true)}));
        QVERIFY(saveMacro("name_3", MacroSettings(), {}));
        const NewMacroResult result = newMacro();
        QCOMPARE(result.status, NewMacroStatus::Created);
        QCOMPARE(result.name, QString("name_2"));
        QCOMPARE(listMacroNames(), QStringList({"name_2"}));
        const MacroData data = loadMacro("name_2");
        QCOMPARE(data.settings.DefaultDelay, 10);
        QCOMPARE(data.settings.DelayType, 0);
        QCOMPARE(data.settings.LoopType, 0);
        QCOMPARE(data.settings.LoopTime, 1);
        QVERIFY(data.steps.isEmpty());
        QCOMPARE(readMacroWriteSign("name_2"), 1);
        QCOMPARE(readMacroSteps("name_1").size(), 1); // existing files untouched
    }

    void renameAvoidsExistingFiles()
    {
        QVERIFY(saveMacro("old", MacroSettings(), {keyStep(9, true)}));
        QVERIFY(saveMacro("taken", MacroSettings(), {}));
        QVERIFY(saveMacro("taken_2", MacroSettings(), {}));
        setSlot(0, "taken");
        setSlot(1, "old");
        setSlot(3, "old");

        QCOMPARE(renameMacro("old", "taken"), QString("taken_3"));
        QVERIFY(!macroFileExists("old"));
        QCOMPARE(readMacroSteps("taken_3"), QVector<MacroEvent>({keyStep(9, true)}));
        QCOMPARE(readMacroSteps("taken").size(), 0); // the existing file kept its content
        QCOMPARE(slotValue(1), QString("taken_3"));
        QCOMPARE(slotValue(3), QString("taken_3"));
        QCOMPARE(slotValue(0), QString("taken"));

        QCOMPARE(renameMacro("taken_3", "taken_3"), QString("taken_3"));
        QVERIFY(macroFileExists("taken_3"));
        QCOMPARE(renameMacro("taken_3", "fresh"), QString("fresh"));
        QCOMPARE(uniqueMacroName("fresh"), QString("fresh_2"));
        QCOMPARE(uniqueMacroName("unused"), QString("unused"));
    }

    void renameWithoutAFileStillRenamesTheList()
    {
        setSlot(4, "lost");
        QCOMPARE(renameMacro("lost", "found"), QString("found"));
        QCOMPARE(slotValue(4), QString("found"));
        QVERIFY(!macroFileExists("found"));
    }

    void renameFailureLeavesTheListAlone()
    {
        QVERIFY(saveMacro("locked", MacroSettings(), {}));
        setSlot(0, "locked");
        // A read-only folder refuses the rename: the list must keep pointing at the real file.
        QFile::Permissions saved = QFile::permissions(macroFolder());
        QVERIFY(QFile::setPermissions(macroFolder(), QFile::ReadOwner | QFile::ExeOwner));
        if (QFile::rename(macroFilePath("locked"), macroFilePath("probe"))) {
            QFile::rename(macroFilePath("probe"), macroFilePath("locked"));
            QFile::setPermissions(macroFolder(), saved);
            QSKIP("folder permissions are not enforced for this user");
        }
        const QString used = renameMacro("locked", "free");
        QFile::setPermissions(macroFolder(), saved);
        QCOMPARE(used, QString("locked"));
        QCOMPARE(slotValue(0), QString("locked"));
        QVERIFY(macroFileExists("locked"));
    }
};

QTEST_GUILESS_MAIN(TestMacroFile)
#include "test_macro_file.moc"
