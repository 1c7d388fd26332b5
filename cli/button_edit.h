#pragma once
// `set button B FUNCTION...`: one button of one profile assigned as the window's button panel
// assigns it. Every argument is checked before the profile's click rule, so that a refusal names
// what was wrong with what was typed; only a complete, valid assignment meets the rule.

#include "cli/edit_model.h"

struct ProfileData;

// args: what follows "button". `profile` (0-based) names the profile in the message.
EditOutcome editButton(ProfileData &data, int profile, const QStringList &args, const EditModel &model);
