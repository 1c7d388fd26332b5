// The guarded INI reading on arbitrary file contents. The first byte chooses the file (settings,
// profile, configuration, macro or model description), the rest is written as that file and read
// through the program's own readers; as those readers look up thousands of keys, most first
// bytes (5 and up) instead only open the file through the guard, which keeps the runs fast. Afterwards the file is opened as the readers open it and
// every value the settings class produced is checked: anything but text, lists, byte arrays and
// colours means a serialized value got past the guard, and the run stops.

#include "storage/app_paths.h"
#include "storage/profile_data.h"
#include "storage/ini_file.h"
#include "storage/macro_file.h"
#include "storage/model_description.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir *g_dir = nullptr;

bool isPlainValue(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::UnknownType:
    case QMetaType::Int:  // values the program itself wrote, kept by the settings class
    case QMetaType::UInt:
    case QMetaType::QString:
    case QMetaType::QStringList:
    case QMetaType::QByteArray:
    case QMetaType::QColor:
    case QMetaType::QRect:
    case QMetaType::QSize:
    case QMetaType::QPoint:
        return true;
    case QMetaType::QVariantList:
        for (const QVariant &item : value.toList()) {
            if (!isPlainValue(item))
                return false;
        }
        return true;
    default:
        return false;
    }
}

void checkValues(const QString &path)
{
    const IniFile file(path);
    for (const QString &key : file.settings().allKeys()) {
        const QVariant value = file.settings().value(key);
        if (!isPlainValue(value)) {
            std::fprintf(stderr, "%s: %s holds a %s\n", qPrintable(path), qPrintable(key), value.typeName());
            std::abort();
        }
    }
}

void writeFile(const QString &path, const uint8_t *data, size_t size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    // A time of its own, so the settings class never takes the file for one it read before.
    static qint64 stamp = 0;
    file.setFileTime(QDateTime::fromMSecsSinceEpoch(++stamp * 1000), QFileDevice::FileModificationTime);
}

// One seed: the kind byte, then the file.
void writeSeed(const QString &folder, const QString &name, int kind, const QString &source)
{
    QFile in(source);
    QFile out(folder + QLatin1Char('/') + name);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        std::abort();
    out.write(QByteArray(1, char(kind)) + in.readAll());
}

// The seed corpus: each kind of file as the program itself writes it (scripts/fuzz.sh adds the
// shipped settings template and model description).
void writeSeeds(const QString &folder)
{
    ProfileSet set;
    resetProfileSet(set);
    set.profiles[1].ledInfo[2].color = QColor(1, 2, 3);
    set.profiles[1].buttonInfo[0].macroname = QStringLiteral("Macro, \"one\"");
    const QString profile = g_dir->filePath(QStringLiteral("seed.prof"));
    const QString config = g_dir->filePath(QStringLiteral("seed.conf"));
    if (!storeProfileSet(set).ok() || !writeProfileFile(set.profiles[1], profile) || exportConfigFile(set, config) != StorageResult::Ok
        || !saveMacro(QStringLiteral("seed"), MacroSettings(), {keyStep(4, true), encodeDelay(250), keyStep(4, false)}))
        std::abort();
    writeSeed(folder, QStringLiteral("settings-written.ini"), 0, settingsFilePath());
    writeSeed(folder, QStringLiteral("profile.prof"), 1, profile);
    writeSeed(folder, QStringLiteral("config.conf"), 2, config);
    writeSeed(folder, QStringLiteral("macro.MSMACRO"), 3, macroFilePath(QStringLiteral("seed")));
}

} // namespace

// With MOUSECFG_FUZZ_SEEDS=DIR the program writes its seed corpus into DIR and ends.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    g_dir = new QTemporaryDir;
    AppPaths::setDataDirOverride(g_dir->path());
    AppPaths::init();
    AppPaths::prepareDataFolder();
    const QString seeds = qEnvironmentVariable("MOUSECFG_FUZZ_SEEDS");
    if (!seeds.isEmpty()) {
        QDir().mkpath(seeds);
        writeSeeds(seeds);
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int kind = data[0] % 32;
    ++data;
    --size;
    QString path;
    switch (kind) {
    case 0: {
        path = settingsFilePath();
        writeFile(path, data, size);
        ProfileSet set;
        loadProfileSet(set);
        const AppSettings settings = readAppSettings();
        settings.themeColour();
        listMacroNames();
        readStoredProfileList();
        readProtectedProfileNames();
        break;
    }
    case 1: {
        path = slotProfilePath(QStringLiteral("Fuzz"));
        writeFile(path, data, size);
        ProfileData profile;
        readProfileFile(profile, path);
        readProductTag(path);
        break;
    }
    case 2: {
        path = g_dir->filePath(QStringLiteral("in.conf"));
        writeFile(path, data, size);
        ProfileSet set;
        // As load-conf reads it: the whole file only when the import check let it through.
        importConfigFile(path, set, {}).message();
        break;
    }
    case 3: {
        path = macroFilePath(QStringLiteral("fuzz"));
        writeFile(path, data, size);
        loadMacro(QStringLiteral("fuzz"));
        readMacroSteps(QStringLiteral("fuzz"));
        readMacroWriteSign(QStringLiteral("fuzz"));
        break;
    }
    case 4: {
        // Written where it is in force (no folder file: the shipped one, never to be written).
        path = g_dir->filePath(QStringLiteral("DefaultProfile.bin"));
        writeFile(path, data, size);
        ModelDescription model;
        readModelDescription(model);
        ButtonMatrix matrix{};
        readButtonMatrix(matrix);
        readButtonMatrix2(matrix);
        modelButtonCount();
        modelDpiStageCount();
        modelProductName();
        showSleep();
        break;
    }
    default:
        path = g_dir->filePath(QStringLiteral("any.ini"));
        writeFile(path, data, size);
        break;
    }
    checkValues(path);
    // The settings file is also written into, as the program does between reads.
    if (kind == 0) {
        writeDiff(1);
        checkValues(path);
    }
    return 0;
}
