#include "osd/osd_overlay.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

// A message's own numbers are bounded, so a damaged record cannot pin the overlay on screen
// or paint a text larger than any screen.
constexpr int kMaxDurationMs = 10000;
constexpr int kMinHeight = 8;
constexpr int kMaxHeight = 200;
// The dark plate behind the text keeps it legible over any window.
const QColor kPlate(12, 12, 16, 176);
constexpr double kFrameWidth = 2.0;

} // namespace

QRect osdOverlayGeometry(const QRect &area, const QSize &size)
{
    const int x = area.left() + (area.width() - size.width()) / 2;
    const int bottom = area.bottom() - area.height() / 10;
    const int y = std::max(area.top(), bottom - size.height() + 1);
    return QRect(QPoint(x, y), size);
}

OsdOverlay::OsdOverlay(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput
                          | Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    m_HideTimer.setSingleShot(true);
    m_HideTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_HideTimer, &QTimer::timeout, this, [this] {
        hide();
        emit finished();
    });
}

void OsdOverlay::setScale(double scale) { m_dScale = std::clamp(scale, 1.0, 5.0); }

QFont OsdOverlay::textFont() const
{
    QFont font(m_Message.fontFace);
    font.setPixelSize(int(std::clamp(m_Message.height, kMinHeight, kMaxHeight) * m_dScale));
    font.setBold(true);
    return font;
}

int OsdOverlay::margin() const { return int(std::max(4.0, textFont().pixelSize() * 0.35)); }

void OsdOverlay::layOut(const OsdMessage &message, const QRect &area)
{
    m_Message = message;
    const QFontMetrics metrics(textFont());
    const int pad = margin();
    const int widest = std::max(1, area.width() - 2 * pad - area.width() / 10);
    m_sShown = metrics.elidedText(message.text, Qt::ElideRight, widest);
    const QSize size(metrics.horizontalAdvance(m_sShown) + 2 * pad, metrics.height() + pad);
    setGeometry(osdOverlayGeometry(area, size));
    update();
}

void OsdOverlay::showMessage(const OsdMessage &message)
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    setScale(screen ? screen->logicalDotsPerInch() / 96.0 : 1.0);
    layOut(message, area);
    if (message.text.isEmpty()) {
        // An empty text takes the one showing away.
        m_HideTimer.stop();
        hide();
        return;
    }
    show();
    m_HideTimer.start(std::clamp(message.durationMs, 0, kMaxDurationMs));
}

int OsdOverlay::remainingMs() const { return isVisible() ? m_HideTimer.remainingTime() : -1; }

void OsdOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = osdColour(m_Message.colour);
    const double frame = kFrameWidth * m_dScale;
    const QRectF plate = QRectF(rect()).adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2);
    const double radius = margin() * 0.6;
    painter.setPen(QPen(accent, frame));
    painter.setBrush(kPlate);
    painter.drawRoundedRect(plate, radius, radius);
    painter.setFont(textFont());
    painter.setPen(accent);
    painter.drawText(rect(), Qt::AlignCenter, m_sShown);
}
