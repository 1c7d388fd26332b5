#pragma once
// The keys of a profile group, each known by its number: its place in the order the program
// writes and reads a record (pollrate, dpi, the DPI stages, the host values, each button with its
// key steps, the names, the lighting mode and its two keys, the lighting effects). A key's text
// is made when it is wanted and a text is turned back into its number by reading it, so the
// eight thousand keys take no memory of their own.

#include <QString>

#include <string_view>

namespace ProfileKeys {

// The keys with a name of their own.
enum Named {
    Pollrate,
    Dpi,
    Mousespeed,
    Dbclickspeed,
    Scrollispage,
    Scrollspeed,
    Accelenable,
    Acee,
    ProfileName,
    ProfilePath,
    LedMode,
    LedMoveOFF,
    LedSleepTime,
    NamedCount
};
enum DpiField { DpiUsed, DpiLink, DpiXY, DpiX, DpiY, DpiFieldCount };
enum ButtonField { BtnID, BtnFun, BtnLoopNumber, BtnKeyNumber, BtnRes1, BtnRes2, BtnRes3, BtnRes4, BtnMacroname, ButtonFieldCount };
enum KeyStepPart { StepMap, StepLow, StepHigh, KeyStepPartCount };
enum LedField { LedRGB, LedH, LedS, LedV, LedBright, LedBreath, LedFieldCount };

int named(Named name);
int dpi(int stage, DpiField field);
int button(int index, ButtonField field);
int keyStep(int index, int entry, KeyStepPart part);
int led(int mode, LedField field);
// How many keys a profile file's group holds (the slot groups of configuration files lack the two
// lighting keys LedMoveOFF and LedSleepTime).
int count();

// The longest key text, in bytes.
constexpr int kMaxTextSize = 64;
// How a key's text separates its group part ("LedMode") from the rest: '/' as the settings class
// is asked for it, '\\' as a file holds it.
enum class Form { Asked, Filed };
// The text of key `key` (0..count()-1) into `out` (kMaxTextSize bytes); its length.
int text(int key, Form form, char *out);
// The text as the settings class is asked for it.
QString string(int key);
// The key whose text is `text`, or -1 for any other text.
int find(std::string_view text, Form form);

} // namespace ProfileKeys
