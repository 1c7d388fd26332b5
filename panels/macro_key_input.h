#pragma once
// The keyboard while the macro page holds it (a recording, or a key step being edited): the
// page's window grabs it, so every key reaches the page and none acts on the desktop, and each
// key comes out as the hook's pair with its time on a clock of real elapsed time.

#include <QElapsedTimer>
#include <QObject>

class KeyCapture;
class QWidget;
struct CapturedKey;

class MacroKeyInput : public QObject {
    Q_OBJECT
public:
    explicit MacroKeyInput(QWidget *page);

    // Takes the keyboard (nothing when it is held already); release() gives it back.
    void grab();
    void release();
    bool isGrabbing() const { return m_pCapture != nullptr; }
    // A new recording: its first key decides how the keys are timed.
    void restartTiming() { m_bTimeSourceChosen = false; }

signals:
    // Key code, flags as the hook gives them, time in milliseconds.
    void keyCaptured(int keyCode, int flags, qint64 timeMs);

private:
    bool onCapturedKey(const CapturedKey &key);
    qint64 eventTimeMs(qint64 eventTimestamp);

    QWidget *m_pPage;
    KeyCapture *m_pCapture = nullptr;
    // Key event times: the events' own timestamps when they carry one, else this clock.
    QElapsedTimer m_Clock;
    bool m_bEventTimes = false;
    bool m_bTimeSourceChosen = false;
};
