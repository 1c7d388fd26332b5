// The files the program writes are the same bytes from the Qt 5 and the Qt 6 build, and each
// build reads what the other wrote. The golden files in tests/golden were written by one build;
// this test, run by both, writes the same edits and compares byte for byte, then reads the golden
// files back. To write new golden files on purpose: MOUSECFG_GOLDEN_OUT=DIR test_stored_bytes.
#include "storage/app_paths.h"
#include "storage/app_settings.h"
#include "storage/data_paths.h"
#include "storage/ini_file.h"
#include "storage/macro_file.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "support/test_env.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>
#include <memory>

namespace {

const QString kGoldenDir = QStringLiteral(MOUSECFG_SOURCE_DIR "/tests/golden");
const QString kProduct = QStringLiteral("M7");
// Stands for the temporary data folder in the one value that holds a path (a macro file's own).
const QByteArray kFolderToken = "@DATA@";

// Text that each writer escapes its own way: non-ASCII (Latin-1, CJK, a character beyond 16
// bits), hex digits right after them, DEL, quotes, list and comment separators, edge spaces.
const QStringList kNames{QStringLiteral("Spiel \u00fc1"), QStringLiteral("\u914d\u7f6e a9F"),
                         QStringLiteral("Plain"), QStringLiteral("Emoji \U0001F5B1 b"),
                         QStringLiteral("x\u007f7")};
const QString kTrickyText = QStringLiteral("  \"Gr\u00fc\u00dfe\"; a=b, \u4e2d1 \\ tab\t ");

ProfileData fixedProfile(int seed)
{
    ProfileData p;
    p.pollrate = uint8_t(1 << (seed % 4));
    p.dpi = uint8_t(seed % 8);
    p.LedMode = uint8_t(seed + 2);
    p.LedMoveOFF = 255;
    p.LedSleepTime = uint8_t(seed + 4);
    for (int d = 0; d < kDpiStageCount; ++d)
        p.dpiInfo[d] = DpiInfo{uint8_t(d & 1), uint8_t(~d & 1), 4000000000u + uint32_t(d), uint32_t(seed * 100 + d),
                               uint32_t(d * 7)};
    p.mousespeed = 10;
    p.dbclickspeed = uint8_t(seed);
    p.scrollispage = 1;
    p.scrollspeed = 3;
    p.accelenable = 0;
    p.acee = 255;
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonInfo &k = p.buttonInfo[b];
        k.ID = b;
        k.Fun = b == 5 ? kFunMacro : -b;
        k.LoopNumber = 65535 + b;
        k.KeyNumber = seed + b;
        for (int j = 0; j < kKeyInfoCount; ++j)
            k.KeyInfo[j] = MacroEvent{uint8_t(j * 4), uint8_t(b + j), uint8_t(255 - j - seed)};
        k.Res1 = uint8_t(b);
        k.Res4 = 255;
        k.macroname = b == 5 ? kNames[(b + seed) % kNames.size()] : QString();
    }
    for (int m = 0; m < kLedModeCount; ++m) {
        QColor colour;
        if (m % 4 == 0)
            colour = QColor(m * 18, seed * 40, 255 - m);
        else if (m % 4 == 1)
            colour = QColor(255, 0, 128, 77);  // with alpha
        else if (m % 4 == 2)
            colour = QColor::fromHsv(m * 25, 200, 150);  // another colour model
        p.ledInfo[m] = LedModeInfo{colour, 360 - m, m, seed, 3, m % 5};  // m % 4 == 3: never set
    }
    p.ProfileName = kNames[seed % kNames.size()];
    p.ProfilePath = kTrickyText;
    return p;
}

ProfileSet fixedSet()
{
    ProfileSet set;
    for (int i = 0; i < kProfileSlotCount; ++i) {
        set.profiles[i] = fixedProfile(i);
        set.slotNames[i] = kNames[i];
    }
    set.ProfileID = 3;
    set.Count = 5;
    set.AngleValue = 1;
    set.LiftHigh = 2;
    return set;
}

MacroData fixedMacro()
{
    MacroData macro;
    macro.settings = MacroSettings{QString(), 25, 2, 3, 255};
    macro.steps = {keyStep(0x04, true), encodeDelay(120), keyStep(0x04, false), buttonStep(kMacroLeftButton, true),
                   encodeMove(MoveDirection::Left, 120), buttonStep(kMacroLeftButton, false), encodeDelay(655350)};
    return macro;
}

const QStringList kMacroNames{QStringLiteral("Makro \u00e41"), QStringLiteral("\u5b8fA")};

QString productProfile() { return productProfileFolder() + QStringLiteral("/Export.prof"); }
QString configurationFile() { return configFolder() + QStringLiteral("/Export.conf"); }

// Every kind of file the program writes, each from the same edits. The settings file gets the
// edits the window and mousecfgctl make to it, one update at a time.
void writeFixedFiles()
{
    QVERIFY(QDir().mkpath(configFolder()));
    QVERIFY(writeCurrentProductName(kProduct));
    writeLanguage(2);
    const ProfileSet set = fixedSet();
    saveProfileSetHeader(set);
    for (const QString &name : kMacroNames)
        QVERIFY(addMacroName(name));
    QVERIFY(writeDiff(15).ok());
    writeBattery(87);
    writeStoredProfileList(kNames);
    QVERIFY(writeProfileFile(fixedProfile(1), productProfile()));
    QVERIFY(writeConfigFile(set, configurationFile()));
    QVERIFY(writeProductTag(configurationFile(), kProduct));
    const MacroData macro = fixedMacro();
    QVERIFY(saveMacro(kMacroNames[0], macro.settings, macro.steps));
}

struct StoredFile {
    const char *golden;  // name in tests/golden
    QString (*path)();
};

QString macroFile() { return macroFilePath(kMacroNames[0]); }

// The configuration file holds five profiles (about 1.4 MB): only its digest is kept.
const StoredFile kFiles[] = {
    {"Config.ini", settingsFilePath},
    {"LangConfig.ini", langSettingsPath},
    {"product-Config.ini", productSettingsPath},
    {"Export.prof", productProfile},
    {"macro.MSMACRO", macroFile},
    {"Export.conf.sha256", configurationFile},
};

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray digestLine(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + '\n';
}

// The first line that differs, for the failure message.
QByteArray firstDifference(const QByteArray &actual, const QByteArray &expected)
{
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (int i = 0; i < std::max(a.size(), e.size()); ++i) {
        const QByteArray left = i < a.size() ? a[i] : "<end>";
        const QByteArray right = i < e.size() ? e[i] : "<end>";
        if (left != right)
            return "line " + QByteArray::number(i + 1) + ": wrote \"" + left + "\", golden \"" + right + '"';
    }
    return "same lines";
}

} // namespace

class TestStoredBytes : public QObject {
    Q_OBJECT
    std::unique_ptr<TempAppFolder> m_dir;

    QByteArray folderPath() const { return AppPaths::applicationFolder().toUtf8(); }

private slots:
    void init() { m_dir = std::make_unique<TempAppFolder>(); }
    void cleanup() { m_dir.reset(); }

    // Each kind of file as the golden one, byte for byte.
    void writtenFilesAreTheGoldenBytes()
    {
        writeFixedFiles();
        if (QTest::currentTestFailed())
            return;
        const QString out = qEnvironmentVariable("MOUSECFG_GOLDEN_OUT");
        for (const StoredFile &file : kFiles) {
            QByteArray bytes = readBytes(file.path());
            QVERIFY2(!bytes.isEmpty(), file.golden);
            bytes.replace(folderPath(), kFolderToken);
            if (QByteArray(file.golden).endsWith(".sha256"))
                bytes = digestLine(bytes);
            if (!out.isEmpty()) {
                QFile f(out + '/' + file.golden);
                QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write(bytes);
                continue;
            }
            const QByteArray golden = readBytes(kGoldenDir + '/' + file.golden);
            QVERIFY2(!golden.isEmpty(), file.golden);
            QVERIFY2(bytes == golden, QByteArray(file.golden) + ": " + firstDifference(bytes, golden));
        }
    }

    // The golden files, put in place of the program's own, read as the values they were made of.
    void goldenFilesReadBack()
    {
        writeFixedFiles();  // the folders and the macro list's slots, then replaced by the golden bytes
        if (QTest::currentTestFailed())
            return;
        for (const StoredFile &file : kFiles) {
            if (QByteArray(file.golden).endsWith(".sha256"))
                continue;
            QByteArray golden = readBytes(kGoldenDir + '/' + file.golden);
            golden.replace(kFolderToken, folderPath());
            QFile f(file.path());
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(f.write(golden), qint64(golden.size()));
        }

        QCOMPARE(readAppSettings().language, 2);
        QCOMPARE(readCurrentProductName(), kProduct);
        QCOMPARE(readDiff(), 15);
        QCOMPARE(readBattery(), 87);
        QCOMPARE(listMacroNames(), kMacroNames);
        QCOMPARE(readStoredProfileList(), kNames);
        ProfileSet set;
        loadProfileSet(set);
        QCOMPARE(int(set.ProfileID), 3);
        for (int i = 0; i < kProfileSlotCount; ++i)
            QCOMPARE(set.slotNames[i], kNames[i]);

        ProfileData profile;
        readProfileFile(profile, productProfile());
        const ProfileData expected = fixedProfile(1);
        for (int m = 0; m < kLedModeCount; ++m)
            QCOMPARE(profile.ledInfo[m].color, expected.ledInfo[m].color);
        QCOMPARE(profile.ProfilePath, kTrickyText);
        QVERIFY(profile == expected);

        const MacroData macro = loadMacro(kMacroNames[0]);
        QCOMPARE(macro.steps, fixedMacro().steps);
        QCOMPARE(macro.settings.LoopTime, 255);
        QCOMPARE(macro.settings.MacroFilePath, macroFile());
        QCOMPARE(readMacroWriteSign(kMacroNames[0]), 1);
    }

    // The escaping of the Qt 5 writer, which Qt 6's is brought to; each case reads back as the
    // text it was made from on the build that runs it.
    void escapedTextIsTheQt5Form_data()
    {
        QTest::addColumn<QByteArray>("written");  // as a settings class may write it
        QTest::addColumn<QByteArray>("escaped");
        QTest::addColumn<QString>("value");
        QTest::newRow("ascii unchanged") << QByteArray("[G]\nk=a \\x1f\\x31 b\n") << QByteArray("[G]\nk=a \\x1f\\x31 b\n")
                                         << QString::fromLatin1("a \x1f" "1 b");
        QTest::newRow("latin-1") << QByteArray("[G]\nk=Gr\xc3\xbc\xc3\x9f" "e\n") << QByteArray("[G]\nk=Gr\\xfc\\xdf\\x65\n")
                                 << QStringLiteral("Gr\u00fc\u00dfe");
        QTest::newRow("hex digits after") << QByteArray("[G]\nk=\xe4\xb8\xad" "1aFg2\n")
                                          << QByteArray("[G]\nk=\\x4e2d\\x31\\x61\\x46g2\n") << QStringLiteral("\u4e2d1aFg2");
        QTest::newRow("beyond 16 bits") << QByteArray("[G]\nk=\xf0\x9f\x96\xb1 b\n") << QByteArray("[G]\nk=\\xd83d\\xddb1 b\n")
                                        << QStringLiteral("\U0001F5B1 b");
        QTest::newRow("del") << QByteArray("[G]\nk=x\x7f" "7\n") << QByteArray("[G]\nk=x\\x7f\\x37\n") << QStringLiteral("x\u007f7");
        QTest::newRow("quoted") << QByteArray("[G]\nk=\"\xc3\xa4, 1\"\n") << QByteArray("[G]\nk=\"\\xe4, 1\"\n")
                                          << QStringLiteral("\u00e4, 1");
        QTest::newRow("at line end") << QByteArray("[G]\nk=\xc3\xa4\nb=1\n") << QByteArray("[G]\nk=\\xe4\nb=1\n")
                                     << QStringLiteral("\u00e4");
    }
    void escapedTextIsTheQt5Form()
    {
        QFETCH(QByteArray, written);
        QFETCH(QByteArray, escaped);
        QFETCH(QString, value);
        const QByteArray out = escapedIniText(written);
        QCOMPARE(out, escaped);
        QCOMPARE(escapedIniText(out), out);
        for (const char c : out)
            QVERIFY(uchar(c) < 0x7F);

        QTemporaryDir dir;
        QFile f(dir.filePath("t.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(out);
        f.close();
        QCOMPARE(QSettings(f.fileName(), QSettings::IniFormat).value("G/k").toString(), value);
    }

    // What the settings class of this build writes for a value, once escaped, is what Qt 5 wrote.
    void settingsClassOutputEscaped_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("cjk and digits") << QStringLiteral("\u914d\u7f6e a9F") << QByteArray("k=\\x914d\\x7f6e a9F");
        QTest::newRow("digit after") << QStringLiteral("\u00fc1") << QByteArray("k=\\xfc\\x31");
        QTest::newRow("quotes and list") << kTrickyText
                                         << QByteArray("k=\"  \\\"Gr\\xfc\\xdf\\x65\\\"; a=b, \\x4e2d\\x31 \\\\ tab\\t \"");
    }
    void settingsClassOutputEscaped()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        QTemporaryDir dir;
        const QString path = dir.filePath("t.ini");
        {
            QSettings s(path, QSettings::IniFormat);
            s.setValue("k", value);
        }
        const QByteArray escaped = escapedIniText(readBytes(path));
        QCOMPARE(escaped, "[General]\n" + line + '\n');
    }

    // A profile file's text is made without the settings class when the file is new or one the
    // program wrote: byte for byte what the settings class writes for the same record, for every
    // kind of value (colours of each model, text needing quotes or escapes, the extremes of
    // numbers). The settings class's own text comes from a file it must merge into.
    void directProfileTextIsTheSettingsClassText()
    {
        const QString direct = m_dir->path() + "/direct.prof";
        const QString merged = m_dir->path() + "/merged.prof";
        const QStringList texts{"", "Profile 1", " lead", "trail ", "a,b", "semi;colon", "x=y", "quote\"d",
                                "back\\slash", "tab\there", "M\u00fcnchen", "\u4e2d\u6587", "0xff", "@at", "7a"};
        const QList<QColor> colours{QColor(), QColor(255, 0, 0), QColor(0, 0, 0, 0), QColor::fromHsv(200, 10, 250),
                                    QColor::fromCmyk(1, 2, 3, 4), QColor::fromHsl(359, 255, 0), QColor(0x12, 0xab, 0x3f, 0x80)};
        for (int round = 0; round < texts.size(); ++round) {
            ProfileData p;
            resetProfile(p);
            p.ProfileName = texts[round];
            p.ProfilePath = texts[(round + 3) % texts.size()];
            p.buttonInfo[round].macroname = texts[(round + 7) % texts.size()];
            p.buttonInfo[round].ID = round % 2 ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
            p.dpiInfo[round % kDpiStageCount].xy = std::numeric_limits<uint32_t>::max() - uint32_t(round);
            p.ledInfo[round % kLedModeCount].color = colours[round % colours.size()];
            p.ledInfo[(round + 1) % kLedModeCount].h = -round;
            QFile::remove(direct);
            QVERIFY(writeProfileFile(p, direct));
            QFile seed(merged);
            QVERIFY(seed.open(QIODevice::WriteOnly | QIODevice::Truncate));
            seed.write("[PROFILE]\r\ndpi=5\r\n");  // not as the program writes it: merged by the settings class
            seed.close();
            QVERIFY(writeProfileFile(p, merged));
            const QByteArray a = readBytes(direct);
            const QByteArray b = readBytes(merged);
            QVERIFY2(a == b, qPrintable(QString("round %1: %2").arg(round).arg(QString::fromLatin1(firstDifference(a, b)))));
            // Written again over itself: the same text, and the file reads back as the record.
            bool changed = true;
            QVERIFY(writeProfileFile(p, direct, nullptr, &changed));
            QVERIFY(!changed);
            ProfileData back;
            readProfileFile(back, direct);
            QVERIFY(back == p);
            // Read by the places of its lines or, behind a comment, key by key: the same record.
            QFile commented(merged);
            QVERIFY(commented.open(QIODevice::WriteOnly | QIODevice::Truncate));
            commented.write("; a comment\n" + a);
            commented.close();
            ProfileData generic;
            readProfileFile(generic, merged);
            QVERIFY(generic == back);
        }
    }
};

QTEST_GUILESS_MAIN(TestStoredBytes)
#include "test_stored_bytes.moc"
