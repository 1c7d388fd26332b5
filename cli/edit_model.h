#pragma once
// What an edit of `mousecfgctl set` works against and how it ends: the model and the macro
// library as stored, and the outcome, a change or a refusal with its exit status.

#include "cli/profile_view.h"

#include <QString>
#include <QStringList>

#include <functional>

// What the stored data allows besides the model itself.
struct EditModel {
    ModelView view;
    bool macrosEnabled = true;
    QStringList macroNames; // the macro list, in its order
    // The path of the macro file of that name when one exists (listed or not), else empty.
    std::function<QString(const QString &)> macroFileOf = [](const QString &) { return QString(); };
    QString settingsFile;   // the file that holds the macro list
};

// The model and the macro library as stored.
EditModel storedEditModel(const AppSettings &settings);

// "profile N: " (profile 0-based), before the changed values of a profile.
QString profilePrefix(int profile);

struct EditOutcome {
    int status = 0;  // 0 changed, kExitUsage bad arguments, kExitBadInput a refused value
    QString message; // the refusal, or the changed values as `show` prints them

    static EditOutcome usage(const QString &message);
    static EditOutcome refused(const QString &message);
    static EditOutcome changed(const QString &message);
};
