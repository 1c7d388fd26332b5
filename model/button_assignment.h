#pragma once
// What assigning a function writes into a button's record, for the functions with parameters:
// the click-retention rule, combo keys as press/release pairs, fire keys and macro bindings.
// Key codes are the program's (storage/key_table.h); device-bound fields carry HID usages.

#include <QString>

#include <array>
#include <cstdint>

struct ButtonInfo;
struct ProfileData;

// Whether button `button` may take function `fun`: false when it holds the profile's only Left
// click (among the 42 buttons) and `fun` is not Left. Choosing Left again is always allowed.
bool keepsAClick(const ProfileData &profile, int button, int fun);

// ---- combo keys

// Rows of a chord: Shift, Ctrl, Win, Alt, then the main key.
constexpr int kComboRows = 5;
constexpr int kComboMainRow = 4;
// Per row: 0 not in the chord, 1 the left key, 2 the right key, 3 both (the main key's row: 1
// when there is one).
using ComboKeys = std::array<uint8_t, kComboRows>;
// Per row the (left, right) key codes; the main key's row holds (main key, 0).
using HotKeyCodes = std::array<std::array<uint8_t, 2>, kComboRows>;
// The modifier pairs: Shift (42, 54), Ctrl (29, 238), Win (91, 92), Alt (56, 239); no main key.
HotKeyCodes modifierKeyPairs();

// The row of a modifier key code and whether it is the right-hand key; -1 for any other key.
int modifierRow(uint8_t keyCode, bool *rightHand = nullptr);

// The name of a modifier row as plain text: "Shift", "Ctrl", "Win", "Alt"; empty for the main row.
QString comboRowName(int row);

// A chord as stored: the rows of the keys in KeyInfo's first five steps (1 the left-hand key,
// 2 the right-hand one, 3 both; the chords the program writes hold left-hand keys only) and the
// main key's code (0 for none).
struct ComboChord {
    ComboKeys rows{};
    uint8_t mainKey = 0;
};
ComboChord comboFromKeyInfo(const ButtonInfo &button);

// Rebuilds KeyInfo for a chord: all 63 entries cleared, then for each non-zero row in the order
// Shift, Ctrl, Win, Alt, main key the row's left key is inserted between the presses and the
// releases so far. n keys give 2n entries {usage, 5, 0x80} for the presses K1..Kn then
// {usage, 5, 0x00} for the releases Kn..K1. A key without a HID usage gives usage 0.
void writeComboKeyInfo(ButtonInfo &button, const ComboKeys &combo, const HotKeyCodes &keys);

// Assigns a chord: KeyInfo as writeComboKeyInfo writes it, Fun the combo key.
void setComboKey(ButtonInfo &button, const ComboKeys &combo, const HotKeyCodes &keys);

// ---- single keys and sniper

// Fun the single key, Res1 its key code.
void setSingleKey(ButtonInfo &button, uint8_t keyCode);
// Fun the sniper, Res1 its step.
void setSniper(ButtonInfo &button, uint8_t step);

// Fire-key times and delay and a macro's loop count are one byte each on the device; the dialogs
// take 1..255.
constexpr int kButtonParamMin = 1;
constexpr int kButtonParamMax = 255;

// ---- fire keys

enum class FireMode { Left = 0, Right = 1, Middle = 2, KeyboardKey = 3 };
constexpr uint8_t kFireLeft = 129;
constexpr uint8_t kFireRight = 130;
constexpr uint8_t kFireMiddle = 132;

// Res1 of a fire key: 129, 130 or 132 for the mouse buttons, the HID usage of the key for
// KeyboardKey (0 when there is none, which later reads back as Left).
uint8_t fireKeyRes1(FireMode mode, uint8_t keyCode);

struct FireKeySetting {
    FireMode mode = FireMode::Left;
    uint8_t keyCode = 0; // KeyboardKey only
    int times = 3;       // LoopNumber
    int delay = 100;     // KeyNumber
};
// A fire key's setting read back from its record: Res1 0 or 129 Left, 130 Right, 132 Middle,
// any other value a keyboard key (its key code from the usage); Delay 10 and Times 3 where the
// record holds 0.
FireKeySetting fireKeyFromButton(const ButtonInfo &button);

// Assigns a fire key: Res1 from fireKeyRes1, LoopNumber the times, KeyNumber the delay, Fun the
// fire key.
void setFireKey(ButtonInfo &button, FireMode mode, uint8_t keyCode, int times, int delay);

// ---- macros and gun sets

// Loop modes of a macro binding (Res1): by count, while the key is held, until pressed again.
constexpr int kMacroLoopModeCount = 3;

struct MacroBinding {
    int storedSteps = 0; // the macro file's step count
    bool truncated = false; // the file holds more steps than KeyInfo takes (63)
};
// Binds macro `name` to the button: Fun, LoopNumber, Res1 (loop mode 0..2) and macroname, then
// KeyNumber and the first KeyNumber KeyInfo entries from the macro file's steps (at most 63). A
// missing file, or one without "Setting/Count", binds with KeyNumber 0 and KeyInfo unchanged.
MacroBinding bindMacro(ButtonInfo &button, int fun, const QString &name, int loops, int loopMode);

// Every macro or gun-set button of the profile bound to `oldName` is bound to `newName`. Returns
// how many buttons changed.
int rebindMacroButtons(ProfileData &profile, const QString &oldName, const QString &newName);
// Every macro or gun-set button of the profile bound to `name` becomes "Button Off" with no macro
// name: its macro is gone. Such a button holds no click, so no profile loses its last Left click.
// Returns how many buttons changed.
int unbindMacroButtons(ProfileData &profile, const QString &name);
