#pragma once
// Where the program finds its shipped resources and keeps its data.
//
// The "application folder" holds DefaultProfile.bin, skin/, lang/ and the data folder Configs/.
// It is split in two:
//  - resources (read-only): beside the executable in a build tree or portable copy, otherwise the
//    installed share folder (share/mousecfg beside the executable's bin folder, else the one
//    the build was configured for);
//  - data (Configs/): beside the executable when that folder is a writable portable copy,
//    otherwise $XDG_DATA_HOME/mousecfg, seeded from the shipped template on first run.
// An override (--data-dir DIR or MOUSECFG_DATA_DIR) makes DIR the whole application folder:
// DIR/Configs/ for the data; DIR/DefaultProfile.bin, DIR/skin and DIR/lang when present, else the
// shipped ones. An existing but empty DIR/DefaultProfile.bin is a model description without keys.

#include <QString>

namespace AppPaths {

// Sets the override folder (empty clears it). Also read from MOUSECFG_DATA_DIR by init().
void setDataDirOverride(const QString &dir);
// Resolves the folders from the executable's location and the environment. Call once at start,
// after QCoreApplication exists and after setDataDirOverride.
void init();

QString applicationFolder();  // folder holding Configs/ (no trailing slash)
QString executableFolder();   // folder of the running program: its companion programs lie there
QString configsFolder();      // applicationFolder() + "/Configs"
QString modelDescriptionPath(); // the DefaultProfile.bin in force (may not exist)
QString skinFolder();
QString langFolder();
QString resourceFolder();     // shipped resources
QString settingsTemplatePath(); // shipped Config.ini template

// Creates Configs/ (and MacroDB/) and copies the template to Configs/Config.ini when missing.
// Returns false when the folder cannot be created.
bool prepareDataFolder();

} // namespace AppPaths
