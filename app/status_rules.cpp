#include "app/status_rules.h"

QString reportRateOsdText(int rateCode)
{
    switch (rateCode) {
    case 8: return QStringLiteral("125 HZ");
    case 4: return QStringLiteral("250 HZ");
    case 2: return QStringLiteral("500 HZ");
    case 1: return QStringLiteral("1000 HZ");
    default: return QString();
    }
}

QString trayToolTip(const QString &product, bool off, int level, bool charging, const QString &offText,
                    const QString &chargingText)
{
    QString status = off ? offText : QStringLiteral("%1%").arg(level);
    if (!off && charging)
        status += QStringLiteral(" (%1)").arg(chargingText);
    return product.isEmpty() ? status : product + QStringLiteral(": ") + status;
}

BatteryNotice LowBatteryWatch::update(int level, bool charging)
{
    if (charging || level > kLowBatteryLevel + kRearmMargin) {
        m_bLowArmed = true;
        m_bCriticalArmed = true;
        return BatteryNotice::None;
    }
    if (level <= kCriticalBatteryLevel && m_bCriticalArmed) {
        m_bCriticalArmed = false;
        m_bLowArmed = false;
        return BatteryNotice::Critical;
    }
    if (level <= kLowBatteryLevel && m_bLowArmed) {
        m_bLowArmed = false;
        return BatteryNotice::Low;
    }
    return BatteryNotice::None;
}
