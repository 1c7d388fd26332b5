#pragma once
// The keys a capture delivers, as the pair the program's key handling is written against: the
// PC scan code (set 1, make code) and the hook flags of storage/hook_keys.h. From that pair keyCodeFromHook()
// gives the program's one-byte key code (storage/key_table.h names it and maps it to its HID
// usage).
//
// Sources of the pair on Linux:
//  - the evdev key code (QKeyEvent::nativeScanCode() - 8 on X11 and Wayland): scanCodeFromEvdev;
//  - when an event carries no native scan code (offscreen platform, some input methods): its
//    Qt::Key and keypad modifier, for the keys that have one: scanCodeFromQtKey.
// Keys with no set-1 code that the program can name (media keys, the ISO 102nd key, ...) have no
// entry: a capture ignores them rather than mistaking them for a letter that shares their code.

#include "storage/hook_keys.h"

#include <array>
#include <cstdint>
#include <optional>

struct ScanCode {
    uint8_t code = 0;
    bool extended = false;
    bool operator==(const ScanCode &o) const { return code == o.code && extended == o.extended; }
};

// Set-1 scan code of a Linux evdev key code (KEY_* of <linux/input-event-codes.h>).
std::optional<ScanCode> scanCodeFromEvdev(int evdev);

// Set-1 scan code of a Qt::Key; `keypad` when the event carries Qt::KeypadModifier. The left key
// stands for either hand of a modifier (Qt does not tell them apart), and the US layout's shifted
// symbols ("!", "@", ...) give the key they are on.
std::optional<ScanCode> scanCodeFromQtKey(int qtKey, bool keypad);

struct EvdevScanRow {
    uint16_t evdev;
    ScanCode scan;
};
// The evdev table, ordered by evdev code: every key the key-name table names has one row.
constexpr int kEvdevScanRowCount = 104;
extern const std::array<EvdevScanRow, kEvdevScanRowCount> kEvdevScanCodes;
