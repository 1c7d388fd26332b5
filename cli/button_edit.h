#pragma once
// `set button B FUNCTION...`: one button of one profile assigned as the window's button panel
// assigns it. Every argument is checked before the profile's click rule, so that a refusal names
// what was wrong with what was typed; only a complete, valid assignment meets the rule.

#include "cli/edit_model.h"

struct ProfileData;

// args: what follows "button". `profile` (0-based) names the profile in the message.
EditOutcome editButton(ProfileData &data, int profile, const QStringList &args, const EditModel &model);

// The words that may follow `set button B`: the catalogue names of the functions without
// settings that the button's menu offers, then the keywords of those with settings it offers.
QStringList buttonFunctionWords(int button, bool macrosEnabled);
// The keyboard keys `key` and `fire` take by name (the mouse buttons have no key usage).
QStringList keyboardKeyNames();
