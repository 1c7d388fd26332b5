#pragma once
// The in-memory picture of what the mouse holds: five on-board profiles and the values that
// belong to the whole set. Plain values: copying a record copies everything, and a copy never
// shares string storage with its source (the working set keeps being edited while a copy is
// written out or sent).

#include "storage/macro_event.h"
#include "storage/record_sizes.h"

#include <QColor>
#include <QSet>
#include <QString>

#include <array>
#include <cstdint>

// Host pointer speed and wheel lines per notch, as the pointer panel offers them.
constexpr int kHostSpeedMin = 1;
constexpr int kHostSpeedMax = 20;

// Change bits of compareProfileSets, the same bits the download takes.
constexpr int kChangeSettings = 1;
constexpr int kChangeDpi = 2;
constexpr int kChangeButtons = 4;
constexpr int kChangeLighting = 8;
constexpr int kChangeAll = kChangeSettings | kChangeDpi | kChangeButtons | kChangeLighting;

// Function codes that name a macro file in ButtonInfo::macroname.
constexpr int kFunMacro = 200;
constexpr int kFunGunSet = 510;
// Macro and gun-set buttons name a macro file (ButtonInfo::macroname).
bool namesMacroFile(int fun);

// One DPI stage; resolutions are sensor steps, not DPI.
struct DpiInfo {
    uint8_t used = 0;  // stage enabled (1) or skipped (0)
    uint8_t link = 0;  // X and Y linked (1) or separate (0)
    uint32_t xy = 0;   // step used when linked
    uint32_t x = 0;
    uint32_t y = 0;

    bool operator==(const DpiInfo &o) const
    {
        return used == o.used && link == o.link && xy == o.xy && x == o.x && y == o.y;
    }
    bool operator!=(const DpiInfo &o) const { return !(*this == o); }
};

// The fields of one button, in their stored order; ButtonInfo adds the copy rule.
struct ButtonInfoFields {
    int32_t ID = 0;
    int32_t Fun = 0;         // function code; kFunMacro and kFunGunSet name a file in macroname
    int32_t LoopNumber = 0;  // function parameter (macro repeat count, fire-key times)
    int32_t KeyNumber = 0;   // function parameter (macro step count, fire-key delay)
    // Key steps; each is the three bytes of one macro step: map, low byte, high byte.
    std::array<MacroEvent, kKeyInfoCount> KeyInfo{};
    uint8_t Res1 = 0;
    uint8_t Res2 = 0;
    uint8_t Res3 = 0;
    uint8_t Res4 = 0;
    QString macroname;  // macro or gun-set file name, without folder or extension
};

// What one button does.
struct ButtonInfo : ButtonInfoFields {
    ButtonInfo() = default;
    ButtonInfo(const ButtonInfo &other);
    ButtonInfo &operator=(const ButtonInfo &other);
    ButtonInfo(ButtonInfo &&) = default;
    ButtonInfo &operator=(ButtonInfo &&) = default;

    bool operator==(const ButtonInfo &o) const;
    bool operator!=(const ButtonInfo &o) const { return !(*this == o); }
};

// Settings of one lighting effect.
struct LedModeInfo {
    QColor color;  // invalid until set
    int32_t h = 0; // hue of the colour editor, 0..360
    int32_t s = 0;
    int32_t v = 0;
    int32_t bright = 0;  // brightness level
    int32_t breath = 0;  // speed level

    bool operator==(const LedModeInfo &o) const
    {
        return color == o.color && h == o.h && s == o.s && v == o.v && bright == o.bright && breath == o.breath;
    }
    bool operator!=(const LedModeInfo &o) const { return !(*this == o); }
};

// The fields of one profile, in their stored order; ProfileData adds the copy rule.
struct ProfileDataFields {
    uint8_t pollrate = 0;      // report-rate code, sent unchanged
    // dpi and LedMode hold the stored byte as read; a value past its table (8 stages, 14
    // effects) must be bounded by whoever indexes with it.
    uint8_t dpi = 0;           // active DPI stage 0..7
    uint8_t LedMode = 0;       // lighting effect 0..13
    uint8_t LedMoveOFF = 0;    // lighting off on move; a default profile holds 255
    uint8_t LedSleepTime = 0;  // lighting sleep time in minutes
    std::array<DpiInfo, kDpiStageCount> dpiInfo{};
    uint8_t mousespeed = 0;    // host pointer speed
    uint8_t dbclickspeed = 0;  // host double-click speed
    uint8_t scrollispage = 0;  // host wheel scrolls by page (1) or by lines (0)
    uint8_t scrollspeed = 0;   // host wheel lines per notch
    uint8_t accelenable = 0;   // host pointer acceleration
    uint8_t acee = 0;          // stored only, never applied to the host
    std::array<ButtonInfo, kButtonCount> buttonInfo{};
    std::array<LedModeInfo, kLedModeCount> ledInfo{};
    QString ProfileName;
    QString ProfilePath;
};

// One profile. A fresh record has every number 0, every colour invalid, every string empty.
struct ProfileData : ProfileDataFields {
    ProfileData() = default;
    ProfileData(const ProfileData &other);
    ProfileData &operator=(const ProfileData &other);
    ProfileData(ProfileData &&) = default;
    ProfileData &operator=(ProfileData &&) = default;

    bool operator==(const ProfileData &o) const;
    bool operator!=(const ProfileData &o) const { return !(*this == o); }
};

struct ProfileSetFields {
    uint8_t ProfileID = 0;  // active slot 0..4
    std::array<ProfileData, kProfileSlotCount> profiles{};
    uint8_t AngleValue = 0;  // angle snapping value
    uint8_t LiftHigh = 0;    // lift-off distance code
    uint8_t Count = 0;       // profile count value kept with the set
    std::array<QString, kProfileSlotCount> slotNames{};  // stored profile used by each slot
};

// The whole set: the working set (edited by the panels) and the saved set (as last sent).
struct ProfileSet : ProfileSetFields {
    ProfileSet() = default;
    ProfileSet(const ProfileSet &other);
    ProfileSet &operator=(const ProfileSet &other);
    ProfileSet(ProfileSet &&) = default;
    ProfileSet &operator=(ProfileSet &&) = default;

    bool operator==(const ProfileSet &o) const;
    bool operator!=(const ProfileSet &o) const { return !(*this == o); }

    // The active slot's profile; ProfileID is bounded to the five slots.
    ProfileData &current();
    const ProfileData &current() const;
};

// Overwrites the record with the default profile: built from the model description when it can
// be read, else from the built-in defaults.
void resetProfile(ProfileData &profile);
// "Profile <slot + 1>": the name reset-all gives slot 0..4.
QString defaultSlotName(int slot);
// The reset-all defaults: every slot reset, names "Profile 1".."Profile 5", Count unchanged.
void resetProfileSet(ProfileSet &set);
// Which blocks must be sent again (kChange* bits), and the macro file whose edit made the button
// block count as changed: the first macro or gun-set button (profile by profile, button by button)
// whose file is in `editedMacroFiles` ("Setting/WriteSign" set: edited since the last download),
// reached before any other button difference. Pure: the caller clears that file's sign
// (compareWithMacroFiles in storage/macro_file.h).
struct ProfileSetChanges {
    int mask = 0;
    QString editedMacroSeen;
};
ProfileSetChanges compareProfileSets(const ProfileSet &working, const ProfileSet &saved,
                                     const QSet<QString> &editedMacroFiles);
