#pragma once
// The application settings: Configs/Config.ini, Configs/LangConfig.ini and the product folder's
// Config.ini (the stored-profile list). Every operation opens the file, reads or writes, and
// closes it; nothing is cached. Missing values read as the defaults below.

#include "storage/model_description.h"
#include "storage/profile_data.h"
#include "storage/storage_result.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>

constexpr int kLanguageSlots = 10;  // languages the table can hold
constexpr int kThemeColourCount = 7;

// Folders and files.
QString configFolder();           // the data folder Configs/ (no trailing slash)
QString settingsFilePath();       // Configs/Config.ini
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
// Copies an earlier version's slot file into the library when the library has none; false when
// that copy fails. Run before a write that changes only part of the file.
bool adoptLegacySlotProfile(const QString &name);
bool fileExists(const QString &path);

// The profile set.
// An unsafe or repeated slot name reads as a name of the slot's own (makeSlotNamesDistinct).
void loadProfileSet(ProfileSet &set);
// The set as the window starts with it: the stored set, where every slot without a name takes
// its reserved name and that stored profile (the default profile when none is stored yet, as the
// window then writes it). Writes nothing.
void loadStartingSet(ProfileSet &set);
// The records of the slots in `slotBits` (bit i for slot i) from their stored profiles, each the
// default profile when its file is missing, with ProfileName the slot's name.
void loadSlotRecords(ProfileSet &set, int slotBits);
void saveProfileSetHeader(const ProfileSet &set);    // ProfileID, Count and the five slot names
// Header values, the five slot names and the five slots' profile files (storeProfileSet); the
// settings file and the profile files change together or not at all.
StorageResult saveProfileSetForApply(const ProfileSet &set);
// The whole set as the stored working set: the set values, the five slot names and the profile
// files of the slots with a name, all together or none (a failure names the file and changes
// nothing).
StorageOutcome storeProfileSet(const ProfileSet &set);
void setActiveSlot(int slot);

// Single values.
int readDiff();
void writeDiff(int diff);
int readBattery();
void writeBattery(int battery);
int readBatteryFull();          // 4200 when absent
int readThemeColourIndex();     // raw "Config/GColorID"; see themeColour()
QColor themeColour();           // the theme table entry; an index outside the table gives entry 0
QString readModel();
QString readCurrentProductName();
// Refuses (returns false, writes nothing) a name that isSafeFileName refuses.
bool writeCurrentProductName(const QString &name);
QString readMouseListName();    // "Mouse_List/0"
int readSensorId();             // "MouseSenSor/1"
int readLedCapability();        // "MouseLEDMode/" + current product name

// Languages. The count is bounded to 0..kLanguageSlots.
void readLanguageTable(int &count, std::array<QString, kLanguageSlots> &names,
                       std::array<QString, kLanguageSlots> &files);
QString readLanguageFont(int language);  // "FONT_LIST/FONT_%d"
int readLanguageFontSize(int language);  // "FONT_LIST/FONT_SIZE_%d"
int readLanguage();                      // Configs/LangConfig.ini "Config/LangID"
void writeLanguage(int language);

// The stored-profile list of the current product. Reading is bounded by the entries the file
// actually holds, whatever its count says.
QStringList readStoredProfileList();
void writeStoredProfileList(const QStringList &names);
QStringList readProtectedProfileNames();  // "PROFILE_LIST/S%d", never written by the program

// The process-wide button-matrix table the button download uses; loadProfileSet fills it from
// the model description. Safe to read from any thread.
ButtonMatrix buttonMatrixTable();
void setButtonMatrixTable(const ButtonMatrix &matrix);
