#pragma once
// What `mousecfgctl set` does to a profile set: one change, written into the records exactly as
// the window's panels write it, or refused with a message that names what was wrong and what is
// allowed. The caller stores the set only when the change was made, so a refusal writes nothing.

#include "cli/edit_model.h"

#include <QStringList>

struct ProfileSet;

// Applies `set ARGS` (ARGS without the word "set") to the set.
EditOutcome applySetArguments(ProfileSet &set, const QStringList &args, const EditModel &model);

// The settings `set` changes, in the order its usage names them.
QStringList setSettingNames();
