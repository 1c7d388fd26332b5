#pragma once
// What the window makes of the mouse's live status: the on-screen text of a report rate, the tray
// tooltip and when the low-battery notification shows.

#include <QString>

// 8 "125 HZ", 4 "250 HZ", 2 "500 HZ", 1 "1000 HZ"; any other code an empty text.
QString reportRateOsdText(int rateCode);

// The battery level at or below which the tray warns once per discharge.
constexpr int kLowBatteryLevel = 20;

// The tray's tooltip: the product name, then "MOUSE OFF" or the level with a charging mark.
// `offText` and `chargingText` are the translated words.
QString trayToolTip(const QString &product, bool off, int level, bool charging, const QString &offText,
                    const QString &chargingText);

// One low-battery notification per discharge: it fires when the level falls to kLowBatteryLevel
// or below while not charging, and is armed again by charging or a level above it.
class LowBatteryWatch {
public:
    // A battery report (not the "off" one); true when the notification is due now.
    bool update(int level, bool charging);

private:
    bool m_bArmed = true;
};
