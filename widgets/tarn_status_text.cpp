#include "widgets/tarn_status_text.h"

#include "widgets/theme.h"

#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <QPropertyAnimation>
#include <QTimer>

namespace {

// Amber: readable on the dark face and apart from any theme colour a user picks.
const QColor kWarningColour(240, 180, 60);

} // namespace

TarnStatusText::TarnStatusText(QWidget *parent)
    : QLabel(parent), m_pOpacity(new QGraphicsOpacityEffect(this)),
      m_pFade(new QPropertyAnimation(m_pOpacity, "opacity", this)), m_pHold(new QTimer(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGraphicsEffect(m_pOpacity);
    m_pFade->setDuration(kFadeMs);
    m_pFade->setStartValue(1.0);
    m_pFade->setEndValue(0.0);
    connect(m_pFade, &QPropertyAnimation::finished, this, [this] {
        hide();
        clear();
    });
    m_pHold->setSingleShot(true);
    m_pHold->setInterval(kConfirmationMs);
    connect(m_pHold, &QTimer::timeout, m_pFade, [this] { m_pFade->start(); });
    hide();
}

void TarnStatusText::showText(const QString &text, Kind kind)
{
    m_pHold->stop();
    m_pFade->stop();
    m_pOpacity->setOpacity(1.0);
    m_kind = kind;
    setText(text);
    setToolTip(text);
    show();
    raise();
    if (kind == Confirmation)
        m_pHold->start();
}

void TarnStatusText::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(fontFittingText(font(), text(), contentsRect().size()));
    painter.setPen(m_kind == Warning ? kWarningColour : themeColour());
    painter.drawText(contentsRect(), Qt::AlignCenter, text());
}
