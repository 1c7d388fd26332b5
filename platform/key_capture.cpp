#include "platform/key_capture.h"

#include "storage/log_categories.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

#include <atomic>

namespace {

// X11 and Wayland report the evdev key code + 8 as the native scan code.
constexpr quint32 kEvdevOffset = 8;

// Captures wanting the grab; touched on the GUI thread only, atomic for the checks of tests
// and diagnostics that may read it elsewhere.
std::atomic<int> g_grabbing{0};

// The platforms without a window system never grant a grab (and warn on every request).
bool platformCanGrab()
{
    const QString name = QGuiApplication::platformName();
    return name != QLatin1String("offscreen") && name != QLatin1String("minimal");
}

std::optional<ScanCode> scanCodeOf(const QKeyEvent &event)
{
    const quint32 native = event.nativeScanCode();
    if (native > kEvdevOffset) {
        if (const auto scan = scanCodeFromEvdev(int(native - kEvdevOffset)))
            return scan;
    }
    return scanCodeFromQtKey(event.key(), event.modifiers() & Qt::KeypadModifier);
}

} // namespace

std::optional<CapturedKey> KeyEventConverter::convert(const QKeyEvent &event)
{
    if (event.type() != QEvent::KeyPress && event.type() != QEvent::KeyRelease)
        return std::nullopt;
    const auto scan = scanCodeOf(event);
    if (!scan)
        return std::nullopt;
    const bool up = event.type() == QEvent::KeyRelease;
    const bool isAlt = scan->code == 56;
    if (isAlt)
        (scan->extended ? m_bRightAlt : m_bLeftAlt) = !up;
    // The event's modifiers cover an Alt pressed before the capture began; on an Alt key's own
    // release they still name it, so they are not asked then.
    const bool altDown = m_bLeftAlt || m_bRightAlt || (!(isAlt && up) && (event.modifiers() & Qt::AltModifier));

    CapturedKey key;
    key.scanCode = scan->code;
    key.flags = uint8_t((scan->extended ? kHookExtended : 0) | (altDown ? kHookAltDown : 0) |
                        (up ? kHookKeyUp : 0));
    key.keyCode = keyCodeFromHook(key.scanCode, key.flags);
    key.autoRepeat = event.isAutoRepeat();
    key.timestamp = event.timestamp();
    return key;
}

KeyCapture::KeyCapture(Handler handler, QObject *parent) : QObject(parent), m_Handler(std::move(handler)) {}

KeyCapture::~KeyCapture()
{
    detach();
}

bool KeyCapture::isAttached() const
{
    return !m_pWindow.isNull();
}

int KeyCapture::grabbingCount()
{
    return g_grabbing.load();
}

void KeyCapture::attach(QWindow *window)
{
    detach();
    if (!window)
        return;
    m_pWindow = window;
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, &KeyCapture::release);
    m_Converter = KeyEventConverter();
    if (window->isVisible())
        grab();
}

void KeyCapture::detach()
{
    release();
    if (m_pWindow) {
        m_pWindow->removeEventFilter(this);
        disconnect(m_pWindow, nullptr, this, nullptr);
    }
    m_pWindow = nullptr;
}

void KeyCapture::grab()
{
    if (!m_bWanted) {
        m_bWanted = true;
        ++g_grabbing;
    }
    if (!m_bGranted && m_pWindow && platformCanGrab()) {
        m_bGranted = m_pWindow->setKeyboardGrabEnabled(true);
        qCDebug(lcPlatform) << "key capture: keyboard grab" << (m_bGranted ? "granted" : "not granted yet");
    }
}

void KeyCapture::release()
{
    if (m_bGranted && m_pWindow)
        m_pWindow->setKeyboardGrabEnabled(false);
    if (m_bGranted)
        qCDebug(lcPlatform) << "key capture: keyboard grab released";
    m_bGranted = false;
    m_Held.clear();
    if (m_bWanted) {
        m_bWanted = false;
        --g_grabbing;
    }
}

bool KeyCapture::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_pWindow)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        grab();
        break;
    case QEvent::Expose:
    case QEvent::FocusIn:
        // An X server refuses a grab for a window that is not mapped yet; the window is mapped
        // once it is exposed or focused.
        if (m_bWanted && !m_bGranted)
            grab();
        break;
    case QEvent::Hide:
        release();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (const auto key = m_Converter.convert(*static_cast<QKeyEvent *>(event))) {
            // The release of a key pressed before the capture began (the Return that chose the
            // menu entry opening the dialog) is not a key of the capture.
            const int id = key->scanCode | ((key->flags & kHookExtended) << 8);
            if (!key->isKeyUp())
                m_Held.insert(id);
            else if (!m_Held.remove(id))
                break;
            return m_Handler && m_Handler(*key);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
