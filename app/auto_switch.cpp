#include "app/auto_switch.h"

#include "storage/log_categories.h"

#include <QCoreApplication>
#include <QPointer>

AutoSwitch::AutoSwitch(Host &host, FocusedAppBackend backend, QObject *parent)
    : QObject(parent), m_Host(host), m_pSource(std::move(backend.source)), m_Unavailable(backend.unavailable),
      m_Reason(backend.reason)
{
    if (m_pSource)
        connect(m_pSource.get(), &FocusedAppSource::focusChanged, this, &AutoSwitch::onFocusChanged);
    else
        qCDebug(lcApp).noquote() << "automatic profile switching is not available:" << m_Unavailable;
}

AutoSwitch::~AutoSwitch() = default;

void AutoSwitch::onFocusChanged(const FocusedApp &app)
{
    // Our own window in front is the user coming to edit the profiles, not another application:
    // switching to the default there would change the profile under their hands.
    if (app.pid == QCoreApplication::applicationPid())
        return;
    const int slot = switchSlotFor(loadAppSwitchRules(), app);
    qCDebug(lcApp).noquote() << "in front:" << app.executable << app.classes.join(',') << "-> slot" << slot;
    if (slot == 0)
        return;
    m_iWanted = slot;
    if (m_bPending)
        return;
    m_bPending = true;
    m_Host.whenIdle([self = QPointer<AutoSwitch>(this)] {
        if (!self)
            return;
        self->m_bPending = false;
        if (self->m_iWanted - 1 != self->m_Host.activeSlotIndex())
            self->m_Host.chooseSlotIndex(self->m_iWanted - 1);
    });
}
