#include "app/desktop_integration.h"

#include "app/device_status.h"
#include "app/tray.h"
#include "model/report_rates.h"
#include "storage/data_paths.h"
#include "storage/profile_data.h"

#include <QCoreApplication>

namespace {

// DeviceStatus::connection(): 0 cable, 1 cable and receiver, 2 receiver, 3 none.
constexpr int kConnectionNone = 3;
constexpr int kConnectionReceiverOnly = 2;

} // namespace

DesktopIntegration::DesktopIntegration(DeviceStatus &status, Tray &tray, const ProfileSet &working,
                                       DesktopActions actions, QObject *parent, QDBusConnection bus)
    : QObject(parent), m_Status(status), m_Tray(tray), m_Working(working), m_Actions(std::move(actions)),
      m_Notifications(bus)
{
    connect(&m_Status, &DeviceStatus::batteryRead, this, &DesktopIntegration::onBatteryRead);
    connect(&m_Status, &DeviceStatus::connectionChanged, this, &DesktopIntegration::refresh);
    connect(&m_Bus, &DesktopBus::profileRequested, this, &DesktopIntegration::onProfileRequested);
    connect(&m_Bus, &DesktopBus::showRequested, this, [this] { m_Actions.showWindow(); });
    connect(&m_Notifications, &DesktopNotifications::failed, this, &DesktopIntegration::onNoticeFailed);
    m_Bus.setProfileGate(m_Actions.canChooseSlot);
    refresh();
    m_Bus.registerOn(bus);
}

QString DesktopIntegration::noticeText(BatteryNotice notice, int level)
{
    switch (notice) {
    case BatteryNotice::Low:
        return QCoreApplication::translate("MousecfgWidget", "Mouse battery low: %1%").arg(level);
    case BatteryNotice::Critical:
        return QCoreApplication::translate("MousecfgWidget", "Mouse battery almost empty: %1%. Charge it now.")
            .arg(level);
    case BatteryNotice::None:
        break;
    }
    return QString();
}

void DesktopIntegration::refresh()
{
    MouseStatus status;
    const int connection = m_Status.connection();
    status.connected = connection != kConnectionNone;
    if (!status.connected) {
        // Nothing is known of a mouse that is not there; its next reading tells again.
        m_iBattery = -1;
        m_bCharging = false;
        m_bAsleep = false;
    } else {
        status.link = connection == kConnectionReceiverOnly ? QStringLiteral("receiver") : QStringLiteral("cable");
    }
    status.batteryPercent = m_iBattery;
    status.charging = m_bCharging;
    status.asleep = m_bAsleep;
    const ProfileData &current = m_Working.profiles[m_Working.ProfileID % kProfileSlotCount];
    status.activeProfile = static_cast<uint>(m_Working.ProfileID % kProfileSlotCount) + 1;
    status.dpiStage = static_cast<uint>(current.dpi) + 1;
    status.reportRate = static_cast<uint>(reportRateHz(current.pollrate));
    m_Bus.setStatus(status);
}

void DesktopIntegration::onBatteryRead(int level, bool charging, bool asleep)
{
    m_iBattery = asleep ? -1 : level;
    m_bCharging = charging;
    m_bAsleep = asleep;
    refresh();
    // A sleeping mouse has no level to warn of.
    if (asleep)
        return;
    const BatteryNotice notice = m_LowBattery.update(level, charging);
    if (notice == BatteryNotice::None)
        return;
    const QString text = noticeText(notice, level);
    emit lowBatteryNotified(text);
    QString product = readCurrentProductName();
    if (product.isEmpty())
        product = QCoreApplication::applicationName();
    m_Notifications.notify({product, text,
                            notice == BatteryNotice::Critical ? DesktopNotifications::Urgency::Critical
                                                              : DesktopNotifications::Urgency::Normal});
}

void DesktopIntegration::onProfileRequested(int profile)
{
    m_Actions.chooseSlot(profile - 1);
}

void DesktopIntegration::onNoticeFailed(const DesktopNotifications::Notice &notice)
{
    m_Tray.showNotice(notice.body, notice.urgency == DesktopNotifications::Urgency::Critical);
}
