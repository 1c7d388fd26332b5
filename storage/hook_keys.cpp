#include "storage/hook_keys.h"

uint8_t keyCodeFromHook(uint8_t scanCode, uint8_t flags)
{
    const bool extended = flags & kHookExtended;
    switch (scanCode) {
    case 28: return extended ? 229 : 28; // keypad Enter
    case 29: return extended ? 238 : 29; // right Ctrl
    case 53: return extended ? 226 : 53; // keypad /
    case 55: return extended ? 55 : 227; // Print Screen is the extended one, keypad * the other
    case 56: return extended ? 239 : 56; // right Alt
    case 69: return extended ? 225 : 69; // Num Lock; Pause keeps 69
    default: break;
    }
    if (extended)
        return scanCode;
    // The keypad keys that set 1 shares with the navigation block.
    switch (scanCode) {
    case 71: return 235;
    case 72: return 236;
    case 73: return 228;
    case 75: return 233;
    case 77: return 234;
    case 79: return 230;
    case 80: return 231;
    case 81: return 232;
    case 82: return 237;
    case 83: return 224;
    default: return scanCode;
    }
}
