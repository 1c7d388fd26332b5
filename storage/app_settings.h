#pragma once
// The application settings a program runs with, read once: the model and mouse-list names, the
// sensor, the theme, the battery scale and the language table of Configs/Config.ini, and the
// chosen language of Configs/LangConfig.ini. The window, the download worker and mousecfgctl are
// handed this value instead of opening the files for every question. The window changes the
// language itself (it writes the file and sets the field). The current product is not part of
// it: the device link settles it while a program runs, so it is read where it names a folder
// (readCurrentProductName).

#include <QColor>
#include <QString>

#include <array>

constexpr int kLanguageSlots = 10;  // languages the table can hold
constexpr int kThemeColourCount = 7;

// Theme table entry `index`; an index outside the table gives entry 0.
QColor themeColourAt(int index);

struct LanguageEntry {
    QString name;       // "FONT_LIST/LangName_%d"
    QString file;       // "FONT_LIST/LangFile_%d": the translation file
    QString fontFamily; // "FONT_LIST/FONT_%d"
    int fontPixels = 0; // "FONT_LIST/FONT_SIZE_%d"
};

struct AppSettings {
    QString model;              // "Config/Model"
    QString mouseListName;      // "Mouse_List/0"
    int sensorId = 0;           // "MouseSenSor/1"
    int themeColourIndex = 0;   // raw "Config/GColorID"
    int batteryFull = 0;        // "Config/BatteryFull", 4200 when absent
    int languageCount = 0;      // "FONT_LIST/LANGNUM", bounded to 0..kLanguageSlots
    std::array<LanguageEntry, kLanguageSlots> languages{};
    int language = 0;           // Configs/LangConfig.ini "Config/LangID"

    QColor themeColour() const { return themeColourAt(themeColourIndex); }
};

// One read of each settings file of the data folder; missing values read as the defaults above.
AppSettings readAppSettings();
