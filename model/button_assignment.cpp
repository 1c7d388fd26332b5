#include "model/button_assignment.h"

#include "model/function_catalogue.h"
#include "storage/key_table.h"
#include "storage/macro_file.h"
#include "storage/profile_data.h"

#include <algorithm>

bool keepsAClick(const ProfileData &profile, int button, int fun)
{
    if (button < 0 || button >= kButtonCount || fun == kFunLeft || profile.buttonInfo[button].Fun != kFunLeft)
        return true;
    for (int i = 0; i < kButtonCount; ++i) {
        if (i != button && profile.buttonInfo[i].Fun == kFunLeft)
            return true;
    }
    return false;
}

HotKeyCodes modifierKeyPairs()
{
    return {{{42, 54}, {29, 238}, {91, 92}, {56, 239}, {0, 0}}};
}

int modifierRow(uint8_t keyCode, bool *rightHand)
{
    const HotKeyCodes pairs = modifierKeyPairs();
    for (int row = 0; row < kComboMainRow; ++row) {
        for (int hand = 0; hand < 2; ++hand) {
            if (pairs[row][hand] == keyCode) {
                if (rightHand)
                    *rightHand = hand == 1;
                return row;
            }
        }
    }
    return -1;
}

void writeComboKeyInfo(ButtonInfo &button, const ComboKeys &combo, const HotKeyCodes &keys)
{
    auto &info = button.KeyInfo;
    info.fill(MacroEvent());
    int k = 0;
    for (int row = 0; row < kComboRows; ++row) {
        if (!combo[row])
            continue;
        uint8_t usage = 0;
        keyToHid(keys[row][0], usage);
        // Entries k.. two places up (the last two fall off), the new pair at k. k stays below 5.
        std::copy_backward(info.begin() + k, info.end() - 2, info.end());
        info[k] = MacroEvent{usage, 5, 0x80};
        info[k + 1] = MacroEvent{usage, 5, 0x00};
        ++k;
    }
}

QString comboRowName(int row)
{
    static const char *const names[kComboMainRow] = {"Shift", "Ctrl", "Win", "Alt"};
    return row >= 0 && row < kComboMainRow ? QString::fromLatin1(names[row]) : QString();
}

ComboChord comboFromKeyInfo(const ButtonInfo &button)
{
    // A chord of n keys keeps its presses in the first n steps; five rows, five steps.
    ComboChord chord;
    for (int i = 0; i < kComboRows; ++i) {
        const uint8_t usage = button.KeyInfo[size_t(i)].Map;
        uint8_t code = 0;
        if (!usage || !hidToKey(usage, code))
            continue;
        bool right = false;
        const int row = modifierRow(code, &right);
        if (row >= 0) {
            chord.rows[size_t(row)] |= right ? 2 : 1;
        } else {
            chord.rows[kComboMainRow] = 1;
            chord.mainKey = code;
        }
    }
    return chord;
}

void setComboKey(ButtonInfo &button, const ComboKeys &combo, const HotKeyCodes &keys)
{
    writeComboKeyInfo(button, combo, keys);
    button.Fun = kFunComboKey;
}

void setSingleKey(ButtonInfo &button, uint8_t keyCode)
{
    button.Res1 = keyCode;
    button.Fun = kFunSingleKey;
}

void setSniper(ButtonInfo &button, uint8_t step)
{
    button.Res1 = step;
    button.Fun = kFunSniper;
}

void setFireKey(ButtonInfo &button, FireMode mode, uint8_t keyCode, int times, int delay)
{
    button.Res1 = fireKeyRes1(mode, keyCode);
    button.LoopNumber = times;
    button.KeyNumber = delay;
    button.Fun = kFunFireKey;
}

uint8_t fireKeyRes1(FireMode mode, uint8_t keyCode)
{
    switch (mode) {
    case FireMode::Left: return kFireLeft;
    case FireMode::Right: return kFireRight;
    case FireMode::Middle: return kFireMiddle;
    case FireMode::KeyboardKey: break;
    }
    uint8_t usage = 0;
    keyToHid(keyCode, usage);
    return usage;
}

FireKeySetting fireKeyFromButton(const ButtonInfo &button)
{
    FireKeySetting setting;
    switch (button.Res1) {
    case 0:
    case kFireLeft: setting.mode = FireMode::Left; break;
    case kFireRight: setting.mode = FireMode::Right; break;
    case kFireMiddle: setting.mode = FireMode::Middle; break;
    default:
        setting.mode = FireMode::KeyboardKey;
        hidToKey(button.Res1, setting.keyCode);
        break;
    }
    setting.delay = button.KeyNumber ? button.KeyNumber : 10;
    setting.times = button.LoopNumber ? button.LoopNumber : 3;
    return setting;
}

MacroBinding bindMacro(ButtonInfo &button, int fun, const QString &name, int loops, int loopMode)
{
    button.Fun = fun;
    button.LoopNumber = loops;
    button.Res1 = uint8_t(loopMode);
    button.macroname = name;
    const QVector<MacroEvent> steps = readMacroSteps(name);
    MacroBinding binding;
    binding.storedSteps = readMacroStepCount(name);
    binding.truncated = binding.storedSteps > steps.size();
    button.KeyNumber = steps.size();
    std::copy(steps.begin(), steps.end(), button.KeyInfo.begin());
    return binding;
}

namespace {

bool boundTo(const ButtonInfo &button, const QString &name)
{
    return (button.Fun == kFunMacro || button.Fun == kFunGunSet) && button.macroname == name;
}

} // namespace

int rebindMacroButtons(ProfileData &profile, const QString &oldName, const QString &newName)
{
    if (oldName.isEmpty() || oldName == newName)
        return 0;
    int changed = 0;
    for (ButtonInfo &button : profile.buttonInfo) {
        if (boundTo(button, oldName)) {
            button.macroname = newName;
            ++changed;
        }
    }
    return changed;
}

int unbindMacroButtons(ProfileData &profile, const QString &name)
{
    if (name.isEmpty())
        return 0;
    int changed = 0;
    for (ButtonInfo &button : profile.buttonInfo) {
        if (boundTo(button, name)) {
            button.Fun = kFunButtonOff;
            button.macroname.clear();
            ++changed;
        }
    }
    return changed;
}
