#include "storage/profile_data.h"

#include "storage/model_description.h"

#include <iterator>

namespace {

// Copies share no string storage with their source: the working set keeps being edited while
// a copy is written out or downloaded on another thread. Empty strings share only the
// immutable empty data.
void detach(QString &text)
{
    if (!text.isEmpty())
        text.detach();
}

bool sameSteps(const ButtonInfo &a, const ButtonInfo &b) { return a.KeyInfo == b.KeyInfo; }

bool sameParameters(const ButtonInfo &a, const ButtonInfo &b)
{
    return a.ID == b.ID && a.Fun == b.Fun && a.LoopNumber == b.LoopNumber && a.KeyNumber == b.KeyNumber
        && a.Res1 == b.Res1 && a.Res2 == b.Res2 && a.Res3 == b.Res3 && a.Res4 == b.Res4;
}

// Built-in defaults when no model description exists.
constexpr uint32_t kBuiltInStages[kDpiStageCount] = {8, 12, 16, 24, 50, 75, 0, 0};
constexpr int32_t kBuiltInFun[] = {1, 2, 3, 4, 5, 4, 5};

void applyModel(ProfileData &p, const ModelDescription &model)
{
    p.pollrate = static_cast<uint8_t>(model.pollrate);
    p.LedMode = model.LedMode;
    p.dpi = model.dpi;
    for (int i = 0; i < kDpiStageCount; ++i)
        p.dpiInfo[i].xy = p.dpiInfo[i].x = p.dpiInfo[i].y = model.stages[i];
    for (int i = 0; i < kModelButtonSlots; ++i)
        p.buttonInfo[i].Fun = model.Fun[i];
    for (int m = 0; m < kLedModeCount; ++m) {
        p.ledInfo[m].color = model.leds[m].color;
        p.ledInfo[m].bright = model.leds[m].bright;
        p.ledInfo[m].breath = model.leds[m].breath;
    }
}

void applyBuiltIn(ProfileData &p)
{
    p.LedMode = 9;
    for (int i = 0; i < kDpiStageCount; ++i)
        p.dpiInfo[i].xy = p.dpiInfo[i].x = p.dpiInfo[i].y = kBuiltInStages[i];
    for (size_t i = 0; i < std::size(kBuiltInFun); ++i)
        p.buttonInfo[i].Fun = kBuiltInFun[i];
    for (int m = 0; m < kLedModeCount; ++m) {
        p.ledInfo[m].color = QColor(255, 0, 0);
        p.ledInfo[m].bright = 3;
        p.ledInfo[m].breath = 3;
    }
    p.ledInfo[4].breath = 2;
    p.ledInfo[9].breath = 4;
    p.ledInfo[10].color = QColor(0, 255, 0);
    p.ledInfo[10].breath = 5;
    p.ledInfo[12].breath = 1;
}

int compareSettings(const ProfileSet &w, const ProfileSet &s)
{
    for (int i = 0; i < kProfileSlotCount; ++i) {
        if (w.profiles[i].pollrate != s.profiles[i].pollrate || w.profiles[i].scrollspeed != s.profiles[i].scrollspeed)
            return kChangeSettings;
    }
    if (w.LiftHigh != s.LiftHigh || w.ProfileID != s.ProfileID)
        return kChangeSettings;
    const ProfileData &a = w.current();
    const ProfileData &b = s.current();
    if (a.dpi != b.dpi || a.LedMode != b.LedMode || a.LedMoveOFF != b.LedMoveOFF || a.LedSleepTime != b.LedSleepTime)
        return kChangeSettings;
    return 0;
}

int compareDpi(const ProfileSet &w, const ProfileSet &s)
{
    for (int i = 0; i < kProfileSlotCount; ++i) {
        for (int d = 0; d < kDpiStageCount; ++d) {
            const DpiInfo &a = w.profiles[i].dpiInfo[d];
            const DpiInfo &b = s.profiles[i].dpiInfo[d];
            if (a.used != b.used || a.x != b.x || a.y != b.y)
                return kChangeDpi;
        }
    }
    return 0;
}

int compareButtons(const ProfileSet &w, const ProfileSet &s, const QSet<QString> &editedMacroFiles,
                   QString *editedSeen)
{
    for (int i = 0; i < kProfileSlotCount; ++i) {
        for (int k = 0; k < kButtonCount; ++k) {
            const ButtonInfo &a = w.profiles[i].buttonInfo[k];
            const ButtonInfo &b = s.profiles[i].buttonInfo[k];
            if (!sameParameters(a, b) || !sameSteps(a, b))
                return kChangeButtons;
            // Gun sets name a macro file exactly as macros do, so both are checked alike: a
            // button that now names another file, or whose file was edited since the last
            // download, must be sent again. Fun is equal here.
            if (namesMacroFile(a.Fun)) {
                if (a.macroname != b.macroname)
                    return kChangeButtons;
                if (editedMacroFiles.contains(a.macroname)) {
                    *editedSeen = a.macroname;
                    return kChangeButtons;
                }
            }
        }
    }
    return 0;
}

int compareLighting(const ProfileSet &w, const ProfileSet &s)
{
    for (int i = 0; i < kProfileSlotCount; ++i) {
        const ProfileData &a = w.profiles[i];
        const ProfileData &b = s.profiles[i];
        if (a.LedMode != b.LedMode)
            return kChangeLighting;
        // An effect index past the table selects no record; only the index is compared then.
        if (a.LedMode < kLedModeCount && a.ledInfo[a.LedMode] != b.ledInfo[a.LedMode])
            return kChangeLighting;
    }
    return 0;
}

} // namespace

bool namesMacroFile(int fun) { return fun == kFunMacro || fun == kFunGunSet; }

ButtonInfo::ButtonInfo(const ButtonInfo &other) : ButtonInfoFields(other) { detach(macroname); }

ButtonInfo &ButtonInfo::operator=(const ButtonInfo &other)
{
    ButtonInfoFields::operator=(other);
    detach(macroname);
    return *this;
}

bool ButtonInfo::operator==(const ButtonInfo &o) const
{
    return sameParameters(*this, o) && sameSteps(*this, o) && macroname == o.macroname;
}

ProfileData::ProfileData(const ProfileData &other) : ProfileDataFields(other)
{
    detach(ProfileName);
    detach(ProfilePath);
}

ProfileData &ProfileData::operator=(const ProfileData &other)
{
    ProfileDataFields::operator=(other);
    detach(ProfileName);
    detach(ProfilePath);
    return *this;
}

bool ProfileData::operator==(const ProfileData &o) const
{
    return pollrate == o.pollrate && dpi == o.dpi && LedMode == o.LedMode && LedMoveOFF == o.LedMoveOFF
        && LedSleepTime == o.LedSleepTime && dpiInfo == o.dpiInfo && mousespeed == o.mousespeed
        && dbclickspeed == o.dbclickspeed && scrollispage == o.scrollispage && scrollspeed == o.scrollspeed
        && accelenable == o.accelenable && acee == o.acee && buttonInfo == o.buttonInfo && ledInfo == o.ledInfo
        && ProfileName == o.ProfileName && ProfilePath == o.ProfilePath;
}

ProfileSet::ProfileSet(const ProfileSet &other) : ProfileSetFields(other)
{
    for (QString &name : slotNames)
        detach(name);
}

ProfileSet &ProfileSet::operator=(const ProfileSet &other)
{
    ProfileSetFields::operator=(other);
    for (QString &name : slotNames)
        detach(name);
    return *this;
}

bool ProfileSet::operator==(const ProfileSet &o) const
{
    return ProfileID == o.ProfileID && profiles == o.profiles && AngleValue == o.AngleValue && LiftHigh == o.LiftHigh
        && Count == o.Count && slotNames == o.slotNames;
}

ProfileData &ProfileSet::current() { return profiles[ProfileID < kProfileSlotCount ? ProfileID : 0]; }

const ProfileData &ProfileSet::current() const { return profiles[ProfileID < kProfileSlotCount ? ProfileID : 0]; }

void resetProfile(ProfileData &profile)
{
    ProfileData p;
    p.pollrate = 1;
    p.dpi = 1;
    p.LedMode = 1;
    p.mousespeed = 10;
    p.dbclickspeed = 5;
    p.scrollispage = 0;
    p.scrollspeed = 1;
    p.accelenable = 1;
    p.acee = 1;
    p.LedMoveOFF = 255;
    p.LedSleepTime = 1;
    for (DpiInfo &stage : p.dpiInfo)
        stage.used = stage.link = 1;
    for (LedModeInfo &led : p.ledInfo)
        led.h = 360;

    ModelDescription model;
    if (readModelDescription(model) == 0)
        applyModel(p, model);
    else
        applyBuiltIn(p);
    p.buttonInfo[40].Fun = 52;
    p.buttonInfo[41].Fun = 53;
    profile = std::move(p);
}

QString defaultSlotName(int slot) { return QStringLiteral("Profile %1").arg(slot + 1); }

void resetProfileSet(ProfileSet &set)
{
    set.AngleValue = 0;
    set.LiftHigh = 2;
    set.ProfileID = 0;
    for (int i = 0; i < kProfileSlotCount; ++i) {
        resetProfile(set.profiles[i]);
        set.slotNames[i] = defaultSlotName(i);
    }
}

ProfileSetChanges compareProfileSets(const ProfileSet &working, const ProfileSet &saved,
                                     const QSet<QString> &editedMacroFiles)
{
    ProfileSetChanges changes;
    changes.mask = compareSettings(working, saved);
    changes.mask |= compareDpi(working, saved);
    changes.mask |= compareButtons(working, saved, editedMacroFiles, &changes.editedMacroSeen);
    changes.mask |= compareLighting(working, saved);
    return changes;
}
