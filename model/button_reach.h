#pragma once
// Which buttons a download sends: the one rule the button block, the button panel and
// `mousecfgctl set button` share, so that nothing accepts an assignment the mouse never gets.
//
// The device's button block holds one 4-byte entry per device slot. Buttons below the model's
// button count that have a matrix entry (0..15) go to the slot their matrix byte names; the
// wheel's up and down (40, 41) always go to slots 22 and 23. Everything else has no place in the
// block: the side buttons 20..39, front buttons past the count, and a front button whose slot the
// block never carries (the wheel's slots, the slot the block's trailer replaces, a slot a later
// button takes over).

#include "storage/model_description.h"

#include <QVector>

struct ButtonReach {
    int buttonCount = 0; // the model's derived button count
    ButtonMatrix matrix{}; // device slot of buttons 0..15
};

constexpr int kWheelUpButton = 40;
constexpr int kWheelDownButton = 41;
constexpr int kWheelUpSlot = 22;
constexpr int kWheelDownSlot = 23;

// The model description's count and matrix.
ButtonReach modelButtonReach();

// The device slot that carries button `button`'s entry; -1 when no download sends it.
int buttonDeviceSlot(int button, const ButtonReach &reach);
inline bool buttonIsSent(int button, const ButtonReach &reach) { return buttonDeviceSlot(button, reach) >= 0; }

// The front buttons in label order (modelFrontButtons()) that a download sends.
QVector<int> sentFrontButtons(const ButtonReach &reach);
