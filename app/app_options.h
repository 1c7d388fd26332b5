#pragma once
// The command line of the window program.

#include <QString>
#include <QStringList>

constexpr int kExitUsageError = 64;

struct AppOptions {
    bool help = false;
    QString dataDir;          // --data-dir DIR (MOUSECFG_DATA_DIR is read by AppPaths)
    bool simulate = false;    // --simulate[=LIST]
    QString simulateSpec;
    bool virtualTime = false; // --virtual-time
    QString screenshotsDir;   // --screenshots OUT
    int scaleStep = -1;       // --scale-step N (0..16); -1: from the screen
};

// The arguments after the program name (the toolkit's own options already taken out).
// False with *error set on a usage error.
bool parseAppOptions(const QStringList &args, AppOptions *options, QString *error);

// The text of --help.
QString appUsageText();

// The scale step forced by MOUSECFG_SCALE_STEP (0..16), or -1 when unset or not a step.
int scaleStepFromEnvironment();
