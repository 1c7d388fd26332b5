#include "app/device_status.h"

#include "app/permission_notice.h"
#include "app/window_controls.h"
#include "app/window_rules.h"
#include "device/battery_level.h"
#include "device/device_link.h"
#include "device/device_state.h"
#include "device/host_actions.h"
#include "device/poller_control.h"
#include "model/sensor_tables.h"
#include "platform/osd_client.h"
#include "platform/pointer_speed.h"
#include "storage/data_paths.h"
#include "storage/log_categories.h"
#include "storage/profile_data.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "widgets/skin.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_processbar.h"
#include "widgets/tarn_push_button.h"
#include "widgets/theme.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QThread>

#include <cstring>

// The texts here are the window's: they are translated in its context, where the language files
// keep them.

namespace {

constexpr int kBatteryFontPixels = 16;

QString mouseOffText()
{
    return QCoreApplication::translate("MousecfgWidget", "MOUSE OFF");
}

} // namespace

MousePresence currentMousePresence(const DeviceLink &link)
{
    MousePresence presence;
    const QByteArray latin = readCurrentProductName().toLatin1();
    const MouseList &list = link.mouseList();
    for (uint32_t i = 0; i < list.count(); ++i) {
        if (std::strcmp(list[i].name, latin.constData()) != 0)
            continue;
        presence.receiverCommand = presence.receiverCommand || list[i].presentACommand == 1;
        presence.cableCommand = presence.cableCommand || list[i].presentBCommand == 1;
        presence.cablePointer = presence.cablePointer || list[i].presentBPointer == 1;
    }
    return presence;
}

DeviceStatus::DeviceStatus(QWidget &window, DeviceLink &link, PollerControl &poller, ProfileSet &working,
                           const AppSettings &settings, StatusHost &host)
    : m_Window(window), m_Link(link), m_Poller(poller), m_Working(working), m_Settings(settings), m_Host(host),
      m_pOsd(new OsdClient(this)), m_iBatteryFull(effectiveBatteryFull(settings.batteryFull))
{
    m_pOsd->setThemeColour(settings.themeColour());
    // Its text is set by the list.
    m_pMouseSelector =
        new TarnPushButton(skinPaths({"tabbutton-1.png", "tabbutton-3.png", "tabbutton-2.png"}), &m_Window);
    m_pMouseSelector->setProperty("layoutItem", static_cast<int>(LayoutItem::MouseSelector));
    m_pMouseSelector->setFocusPolicy(Qt::NoFocus);
    m_pMouseMenu = new QMenu(m_pMouseSelector);
    m_pMouseSelector->setMenu(m_pMouseMenu);
    connect(m_pMouseMenu, &QMenu::triggered, this, &DeviceStatus::onMouseChosen);
}

void DeviceStatus::buildIndicators()
{
    m_pBatteryBar = new TarnProcessbar(&m_Window);
    m_pBatteryBar->setProperty("layoutItem", static_cast<int>(LayoutItem::BatteryBar));
    m_pBatteryBar->setRange(0, 100);
    m_pChargingIcon = new QLabel(&m_Window);
    m_pChargingIcon->setProperty("layoutItem", static_cast<int>(LayoutItem::ChargingIcon));
    m_pChargingIcon->setAlignment(Qt::AlignCenter);
    m_pReceiverIcon = new QLabel(&m_Window);
    m_pReceiverIcon->setProperty("layoutItem", static_cast<int>(LayoutItem::ReceiverIcon));
    m_pReceiverIcon->setScaledContents(true);
}

void DeviceStatus::startPolling()
{
    PollerCallbacks callbacks;
    callbacks.context = this;
    callbacks.batteryStatus = [this](quint8 c, quint8 l, quint8 h) { slotRefreshBatteryStatus(c, l, h); };
    callbacks.status = [this](quint8 p, quint8 d, quint8 r, quint8 m) { slotRefreshStatus(p, d, r, m); };
    callbacks.writeStatus = [this](quint8 s) { slotRefreshWriteStatus(s); };
    m_Poller.setCallbacks(std::move(callbacks));
    m_Poller.startPoller();
}

void DeviceStatus::showInitialStatus()
{
    // A placeholder until the poller's first reply: no reading of the mouse, so it is neither
    // stored nor a reason for the low-battery notice.
    showBattery(0, 1, 1, false);
    const MousePresence presence = currentMousePresence(m_Link);
    m_bReceiverPresent = presence.receiverCommand;
    m_bCablePresent = presence.cableCommand;
    applyConnectionIndicators();
}

void DeviceStatus::startCheck(bool hidden)
{
    // A mouse that cannot be opened is said at once, hidden start or not.
    if (hidden && m_iMouseCount != 0 && m_Link.commandHandle())
        m_Host.hideWindow();
    else
        slotWarning();
}

void DeviceStatus::retranslate()
{
    if (m_bMouseOffShown)
        m_pBatteryBar->setText(mouseOffText());
    emit toolTipChanged();
}

QString DeviceStatus::toolTip() const
{
    return trayToolTip(readCurrentProductName(), m_bMouseOffShown, m_iLastBattery, m_bCharging,
                       mouseOffText(), QCoreApplication::translate("MousecfgWidget", "charging"));
}

// ---------------------------------------------------------------- warnings

TarnMessageBox *DeviceStatus::warningBox() const
{
    return m_pWarningBox;
}

TarnMessageBox *DeviceStatus::createWarningBox()
{
    return new TarnMessageBox(
        TarnMessageBox::Receiver, QString(), QCoreApplication::translate("MousecfgWidget", "Warning"),
        QCoreApplication::translate("MousecfgWidget", "Dongle Disconnect!"), &m_Window, true);
}

void DeviceStatus::slotWarning()
{
    m_Window.show();
    if (m_iMouseCount != 0) {
        // The mouse may be back before the warning of its removal came due: nothing to warn about.
        if (!m_pWarningBox)
            m_bWarningOpen = false;
        m_Window.raise();
        m_Window.activateWindow();
        checkPermission();
        return;
    }
    // One box at a time: a second warning while it is open only brings it forward.
    if (m_pWarningBox) {
        m_pWarningBox->raise();
        return;
    }
    m_bWarningOpen = true;
    m_pWarningBox = createWarningBox();
    connect(m_pWarningBox, &QDialog::finished, this, &DeviceStatus::onWarningFinished);
    // Modal over the window without a nested event loop: hot-plug keeps arriving meanwhile.
    m_pWarningBox->open();
    qCDebug(lcApp) << "no mouse: the \"Dongle Disconnect!\" box is open";
}

void DeviceStatus::onWarningFinished(int result)
{
    if (m_pWarningBox)
        m_pWarningBox->deleteLater();
    m_pWarningBox = nullptr;
    if (m_iMouseCount == 0)
        m_Host.hideWindow();
    m_bWarningOpen = false;
    qCDebug(lcApp) << "the \"Dongle Disconnect!\" box closed, result" << result;
    emit warningClosed(result);
}

void DeviceStatus::slotWarnClose()
{
    m_Host.whenIdle([this] {
        // Reopen the current mouse with the poller stopped, so it never reads a closing handle.
        m_Poller.stopPoller();
        m_Link.closeMouse();
        m_Link.openMouse(readCurrentProductName());
        m_Poller.startPoller();
        m_Host.mouseBack();
        m_bMouseBack = true;
        checkPermission();
    });
}

PermissionNotice *DeviceStatus::permissionNotice() const
{
    return m_pPermissionNotice;
}

void DeviceStatus::checkPermission()
{
    // "Check again" only reopens: the window's edits stay, unlike a mouse coming back.
    updatePermissionNotice(m_pPermissionNotice, m_Window, m_iMouseCount != 0 && !m_Link.commandHandle(), [this] {
        m_Host.whenIdle([this] {
            m_Poller.stopPoller();
            m_Link.closeMouse();
            m_Link.openMouse(readCurrentProductName());
            m_Poller.startPoller();
            checkPermission();
        });
    });
}

// ---------------------------------------------------------------- device link observer

void DeviceStatus::stopPoller()
{
    // The device link stops the poller before it closes a handle. A send in progress uses that
    // handle too: it ends first (a vanished device fails its writes at once).
    if (QThread::currentThread() == thread() && m_Host.isSending())
        m_Host.waitForSend();
    m_Poller.stopPoller();
}

void DeviceStatus::startPoller()
{
    m_Poller.startPoller();
}

void DeviceStatus::mouseListChanged(const QStringList &names, bool selectorVisible)
{
    m_MouseNames = names;
    m_iMouseCount = names.size();
    m_pMouseMenu->clear();
    m_pMouseSelector->setVisible(selectorVisible);
    if (!selectorVisible)
        return;
    for (const QString &name : names)
        m_pMouseMenu->addAction(name);
    m_pMouseSelector->setText(readCurrentProductName());
    rescaleMenu();
}

void DeviceStatus::rescaleMenu()
{
    m_pMouseMenu->setFixedWidth(scaled(designRect(LayoutItem::MouseSelector).width(), uiScale()));
    applyMenuLook(m_pMouseMenu);
}

void DeviceStatus::onMouseChosen(QAction *action)
{
    if (!action || !m_MouseNames.contains(action->text()))
        return;
    m_pMouseSelector->setText(action->text());
    // Stops the poller, reopens on that mouse, calls reload() and restarts the poller.
    m_Link.selectMouse(action->text());
}

void DeviceStatus::connectionIndicators(bool receiverCommandPresent, bool cableCommandPresent)
{
    m_bReceiverPresent = receiverCommandPresent;
    m_bCablePresent = cableCommandPresent;
    applyConnectionIndicators();
}

void DeviceStatus::applyConnectionIndicators()
{
    m_pChargingIcon->setVisible(false);
    m_pReceiverIcon->setVisible(m_bReceiverPresent);
    m_pBatteryBar->setVisible(!m_bCablePresent);
    m_iConnection = connectionState(m_bReceiverPresent, m_bCablePresent);
    emit connectionChanged();
}

void DeviceStatus::noDevice()
{
    m_bMouseBack = false;
    m_bWarningOpen = true;
    m_iMouseCount = 0;
}

void DeviceStatus::warning()
{
    slotWarning();
}

void DeviceStatus::warnClose()
{
    slotWarnClose();
}

void DeviceStatus::reload()
{
    m_Host.whenIdle([this] {
        m_pChargingIcon->setVisible(false);
        m_Host.reloadMouse();
    });
}

// ---------------------------------------------------------------- the poller's reports

void DeviceStatus::showMouseOff()
{
    m_bMouseOffShown = true;
    m_pBatteryBar->setTextVisible(false);
    m_pBatteryBar->setText(mouseOffText());
    m_pBatteryBar->setStyleSheet(batteryOffStyleSheet(scaled(kBatteryFontPixels, uiScale())));
    m_pChargingIcon->setVisible(false);
    g_mouseOff.store(true);
    emit toolTipChanged();
}

void DeviceStatus::slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    showBattery(iCharge, iLowByte, iHiByte, true);
}

void DeviceStatus::showBattery(quint8 iCharge, quint8 iLowByte, quint8 iHiByte, bool reading)
{
    if (batteryIsOff(iCharge, iLowByte, iHiByte)) {
        showMouseOff();
        if (reading)
            emit batteryRead(0, false, true);
        return;
    }
    m_bMouseOffShown = false;
    m_pBatteryBar->setText(QString());
    m_pBatteryBar->setTextVisible(true);
    m_pBatteryBar->setFormat(m_bCablePresent ? QString() : QStringLiteral("%p%"));
    const QString style = batteryLevelStyleSheet(themeColour(), scaled(kBatteryFontPixels, uiScale()),
                                                 skinPath("bat1.png"), uiScale());
    // Setting a style sheet re-polishes the bar; skip it when nothing changed.
    if (m_pBatteryBar->styleSheet() != style)
        m_pBatteryBar->setStyleSheet(style);
    g_mouseOff.store(false);
    m_pChargingIcon->setVisible(iCharge != 0);

    const int level = interpretBattery(iCharge, iLowByte, iHiByte, m_iBatteryFull).level;
    if (level != m_iLastBattery) {
        m_iLastBattery = level;
        // The send in progress holds the data folder: the reading is recorded after it, so the
        // window never waits for the worker's save.
        if (reading)
            m_Host.whenIdle([level] { writeBattery(level); });
    }
    // The notice names the percentage the bar shows (full while the cable powers the mouse).
    const int shown = batteryBarValue(level, m_bCablePresent);
    m_pBatteryBar->setValue(shown);
    m_bCharging = iCharge != 0;
    emit toolTipChanged();
    if (reading)
        emit batteryRead(shown, m_bCharging, false);
}

void DeviceStatus::slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode)
{
    Q_UNUSED(iMode)
    // The sets are the download worker's while a send runs (the poller is stopped for the
    // download itself; a notice queued just before is dropped).
    if (m_Host.isSending())
        return;
    if (iProfile != m_Working.ProfileID)
        slotRefreshProfile(iProfile);
    if (iDPI != m_Working.current().dpi)
        slotRefreshDPIStage(iDPI);
    if (iRate != m_Working.current().pollrate)
        slotRefreshRate(iRate);
}

void DeviceStatus::slotRefreshProfile(quint8 iProfile)
{
    // A notice naming a profile the mouse cannot have is ignored rather than indexing past the slots.
    if (iProfile >= kProfileSlotCount)
        return;
    m_Host.followSlot(iProfile);
    applyPointerSpeed(systemPointerSpeed(), m_Working.current());
    showProfileOsd(iProfile);
}

void DeviceStatus::showProfileOsd(int slot)
{
    m_pOsd->showText(QCoreApplication::translate("MousecfgWidget", "Profile") + QString(" %1").arg(slot + 1));
}

void DeviceStatus::slotRefreshDPIStage(quint8 iDPI)
{
    // A stage past the eight a profile has is ignored, as a profile past the slots is.
    if (iDPI >= kDpiStageCount)
        return;
    ProfileData &current = m_Working.current();
    current.dpi = iDPI;
    m_Host.refreshPanels();
    writeProfileDpi(m_Working.slotNames[m_Working.ProfileID % kProfileSlotCount], iDPI);
    const int dpi = dpiForStep(current.dpiInfo[iDPI].x, m_Settings.sensorId);
    m_pOsd->showText(QCoreApplication::translate("MousecfgWidget", "DPI") +
                     QString(" %1:%2").arg(iDPI + 1).arg(dpi));
}

void DeviceStatus::slotRefreshRate(quint8 iRate)
{
    m_Working.current().pollrate = iRate;
    m_Host.refreshPanels();
    m_pOsd->showText(reportRateOsdText(iRate));
}

void DeviceStatus::slotRefreshWriteStatus(quint8 iStatus)
{
    if (iStatus == 0)
        writeDiff(1);
}
