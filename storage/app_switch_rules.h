#pragma once
// Automatic profile switching: which on-board profile slot the mouse takes when an application
// comes to the front. An ordered list of rules (the first that matches wins) and a slot for any
// other application, or none to leave the mouse as it is. Kept in Configs/AutoSwitch.ini, written
// whole or not at all.

#include "storage/storage_result.h"

#include <QString>
#include <QStringList>
#include <QVector>

struct AppSwitchRule {
    QString app; // an executable name, or a window class / app ID
    int slot = 1; // 1..5
    bool operator==(const AppSwitchRule &o) const { return app == o.app && slot == o.slot; }
};

struct AppSwitchRules {
    bool enabled = false;
    int defaultSlot = 0; // 0: leave the mouse as it is
    QVector<AppSwitchRule> rules;
    bool operator==(const AppSwitchRules &o) const
    {
        return enabled == o.enabled && defaultSlot == o.defaultSlot && rules == o.rules;
    }

    // The rule for `app` (compared as matching compares), or -1.
    int indexOf(const QString &app) const;
    // Adds a rule at the end, or gives an existing rule for the same application the new slot
    // in its place.
    void put(const QString &app, int slot);
    bool remove(const QString &app);
};

// What the desktop tells of the application in front: its executable (a path or a name), the
// names its window goes by (X11 WM_CLASS instance and class, or a Wayland app ID) and its
// process (0 when the desktop does not say).
struct FocusedApp {
    QString executable;
    QStringList classes;
    qint64 pid = 0;
    bool operator==(const FocusedApp &o) const
    {
        return executable == o.executable && classes == o.classes && pid == o.pid;
    }
    bool operator!=(const FocusedApp &o) const { return !(*this == o); }
};

// A rule matches when its name is the executable's file name, the executable's whole path, or
// one of the window's names, ignoring case.
bool ruleMatches(const AppSwitchRule &rule, const FocusedApp &app);
// The slot (1..5) of the first rule that matches, else the default; 0 when the mouse is left as
// it is (no match and no default, or switching off).
int switchSlotFor(const AppSwitchRules &rules, const FocusedApp &app);

// Why a rule's application name cannot be kept (empty when it can): empty, a line break or
// another control character, or longer than a name can be.
QString appNameProblem(const QString &app);
constexpr int kAppNameMaxLength = 255;

// The stored rules; no file (or an unreadable one) gives the defaults: off, no rules. Rules with
// a refused name or a slot outside 1..5 are skipped, and the default falls back to "leave as is".
AppSwitchRules loadAppSwitchRules(StorageOutcome *outcome = nullptr);
StorageOutcome storeAppSwitchRules(const AppSwitchRules &rules);
