#include "model/gunset_steps.h"

#include "model/macro_steps.h"
#include "storage/macro_file.h"

#include <algorithm>

namespace {

MacroEvent offsetMove(int value, bool vertical)
{
    MacroEvent step;
    step.Map = kMacroMove;
    const auto byte = static_cast<uint8_t>(value > 0 ? value : 256 + value);
    (vertical ? step.DataH : step.DataL) = byte;
    return step;
}

} // namespace

QVector<MacroEvent> gunsetSteps(const QVector<GunsetBullet> &bullets)
{
    QVector<MacroEvent> steps;
    for (int i = 0; i < std::min(int(bullets.size()), kGunsetMaxBullets); ++i) {
        const GunsetBullet &bullet = bullets[i];
        steps.append(buttonStep(kMacroLeftButton, true));
        steps.append(buttonStep(kMacroLeftButton, false));
        const int y = std::clamp(bullet.y, -kGunsetMaxOffset, kGunsetMaxOffset);
        const int x = std::clamp(bullet.x, -kGunsetMaxOffset, kGunsetMaxOffset);
        if (y != 0)
            steps.append(offsetMove(y, true));
        if (x != 0)
            steps.append(offsetMove(x, false));
        const int units = std::clamp(bullet.delayMs, 0, kGunsetMaxDelayMs) / 10;
        MacroEvent delay;
        delay.Map = kMacroDelay;
        delay.DataH = static_cast<uint8_t>(units >> 8);
        delay.DataL = static_cast<uint8_t>(units & 0xFF);
        steps.append(delay);
    }
    return steps;
}

bool storeGunset(const QString &name, const QVector<MacroEvent> &steps)
{
    MacroSettings settings;
    settings.DefaultDelay = 10;
    settings.DelayType = kDelayRecorded;
    settings.LoopType = 0;
    settings.LoopTime = 1;
    return saveMacro(name, settings, steps, MacroWriteSign::Omit);
}
