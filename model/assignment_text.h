#pragma once
// What a button's assignment does, in words: the label shows the catalogue entry ("SINGLE KEY",
// "COMBO KEY"), this says which key, chord, fire key, sniper resolution or macro it is, for
// tooltips and for screen readers.
//
// Texts are source texts of the translation context kCatalogueTextContext; `translate` turns one
// into the shown text, as for buttonLabelText.

#include <QString>

struct ButtonInfo;

// "F5"; "Ctrl + Shift + A"; "Fire Space, 5 times, 50 ms apart"; "Sniper 400 DPI";
// "Macro "burst", 3 times"; for every other function the text its label shows.
QString describeAssignment(const ButtonInfo &button, int sensorId, QString (*translate)(const char *));
