#pragma once
// The stored set and the values that change while a program runs: Configs/Config.ini,
// Configs/LangConfig.ini and the product folder's Config.ini (the stored-profile list). Every
// operation opens the file, reads or writes, and closes it; nothing is cached. The settings a
// program runs with are read once as a value (storage/app_settings.h).

#include "storage/app_settings.h"
#include "storage/data_paths.h"
#include "storage/model_description.h"
#include "storage/profile_data.h"
#include "storage/storage_result.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>

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
// Reads the profile files the slots name (or will be named) into memory, for a load that follows
// to take instead of reading them again: run on another thread while the window builds. A load
// takes a record only while its file is still the file that was read.
void readSlotProfilesAhead();
void saveProfileSetHeader(const ProfileSet &set);    // ProfileID, Count and the five slot names
// Header values, the five slot names and the five slots' profile files (storeProfileSet); the
// settings file and the profile files change together or not at all.
StorageResult saveProfileSetForApply(const ProfileSet &set);
// The whole set as the stored working set: the set values, the five slot names and the profile
// files of the slots with a name, all together or none (a failure names the file and changes
// nothing).
StorageOutcome storeProfileSet(const ProfileSet &set);
StorageOutcome setActiveSlot(int slot);

// Single values.
int readDiff();
StorageOutcome writeDiff(int diff);
int readBattery();
void writeBattery(int battery);
int readLedCapability();        // "MouseLEDMode/" + current product name
// Refuses (returns false, writes nothing) a name that isSafeFileName refuses.
bool writeCurrentProductName(const QString &name);

// The chosen language (Configs/LangConfig.ini "Config/LangID"); read with readAppSettings().
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
