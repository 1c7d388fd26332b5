#include "panels/macro_key_input.h"

#include "platform/key_capture.h"

#include <QWidget>

MacroKeyInput::MacroKeyInput(QWidget *page) : QObject(page), m_pPage(page)
{
    m_Clock.start();
}

void MacroKeyInput::grab()
{
    if (m_pCapture)
        return;
    // The page's window takes the keyboard. The pointer is not grabbed, so "STOP" stays in
    // reach.
    QWidget *top = m_pPage->window();
    top->winId();
    m_pCapture = new KeyCapture([this](const CapturedKey &key) { return onCapturedKey(key); }, this);
    m_pCapture->attach(top->windowHandle());
}

void MacroKeyInput::release()
{
    if (!m_pCapture)
        return;
    m_pCapture->detach();
    m_pCapture->deleteLater();
    m_pCapture = nullptr;
}

bool MacroKeyInput::onCapturedKey(const CapturedKey &key)
{
    // A held key repeats as release and press pairs on X11 (both marked as repeats): only the
    // first press and the real release are steps.
    if (!key.autoRepeat)
        emit keyCaptured(key.keyCode, key.flags, eventTimeMs(qint64(key.timestamp)));
    return true; // consumed: no field of the window types the keys meanwhile
}

qint64 MacroKeyInput::eventTimeMs(qint64 eventTimestamp)
{
    // The first key decides: keys that carry a timestamp are timed by it, others by the
    // monotonic clock. Either counts real elapsed time.
    if (!m_bTimeSourceChosen) {
        m_bEventTimes = eventTimestamp != 0;
        m_bTimeSourceChosen = true;
    }
    return m_bEventTimes ? eventTimestamp : m_Clock.elapsed();
}
