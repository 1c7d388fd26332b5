#include "storage/log_categories.h"

// Information and above by default: debug lines only when asked for.
Q_LOGGING_CATEGORY(lcStorage, "mousecfg.storage", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDevice, "mousecfg.device", QtInfoMsg)
Q_LOGGING_CATEGORY(lcTransfer, "mousecfg.transfer", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPlatform, "mousecfg.platform", QtInfoMsg)
Q_LOGGING_CATEGORY(lcApp, "mousecfg.app", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPanels, "mousecfg.panels", QtInfoMsg)
Q_LOGGING_CATEGORY(lcWidgets, "mousecfg.widgets", QtInfoMsg)

void configureDiagnostics(bool verbose)
{
    QLoggingCategory::setFilterRules(verbose ? QStringLiteral("default.debug=false\nmousecfg.*.debug=true")
                                             : QStringLiteral("default.debug=false"));
}
