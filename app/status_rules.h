#pragma once
// What the window makes of the mouse's live status: the on-screen text of a report rate, the tray
// tooltip and when the low-battery notification shows.

#include <QString>

// 8 "125 HZ", 4 "250 HZ", 2 "500 HZ", 1 "1000 HZ"; any other code an empty text.
QString reportRateOsdText(int rateCode);

// The battery levels at or below which the user is told, once per discharge for each. The mouse's
// level comes in steps of 10; its lowest step stands for anything under 20 %, so that is the
// critical one (a finer level such as 5 % is never read).
constexpr int kLowBatteryLevel = 20;
constexpr int kCriticalBatteryLevel = 10;
// A level this far above the low one means the battery was charged meanwhile (while the window
// did not see it): the notices are armed again. Readings that wander by a step near a threshold
// do not repeat a notice.
constexpr int kRearmMargin = 10;

// The tray's tooltip: the product name, then "MOUSE OFF" or the level with a charging mark.
// `offText` and `chargingText` are the translated words.
QString trayToolTip(const QString &product, bool off, int level, bool charging, const QString &offText,
                    const QString &chargingText);

enum class BatteryNotice { None, Low, Critical };

// The low-battery notices of one discharge: Low when a reading falls to kLowBatteryLevel or
// below, Critical when it falls to kCriticalBatteryLevel or below (a reading that falls straight
// there gives Critical alone), each at most once. Charging, or a level above kLowBatteryLevel +
// kRearmMargin, starts a new discharge. A sleeping mouse has no level: it is not a reading.
class LowBatteryWatch {
public:
    // A battery reading of a mouse that is awake; the notice due now.
    BatteryNotice update(int level, bool charging);

private:
    bool m_bLowArmed = true;
    bool m_bCriticalArmed = true;
};
