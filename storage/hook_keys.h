#pragma once
// The pair a key capture delivers for each key press and release, and the program's key code of
// that pair. The pair is the PC scan code (set 1, make code) and the hook flags below; where it
// comes from is the platform's business (platform/key_capture_codes.h).

#include <cstdint>

// Hook flags.
constexpr uint8_t kHookExtended = 0x01; // the key sends the 0xE0 prefix
constexpr uint8_t kHookAltDown = 0x20;  // an Alt key is held
constexpr uint8_t kHookKeyUp = 0x80;    // the key was released

// The program's key code of a hook pair: the scan code, with the sixteen keys that share a scan
// code with another key renumbered into 224..239 (keypad keys, right-hand Ctrl and Alt, Num Lock).
// Extended means flag bit 0x01, whatever the Alt-down and key-up bits say.
uint8_t keyCodeFromHook(uint8_t scanCode, uint8_t flags);
