#pragma once
// The command line of the window program.

#include "session/device_session.h"

#include <QString>
#include <QStringList>

constexpr int kExitUsageError = 64;

struct AppOptions {
    bool help = false;
    bool version = false;
    bool hidden = false;      // --hidden: start in the tray
    bool verbose = false;     // --verbose: every layer's debug lines
    SessionOptions session;   // --data-dir, --simulate, --virtual-time, --trace
    QString screenshotsDir;   // --screenshots OUT
    int scaleStep = -1;       // --scale-step N (0..16); -1: from the screen
};

// The arguments after the program name (the toolkit's own options already taken out).
// False with *error set on a usage error.
bool parseAppOptions(const QStringList &args, AppOptions *options, QString *error);

// The text of --help, and of --version ("mousecfg" and the version).
QString appUsageText();
QString appVersionText();

// The toolkit's own options (-platform, -style, ...) take one dash; the program's take two (and
// -h). Without any of the toolkit's, the command line can be read before the toolkit starts, so
// that --help, --version and usage errors need no display.
bool hasToolkitOptions(const QStringList &args);

// The scale step forced by MOUSECFG_SCALE_STEP (0..16), or -1 when unset or not a step.
int scaleStepFromEnvironment();
