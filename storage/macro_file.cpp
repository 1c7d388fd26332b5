#include "storage/macro_file.h"

#include "storage/app_paths.h"
#include "storage/ini_file.h"
#include "storage/ini_value.h"
#include "storage/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <cstdlib>

const char *const kMacroTextContext = "MacroLibrary";
const char *const kTooManyMacrosTitle = QT_TRANSLATE_NOOP("MacroLibrary", "WARNING");
const char *const kTooManyMacrosMessage = QT_TRANSLATE_NOOP("MacroLibrary", "TOO MANY MACROS TO BE CREATE!");

namespace {

const QString kExtension = QStringLiteral(".MSMACRO");
constexpr int kMaxFileNameBytes = 255;

QString stepKey(const char *field, int index)
{
    return QStringLiteral("Setting/%1_%2").arg(QLatin1String(field)).arg(index);
}

// "Setting/Count", bounded before it drives any loop or allocation.
int boundedCount(const IniValues &file, int maxSteps)
{
    return std::clamp(iniInt(file, QStringLiteral("Setting/Count")), 0, maxSteps);
}

QVector<MacroEvent> readStoredSteps(const IniValues &file, int maxSteps)
{
    const int count = boundedCount(file, maxSteps);
    QVector<MacroEvent> steps;
    steps.reserve(count);
    for (int i = 0; i < count; ++i) {
        MacroEvent step;
        step.Map = iniByte(file, stepKey("Map", i));
        step.DataH = iniByte(file, stepKey("DataH", i));
        step.DataL = iniByte(file, stepKey("DataL", i));
        steps.append(step);
    }
    return steps;
}

// Path of an existing macro file, or the empty string.
QString existingMacroFile(const QString &name)
{
    const QString path = macroFilePath(name);
    return !path.isEmpty() && QFileInfo::exists(path) ? path : QString();
}

} // namespace

// ---- step encoding -------------------------------------------------------------------------

MacroEvent keyStep(uint8_t usage, bool press)
{
    MacroEvent step;
    step.Map = press ? kMacroKeyPress : kMacroKeyRelease;
    step.DataL = usage;
    return step;
}

MacroEvent buttonStep(uint8_t buttonBit, bool press)
{
    MacroEvent step;
    step.Map = press ? kMacroButtonPress : kMacroButtonRelease;
    step.DataL = buttonBit;
    return step;
}

MacroEvent encodeMove(MoveDirection direction, int distance)
{
    const int d = std::clamp(distance, kMacroMinMoveDistance, kMacroMaxMoveDistance);
    const auto positive = static_cast<uint8_t>(d);
    const auto negative = static_cast<uint8_t>(256 - d);
    MacroEvent step;
    step.Map = kMacroMove;
    switch (direction) {
    case MoveDirection::Right:
        step.DataL = positive;
        break;
    case MoveDirection::Left:
        step.DataL = negative;
        break;
    case MoveDirection::Down:
        step.DataH = positive;
        break;
    case MoveDirection::Up:
        step.DataH = negative;
        break;
    }
    return step;
}

int decodeMoveOffset(uint8_t offset)
{
    return offset <= kMacroMaxMoveDistance ? offset : offset - 256;
}

DecodedMove decodeMove(const MacroEvent &step)
{
    DecodedMove move;
    const bool horizontal = step.DataL != 0;
    if (horizontal == (step.DataH != 0))
        return move;
    const int offset = decodeMoveOffset(horizontal ? step.DataL : step.DataH);
    move.valid = true;
    move.distance = std::abs(offset);
    if (horizontal)
        move.direction = offset > 0 ? MoveDirection::Right : MoveDirection::Left;
    else
        move.direction = offset > 0 ? MoveDirection::Down : MoveDirection::Up;
    return move;
}

MacroEvent encodeDelay(int ms)
{
    const int units = std::clamp(ms / 10, 1, kMacroMaxDelayUnits);
    MacroEvent step;
    step.Map = kMacroDelay;
    step.DataH = static_cast<uint8_t>(units >> 8);
    step.DataL = static_cast<uint8_t>(units & 0xFF);
    return step;
}

int delayMs(const MacroEvent &step)
{
    return (step.DataH * 256 + step.DataL) * 10;
}

// ---- macro files ---------------------------------------------------------------------------

QString macroFolder()
{
    return AppPaths::configsFolder() + QStringLiteral("/MacroDB");
}

bool isSafeMacroName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QChar(0)))
        return false;
    return QFile::encodeName(name + kExtension).size() <= kMaxFileNameBytes;
}

QString macroFilePath(const QString &name)
{
    if (!isSafeMacroName(name))
        return QString();
    return macroFolder() + QLatin1Char('/') + name + kExtension;
}

bool macroFileExists(const QString &name)
{
    return !existingMacroFile(name).isEmpty();
}

bool saveMacro(const QString &name, const MacroSettings &settings, const QVector<MacroEvent> &steps,
               MacroWriteSign writeSign)
{
    const QString path = macroFilePath(name);
    if (path.isEmpty() || !QDir().mkpath(macroFolder()))
        return false;
    IniFile ini(path, IniFile::Access::Update);
    QSettings &file = ini.settings();
    file.clear(); // the whole file is rewritten: no step keys of a longer earlier version remain
    file.setValue(QStringLiteral("Setting/MacroFilePath"), path);
    file.setValue(QStringLiteral("Setting/DefaultDelay"), settings.DefaultDelay);
    file.setValue(QStringLiteral("Setting/DelayType"), settings.DelayType);
    file.setValue(QStringLiteral("Setting/LoopType"), settings.LoopType);
    file.setValue(QStringLiteral("Setting/LoopTime"), settings.LoopTime);
    const int count = std::min(int(steps.size()), kMacroFileMaxSteps);
    file.setValue(QStringLiteral("Setting/Count"), count);
    for (int i = 0; i < count; ++i) {
        file.setValue(stepKey("Map", i), steps[i].Map);
        file.setValue(stepKey("DataH", i), steps[i].DataH);
        file.setValue(stepKey("DataL", i), steps[i].DataL);
    }
    if (writeSign == MacroWriteSign::Set)
        file.setValue(QStringLiteral("Setting/WriteSign"), 1);
    return ini.sync();
}

MacroData loadMacro(const QString &name)
{
    MacroData data;
    // A missing file or key reads as 0, not as the new-macro values.
    data.settings = MacroSettings{QString(), 0, 0, 0, 0};
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return data;
    const IniFile ini(path);
    const IniValues &file = ini.values();
    data.settings.MacroFilePath = iniString(file, QStringLiteral("Setting/MacroFilePath"));
    data.settings.DefaultDelay = iniInt(file, QStringLiteral("Setting/DefaultDelay"));
    data.settings.DelayType = iniInt(file, QStringLiteral("Setting/DelayType"));
    data.settings.LoopType = iniInt(file, QStringLiteral("Setting/LoopType"));
    data.settings.LoopTime = iniInt(file, QStringLiteral("Setting/LoopTime"));
    const bool keepDelays = data.settings.DelayType == 1 || data.settings.DelayType == 2;
    for (MacroEvent step : readStoredSteps(file, kMacroFileMaxSteps)) {
        const uint8_t kind = step.Map & kMacroKindMask;
        if (kind == kMacroDelay && !keepDelays)
            continue;
        if (kind == kMacroMove)
            step.Map = kMacroMove;
        data.steps.append(step);
    }
    return data;
}

QVector<MacroEvent> readMacroSteps(const QString &name)
{
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return {};
    return readStoredSteps(IniFile(path).values(), kMacroDeviceMaxSteps);
}

int readMacroStepCount(const QString &name)
{
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return 0;
    return boundedCount(IniFile(path).values(), kMacroFileMaxSteps);
}

int readMacroWriteSign(const QString &name)
{
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return 0;
    return iniInt(IniFile(path).values(), QStringLiteral("Setting/WriteSign"));
}

void clearMacroWriteSign(const QString &name)
{
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return;
    IniFile(path, IniFile::Access::Update).settings().setValue(QStringLiteral("Setting/WriteSign"), 0);
}

bool deleteMacroFile(const QString &name)
{
    const QString path = macroFilePath(name);
    if (path.isEmpty())
        return false;
    return !QFileInfo::exists(path) || QFile::remove(path);
}

QString uniqueMacroName(const QString &name)
{
    if (!isSafeMacroName(name))
        return QString();
    QString candidate = name;
    // Ends: the folder holds finitely many files, and a name grown too long is refused.
    for (int n = 2; macroFileExists(candidate); ++n) {
        // The suffix takes the place of the name's last characters rather than growing it past
        // what the name field and the picker take.
        const QString suffix = QStringLiteral("_%1").arg(n);
        candidate = name.left(qMax(1, kMacroNameMaxLength - suffix.size())) + suffix;
        if (!isSafeMacroName(candidate))
            return QString();
    }
    return candidate;
}

// ---- macro list ----------------------------------------------------------------------------

namespace {

QStringList readMacroSlots()
{
    const IniFile list(settingsFilePath());
    QStringList entries;
    for (int slot = 0; slot < kMacroListSlots; ++slot)
        entries.append(iniString(list.values(), macroListKey(slot)));
    return entries;
}

} // namespace

QString macroListKey(int slot)
{
    return QStringLiteral("MACRO_LIST/%1").arg(slot);
}

int macroCount()
{
    const QStringList entries = readMacroSlots();
    return static_cast<int>(std::count_if(entries.begin(), entries.end(),
                                          [](const QString &name) { return !name.isEmpty(); }));
}

QStringList listMacroNames()
{
    QStringList names = readMacroSlots();
    names.removeAll(QString());
    return names;
}

bool isMacroListFull()
{
    return macroCount() >= kMacroListSlots;
}

bool addMacroName(const QString &name)
{
    if (!isSafeMacroName(name))
        return false;
    const QStringList entries = readMacroSlots();
    // A name already listed is not listed twice: a second entry would outlive its deletion.
    if (entries.contains(name))
        return true;
    const int free = entries.indexOf(QString());
    if (free < 0)
        return false;
    IniFile(settingsFilePath(), IniFile::Access::Update).settings().setValue(macroListKey(free), name);
    return true;
}

void removeMacroName(const QString &name)
{
    if (name.isEmpty())
        return;
    const int slot = readMacroSlots().indexOf(name);
    if (slot >= 0)
        IniFile(settingsFilePath(), IniFile::Access::Update).settings().setValue(macroListKey(slot), QString());
}

QString renameMacro(const QString &oldName, const QString &newName)
{
    if (newName == oldName || !isSafeMacroName(oldName))
        return oldName;
    const QString used = uniqueMacroName(newName);
    if (used.isEmpty())
        return oldName;
    const QString oldPath = existingMacroFile(oldName);
    if (!oldPath.isEmpty() && !QFile::rename(oldPath, macroFilePath(used)))
        return oldName;
    IniFile ini(settingsFilePath(), IniFile::Access::Update);
    QSettings &list = ini.settings();
    for (int slot = 0; slot < kMacroListSlots; ++slot) {
        if (iniString(list, macroListKey(slot)) == oldName)
            list.setValue(macroListKey(slot), used);
    }
    return used;
}

NewMacroResult newMacro()
{
    NewMacroResult result;
    if (isMacroListFull())
        return result;
    QString name;
    for (int n = 1; name.isEmpty() || macroFileExists(name); ++n)
        name = QStringLiteral("name_%1").arg(n);
    if (!saveMacro(name, MacroSettings(), {}) || !addMacroName(name)) {
        result.status = NewMacroStatus::WriteFailed;
        return result;
    }
    result.status = NewMacroStatus::Created;
    result.name = name;
    return result;
}

namespace {

// Calls `use` with the file name of every macro and gun-set button of the set.
template <typename Use>
void forEachNamedMacro(const ProfileSet &set, Use use)
{
    for (const ProfileData &profile : set.profiles) {
        for (const ButtonInfo &button : profile.buttonInfo) {
            if (namesMacroFile(button.Fun))
                use(button.macroname);
        }
    }
}

} // namespace

MacroStepsByName readNamedMacroSteps(const ProfileSet &set)
{
    MacroStepsByName steps;
    forEachNamedMacro(set, [&steps](const QString &name) {
        if (!steps.contains(name))
            steps.insert(name, readMacroSteps(name));
    });
    return steps;
}

int compareWithMacroFiles(const ProfileSet &working, const ProfileSet &saved)
{
    QSet<QString> edited;
    QSet<QString> asked;
    forEachNamedMacro(working, [&](const QString &name) {
        if (!asked.contains(name)) {
            asked.insert(name);
            if (readMacroWriteSign(name) != 0)
                edited.insert(name);
        }
    });
    const ProfileSetChanges changes = compareProfileSets(working, saved, edited);
    if (!changes.editedMacroSeen.isEmpty())
        clearMacroWriteSign(changes.editedMacroSeen);
    return changes.mask;
}
