#pragma once
// `set lighting EFFECT [options]`: the lighting of a profile set as the lighting page sets it,
// into the slot that page edits for the profile.

#include "cli/edit_model.h"

struct LightingEffect;
struct ProfileSet;

// args: what follows "lighting"; `profile` 0-based.
EditOutcome editLighting(ProfileSet &set, int profile, const QStringList &args, const EditModel &model);
// The options `set lighting EFFECT` takes for that effect on this model.
QStringList lightingOptions(const LightingEffect &effect, const ModelView &model);
