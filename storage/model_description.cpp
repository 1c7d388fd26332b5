#include "storage/model_description.h"

#include "storage/app_paths.h"
#include "storage/file_stamp.h"
#include "storage/ini_file.h"
#include "storage/ini_value.h"
#include "storage/storage_keys.h"

#include <QFileInfo>

#include <algorithm>
#include <mutex>
#include <optional>

namespace {

// The model description is read-only and small; a file replaced while the program runs is seen
// at the next read.
// An empty file is no model description either: the built-in defaults stand in for both.
bool modelFileExists()
{
    const QFileInfo file(AppPaths::modelDescriptionPath());
    return file.isFile() && file.size() > 0;
}

// The file's values, positioned in its group. The description is asked for piece by piece by
// many callers (and threads): it is read again only when the file is another file or has changed.
struct ModelFile {
    IniValues settings = currentValues();
    ModelFile() { settings.beginGroup(kGroupProfile); }

private:
    static IniValues currentValues()
    {
        static std::mutex mutex;
        static QString readPath;
        static std::optional<FileStamp> readStamp;
        static IniValues read;
        const QString path = AppPaths::modelDescriptionPath();
        const std::optional<FileStamp> stamp = fileStamp(path);
        const std::lock_guard<std::mutex> lock(mutex);
        if (!stamp || path != readPath || !(stamp == readStamp)) {
            read = IniFile(path).values();
            readPath = path;
            // A file changed during the read is read again next time.
            readStamp = fileStamp(path) == stamp ? stamp : std::nullopt;
        }
        return read;  // shares the values; the group is the copy's own
    }
};

int rawButtonCount(const IniValues &model)
{
    return iniInt(model, kKeyButtonCount) ^ iniInt(model, kKeyMouseDpi);
}

int readMatrix(ButtonMatrix &out, const char *field)
{
    if (!modelFileExists())
        return -1;
    const ModelFile file;
    const IniValues &model = file.settings;
    for (int i = 0; i < kModelButtonSlots; ++i)
        out[i] = iniByte(model, keyButtonInfo(i, field));
    return 0;
}

} // namespace

bool hasModelDescription()
{
    const IniFile file(AppPaths::modelDescriptionPath());
    return file.readable() && file.hasKeys();
}

int readModelDescription(ModelDescription &description)
{
    if (!modelFileExists())
        return -1;
    const ModelFile file;
    const IniValues &model = file.settings;
    ModelDescription read;
    read.dpi = iniByte(model, kKeyDpi);
    for (int i = 0; i < kDpiStageCount; ++i)
        read.stages[i] = iniUInt(model, keyDpiInfo(i, "xy"));
    read.pollrate = iniInt(model, kKeyPollrate);
    read.LedMode = iniByte(model, kKeyLedMode);
    for (int i = 0; i < kModelButtonSlots; ++i)
        read.Fun[i] = iniInt(model, keyButtonInfo(i, "Fun"));
    for (int m = 0; m < kLedModeCount; ++m) {
        read.leds[m].color = iniColor(model, keyLedInfo(m, "RGB"));
        read.leds[m].bright = iniInt(model, keyLedInfo(m, "bright"));
        read.leds[m].breath = iniInt(model, keyLedInfo(m, "breath"));
    }
    description = read;
    return 0;
}

int modelButtonCount()
{
    if (!modelFileExists())
        return 0;
    return std::clamp(rawButtonCount(ModelFile().settings), 0, kButtonCount);
}

int modelDpiStageCount()
{
    if (!modelFileExists())
        return 0;
    const ModelFile file;
    const IniValues &model = file.settings;
    return std::clamp(rawButtonCount(model) ^ iniInt(model, kKeyDpiCount), 0, kDpiStageCount);
}

int readButtonMatrix(ButtonMatrix &out) { return readMatrix(out, "Matrix"); }

int readButtonMatrix2(ButtonMatrix &out)
{
    if (readMatrix(out, "Matrix2") < 0)
        return -1;
    return modelButtonCount();
}

QVector<int> frontButtonIndices(const ButtonMatrix &matrix2, int laidOut)
{
    QVector<int> buttons;
    const int n = std::clamp(laidOut, 0, kModelButtonSlots);
    for (int i = 0; i < n; ++i) {
        if (matrix2[size_t(i)] != 255)
            buttons << i;
    }
    return buttons;
}

QVector<int> modelFrontButtons()
{
    ButtonMatrix matrix{};
    return frontButtonIndices(matrix, readButtonMatrix2(matrix));
}

QString modelProductName() { return modelFileExists() ? iniString(ModelFile().settings, kKeyProductName) : QString(); }
QString modelVersion() { return modelFileExists() ? iniString(ModelFile().settings, kKeyVersion) : QString(); }
int macrosDisabled() { return modelFileExists() ? iniInt(ModelFile().settings, kKeyDisableMacro) : 0; }
int showSleep() { return modelFileExists() ? iniInt(ModelFile().settings, kKeyShowSleep, 1) : 1; }
