#include "model/button_reach.h"

#include "storage/settings_file.h"

#include <algorithm>

namespace {

// Slots 0..21 carry front buttons; 22 and 23 are the wheel's, and 24 lies where the block's
// closing FF FF FF FF is sent instead.
constexpr int kFrontSlots = kWheelUpSlot;

int frontButtonsInBlock(const ButtonReach &reach)
{
    return std::clamp(reach.buttonCount, 0, kModelButtonSlots);
}

} // namespace

ButtonReach modelButtonReach()
{
    // The model description's matrix, which the process table holds once the settings are
    // loaded; the table when the file cannot be read.
    ButtonReach reach{modelButtonCount(), buttonMatrixTable()};
    readButtonMatrix(reach.matrix);
    return reach;
}

int buttonDeviceSlot(int button, const ButtonReach &reach)
{
    if (button == kWheelUpButton)
        return kWheelUpSlot;
    if (button == kWheelDownButton)
        return kWheelDownSlot;
    const int count = frontButtonsInBlock(reach);
    if (button < 0 || button >= count)
        return -1;
    const int slot = reach.matrix[size_t(button)];
    if (slot >= kFrontSlots)
        return -1;
    // The block is filled in button order, so a later button on the same slot overwrites it.
    for (int later = button + 1; later < count; ++later) {
        if (reach.matrix[size_t(later)] == slot)
            return -1;
    }
    return slot;
}

QVector<int> sentFrontButtons(const ButtonReach &reach)
{
    QVector<int> sent;
    for (int button : modelFrontButtons()) {
        if (buttonIsSent(button, reach))
            sent << button;
    }
    return sent;
}
