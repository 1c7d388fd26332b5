#include "storage/app_settings.h"

#include "storage/data_paths.h"
#include "storage/ini_file.h"
#include "storage/ini_value.h"
#include "storage/storage_keys.h"

#include <QSettings>

#include <algorithm>

namespace {

// Theme colours selected by "Config/GColorID".
const QColor kThemeColours[kThemeColourCount] = {
    QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),   QColor(219, 200, 182),
    QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 125, 0),
};

} // namespace

QColor themeColourAt(int index) { return kThemeColours[index >= 0 && index < kThemeColourCount ? index : 0]; }

AppSettings readAppSettings()
{
    AppSettings a;
    {
        const IniFile ini(settingsFilePath());
        const IniValues &s = ini.values();
        a.model = iniString(s, kKeyModel);
        a.mouseListName = iniString(s, kKeyMouseListName);
        a.sensorId = iniInt(s, kKeySensor);
        a.themeColourIndex = iniInt(s, kKeyGColorID);
        a.batteryFull = iniInt(s, kKeyBatteryFull, kBatteryFullDefault);
        a.languageCount = std::clamp(iniInt(s, kKeyLangNum), 0, kLanguageSlots);
        for (int i = 0; i < kLanguageSlots; ++i) {
            LanguageEntry &entry = a.languages[size_t(i)];
            entry.name = iniString(s, keyLangName(i));
            entry.file = iniString(s, keyLangFile(i));
            entry.fontFamily = iniString(s, keyFont(i));
            entry.fontPixels = iniInt(s, keyFontSize(i));
        }
    }
    a.language = iniInt(IniFile(langSettingsPath()).values(), kKeyLangID);
    return a;
}
