#include "app/tray.h"

#include "app/device_status.h"
#include "app/start_marks.h"
#include "app/tray_icon_ahead.h"
#include "app/window_controls.h"
#include "app/window_rules.h"
#include "platform/autostart.h"
#include "storage/data_paths.h"
#include "storage/log_categories.h"
#include "widgets/theme.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>

Tray::Tray(QWidget &window, DeviceStatus &status)
    : QObject(&window), m_Window(window), m_Status(status), m_pLoadAction(new QAction(this)),
      m_pQuitAction(new QAction(this)), m_pAutostartAction(new QAction(this)),
      m_pAutoSwitchAction(new QAction(this)), m_pMenu(new QMenu(&window)),
      m_pIcon(takeTrayIconShownAhead())
{
    retranslate();
    connect(m_pLoadAction, &QAction::triggered, &m_Status, &DeviceStatus::slotWarning);
    connect(m_pQuitAction, &QAction::triggered, qApp, &QCoreApplication::quit);
    m_pAutostartAction->setCheckable(true);
    m_pAutostartAction->setChecked(Autostart::isEnabled());
    connect(m_pAutostartAction, &QAction::toggled, this, &Tray::onAutostartToggled);
    m_pMenu->addAction(m_pLoadAction);
    m_pMenu->addAction(m_pAutostartAction);
    m_pMenu->addAction(m_pAutoSwitchAction);
    m_pMenu->addAction(m_pQuitAction);
    // The entry may have been removed or switched off in the desktop's own settings meanwhile.
    connect(m_pMenu, &QMenu::aboutToShow, this, [this] {
        const QSignalBlocker blocker(m_pAutostartAction);
        m_pAutostartAction->setChecked(Autostart::isEnabled());
    });
    rescale();

    // A start into the tray has shown the icon already.
    const bool shownAhead = m_pIcon != nullptr;
    if (shownAhead) {
        m_pIcon->setParent(this);
    } else {
        m_pIcon = new QSystemTrayIcon(this);
        m_pIcon->setIcon(programIcon());
    }
    m_pIcon->setContextMenu(m_pMenu);
    connect(m_pIcon, &QSystemTrayIcon::activated, this, &Tray::onActivated);
    m_Window.setWindowIcon(m_pIcon->icon());
    connect(&m_Status, &DeviceStatus::toolTipChanged, this, &Tray::showToolTip);
    showToolTip();
    m_bAvailable = shownAhead || QSystemTrayIcon::isSystemTrayAvailable();
    if (m_bAvailable && !shownAhead) {
        m_pIcon->show();
        markStart("tray icon shown");
    } else if (!m_bAvailable) {
        markStart("no tray to show the icon in");
    }
}

void Tray::activate(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Context)
        m_pMenu->popup(QCursor::pos());
    else
        onActivated(reason);
}

void Tray::hideWindow()
{
    if (m_bAvailable)
        m_Window.hide();
    else
        m_Window.showMinimized();
}

void Tray::rescale()
{
    applyMenuLook(m_pMenu);
    m_pMenu->setMinimumWidth(scaled(designRect(LayoutItem::LanguageButton).width(), uiScale()));
}

void Tray::retranslate()
{
    // The window's texts: translated in its context, where the language files keep them.
    m_pLoadAction->setText(QCoreApplication::translate("MousecfgWidget", "&Load Config"));
    m_pQuitAction->setText(QCoreApplication::translate("MousecfgWidget", "&Quit"));
    m_pAutostartAction->setText(QCoreApplication::translate("MousecfgWidget", "Start with the desktop"));
    m_pAutoSwitchAction->setText(QCoreApplication::translate("MousecfgWidget", "Automatic switching…"));
}

void Tray::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (trayAction(reason, m_Window.isVisible(), m_Status.isWarningOpen())) {
    case TrayAction::ShowWindow:
        m_Status.slotWarning();
        break;
    case TrayAction::HideWindow:
        m_Window.hide();
        break;
    case TrayAction::None:
        break;
    }
}

void Tray::onAutostartToggled(bool on)
{
    if (Autostart::setEnabled(on, QCoreApplication::applicationFilePath()))
        return;
    qCWarning(lcApp).noquote() << "cannot" << (on ? "write" : "remove") << Autostart::entryPath();
    const QSignalBlocker blocker(m_pAutostartAction);
    m_pAutostartAction->setChecked(Autostart::isEnabled());
}

void Tray::showToolTip()
{
    m_pIcon->setToolTip(m_Status.toolTip());
}

void Tray::showNotice(const QString &text, bool critical)
{
    m_LastNotice = text;
    if (m_pIcon->isVisible())
        m_pIcon->showMessage(readCurrentProductName(), text,
                             critical ? QSystemTrayIcon::Critical : QSystemTrayIcon::Warning);
}
