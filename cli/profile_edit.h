#pragma once
// What `mousecfgctl set` does to a profile set: one change, written into the records exactly as
// the window's panels write it, or refused with a message that names what was wrong and what is
// allowed. The caller stores the set only when the change was made, so a refusal writes nothing.

#include "cli/profile_view.h"

#include <QString>
#include <QStringList>

struct ProfileSet;

// What the stored data allows besides the model itself.
struct EditModel {
    ModelView view;
    bool macrosEnabled = true;
    QStringList macroNames; // the macro library, in its order
};

// The model and the macro library as stored.
EditModel storedEditModel(const AppSettings &settings);

struct EditOutcome {
    int status = 0;  // 0 changed, kExitUsage bad arguments, kExitBadInput a refused value
    QString message; // the refusal, or the changed values as `show` prints them
};

// Applies `set ARGS` (ARGS without the word "set") to the set.
EditOutcome applySetArguments(ProfileSet &set, const QStringList &args, const EditModel &model);
