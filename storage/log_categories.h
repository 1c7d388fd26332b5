#pragma once
// Diagnostics of each layer. Debug lines are off by default; `--verbose` or QT_LOGGING_RULES
// (for example "mousecfg.*.debug=true") turn them on.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcStorage)   // "mousecfg.storage"
Q_DECLARE_LOGGING_CATEGORY(lcDevice)    // "mousecfg.device": device link, poller, worker, command set
Q_DECLARE_LOGGING_CATEGORY(lcTransfer)  // "mousecfg.transfer": verified reports
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)  // "mousecfg.platform": hot-plug, pointer speed, key capture, OSD
Q_DECLARE_LOGGING_CATEGORY(lcApp)       // "mousecfg.app": the window, profile management, apply
Q_DECLARE_LOGGING_CATEGORY(lcPanels)    // "mousecfg.panels": the content panels and their dialogs
Q_DECLARE_LOGGING_CATEGORY(lcWidgets)   // "mousecfg.widgets": the skinned widget kit

// The programs' logging set-up: the toolkit's uncategorised debug lines off and, with `verbose`
// (--verbose), every layer's debug lines on. QT_LOGGING_RULES still takes precedence.
void configureDiagnostics(bool verbose);
