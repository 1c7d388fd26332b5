#pragma once
// The language table of the settings file ("FONT_LIST"): up to ten languages, each with a name
// for the drop-down and a translation file in the lang folder.

#include "storage/app_settings.h"

#include <QString>

#include <array>

struct LanguageTable {
    int count = 0; // bounded to 0..kLanguageSlots
    std::array<QString, kLanguageSlots> names;
    std::array<QString, kLanguageSlots> files;

    // All ten slots are taken, whatever the count says.
    static LanguageTable from(const AppSettings &settings);

    // Only the first `count` entries are used; any other index (negative, past the count or
    // past the ten slots) names no language.
    bool contains(int index) const { return index >= 0 && index < count; }
    // Empty for an index the table does not contain.
    QString name(int index) const;
    // The language's translation file: the lang folder, the file name, ".qm". Empty for an index
    // the table does not contain or a file name that would leave the lang folder.
    QString translationPath(int index) const;
};
