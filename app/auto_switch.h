#pragma once
// Automatic profile switching: when another application comes to the front, the mouse takes the
// profile slot the stored rules choose for it, exactly as a slot button does. Nothing is sent
// when that slot is already active; during a send the switch waits and then takes the slot last
// wanted. A slot chosen by hand stays until the next change of application.

#include "platform/focused_app_source.h"

#include <QObject>

#include <functional>
#include <memory>

class AutoSwitch : public QObject {
    Q_OBJECT
public:
    class Host {
    public:
        virtual ~Host() = default;
        virtual int activeSlotIndex() const = 0;                  // 0..4
        virtual void whenIdle(std::function<void()> step) = 0;     // now, or after the send
        virtual void chooseSlotIndex(int index) = 0;               // as the slot button does
    };

    // `backend.source` may be null: then nothing follows the focus, and unavailable() says why.
    AutoSwitch(Host &host, FocusedAppBackend backend, QObject *parent = nullptr);
    ~AutoSwitch() override;

    bool available() const { return m_pSource != nullptr; }
    const QString &unavailable() const { return m_Unavailable; }
    FocusUnavailable unavailableReason() const { return m_Reason; }
    // Null when unavailable; the window connects a source that needs feeding (the bus reports).
    FocusedAppSource *source() const { return m_pSource.get(); }

    // The rules are read at each change of application, so a change made by mousecfgctl or the
    // dialog counts from the next one.
    void onFocusChanged(const FocusedApp &app);

private:
    Host &m_Host;
    std::unique_ptr<FocusedAppSource> m_pSource;
    QString m_Unavailable;
    FocusUnavailable m_Reason;
    int m_iWanted = 0;      // the slot (1..5) the last change of application asked for
    bool m_bPending = false; // a switch waits for the send in progress
};
