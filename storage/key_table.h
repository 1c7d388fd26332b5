#pragma once
// The program's one-byte key codes: their display names and their USB HID keyboard usages.
//
// Key codes 1..93 are set-1 scan codes (71..83 name the navigation keys; Num -, Num 5 and Num +
// keep 74, 76 and 78), 224..239 the keypad keys and right-hand modifiers the capture renumbers,
// 240..242 the left, right and middle mouse buttons.

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// Display name of a key code; the empty string for a code without a name.
QString keyName(int code);

// The key code of a display name, ignoring case; -1 when no key has that name.
int keyCodeForName(const QString &name);
// Every display name, in the table's order.
QStringList keyNames();

// HID keyboard usage of a key code. False (and usage untouched) when the code has none, which
// includes the mouse buttons and every value outside 0..255.
bool keyToHid(int code, uint8_t &usage);

// Key code of a HID keyboard usage. False (and code untouched) when no key has that usage.
bool hidToKey(int usage, uint8_t &code);

struct KeyUsagePair {
    uint8_t code;
    uint8_t usage;
};

constexpr int kKeyUsagePairCount = 104;
// The pairs in their fixed order: letters, digits, Enter, Esc, Backspace, Tab, Space,
// punctuation, CapsLock, F1..F12, navigation and keypad by usage, App, then the eight modifiers.
extern const std::array<KeyUsagePair, kKeyUsagePairCount> kKeyUsagePairs;

// Key codes of the mouse buttons.
constexpr int kKeyLeftButton = 240;
constexpr int kKeyRightButton = 241;
constexpr int kKeyMiddleButton = 242;
