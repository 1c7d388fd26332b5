#pragma once
// Where the data folder's files live: the settings file, the product folder named by the current
// product, and the profile files of the slots and the library. Paths of names that could leave
// their folder are empty.

#include "storage/record_sizes.h"

#include <QString>

#include <array>

class IniValues;

QString configFolder();           // the data folder Configs/ (no trailing slash)
QString settingsFilePath();       // Configs/Config.ini
QString langSettingsPath();       // Configs/LangConfig.ini
QString autoSwitchPath();         // Configs/AutoSwitch.ini (app_switch_rules.h)
QString dataLockPath();           // Configs/.lock (data_lock.h)
QString setJournalPath();         // Configs/.journal: an unfinished set write (file_group_write.h)
QString profileFolder();          // Configs/Profile: where earlier versions kept the slots' files
QString productFolder();          // Configs/<current product>, or Configs/ when the name is empty
QString productSettingsPath();    // the product folder's Config.ini (stored-profile list)
QString productProfileFolder();   // the product folder's Profile: the library, and the slots' files
// Paths of named profile files; empty when the name is refused by isSafeFileName.
QString slotProfilePath(const QString &name);     // where a slot's file is written: the library
QString productProfilePath(const QString &name);  // in productProfileFolder()
QString legacySlotProfilePath(const QString &name); // in profileFolder()
// Where a slot's file is read: the library's, else the one an earlier version left in profileFolder().
QString slotProfileReadPath(const QString &name);
// The same for the five slots' names of the product named `product` (as the settings file held
// it when the names were read from it).
std::array<QString, kProfileSlotCount> slotProfileReadPaths(const std::array<QString, kProfileSlotCount> &names,
                                                            const QString &product);
// Copies an earlier version's slot file into the library when the library has none; false when
// that copy fails. Run before a write that changes only part of the file.
bool adoptLegacySlotProfile(const QString &name);
bool fileExists(const QString &path);

// "Config/CurrentProductName" of the settings file: names the product folder.
QString readCurrentProductName();
// The same of settings file values already read.
QString currentProductNameIn(const IniValues &settings);
