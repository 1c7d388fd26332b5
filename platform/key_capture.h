#pragma once
// Keyboard capture for the key dialogs and the macro recorder: while a capture is attached to a
// shown window, that window holds the keyboard grab (so Tab, Alt, Super and chords reach it and
// do not act on the desktop), and each of its key events is handed to the owner as the pair a
// PC keyboard hook delivers (set-1 scan code, hook flags of key_capture_codes.h) with the
// program's key code already worked out.
//
// Use:
//     m_pCapture = new KeyCapture([this](const CapturedKey &key) { return onKey(key); }, this);
//     m_pCapture->attach(windowHandle());   // after create()/winId(); grabs while shown
// The grab is released when the window is hidden or destroyed, when detach() is called and when
// the capture is destroyed, so a dialog that owns its capture never leaves the keyboard grabbed,
// however it closes. The handler returns true to consume the key (the window's widgets do not
// see it) or false to let it through. Auto-repeated presses are delivered (with autoRepeat set)
// and carry the same pair as the first press, as a hook's repeats do. The release of a key that
// was pressed before the capture began (or before the window was last shown) is not delivered.
//
// On X11 and Wayland the native scan code of an event is the evdev key code + 8; an event
// without one falls back on its Qt::Key. Keys with no set-1 code the program can name are not
// delivered. Wayland compositors may refuse the grab; keys still arrive while the window has
// the focus.

#include "platform/key_capture_codes.h"

#include <QObject>
#include <QPointer>
#include <QSet>

#include <functional>
#include <optional>

class QKeyEvent;
class QWindow;

struct CapturedKey {
    uint8_t scanCode = 0;    // set 1, make code
    uint8_t flags = 0;       // kHookExtended | kHookAltDown | kHookKeyUp
    uint8_t keyCode = 0;     // keyCodeFromHook(scanCode, flags)
    bool autoRepeat = false; // a held key's repeated press
    quint64 timestamp = 0;   // the event's time in milliseconds (the window system's clock)

    bool isKeyUp() const { return flags & kHookKeyUp; }
};

// Turns Qt key events into captured keys. Keeps which Alt keys are held, for the Alt-down flag:
// it is set on every event while an Alt key is held, including the Alt key's own press, and
// clear on an Alt key's release (as a hook reports left Alt as 0x20 down, 0x80 up and right Alt
// as 0x21 down, 0x81 up).
class KeyEventConverter {
public:
    // The captured key of a key press or release; nothing for a key without a set-1 code.
    std::optional<CapturedKey> convert(const QKeyEvent &event);

private:
    bool m_bLeftAlt = false;
    bool m_bRightAlt = false;
};

class KeyCapture : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(const CapturedKey &key)>;

    explicit KeyCapture(Handler handler, QObject *parent = nullptr);
    ~KeyCapture() override;

    // Watch `window`'s key events and hold the keyboard grab while it is shown (now, if it is
    // visible already). Replaces an earlier window.
    void attach(QWindow *window);
    // Stop watching and release the grab.
    void detach();

    bool isAttached() const;
    // Whether this capture wants the grab now: attached to a window that is shown.
    bool isGrabbing() const { return m_bWanted; }
    // Whether the window system granted it (offscreen and some Wayland compositors never do).
    bool isGrantedByPlatform() const { return m_bGranted; }
    // Captures of this process that want the grab now; 0 once every capture window is closed.
    static int grabbingCount();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void grab();
    void release();

    Handler m_Handler;
    QPointer<QWindow> m_pWindow;
    KeyEventConverter m_Converter;
    bool m_bWanted = false;
    bool m_bGranted = false;
    QSet<int> m_Held; // keys pressed since the grab began: scan code | extended << 8
};
