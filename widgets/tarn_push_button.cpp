#include "widgets/tarn_push_button.h"

#include "widgets/skin.h"
#include "widgets/theme.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

TarnPushButton::TarnPushButton(const QStringList &images, QWidget *parent, const QString &iconPath)
    : QPushButton(parent)
{
    setImages(images);
    if (!iconPath.isEmpty())
        m_icon = QPixmap(iconPath);
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
}

void TarnPushButton::setImages(const QStringList &images)
{
    m_images = images;
    m_scaledImages = QVector<QPixmap>(images.size());
    update();
}

void TarnPushButton::setCheckable(bool flag)
{
    m_bCheckable = flag;
    setState(Normal);
}

void TarnPushButton::setSelected(bool flag)
{
    m_bOn = flag;
    setState(flag ? Hover : Normal);
}

int TarnPushButton::imageIndex() const
{
    if (m_images.isEmpty())
        return -1;
    return m_iState < m_images.size() ? m_iState : Normal;
}

SkinImageRequest TarnPushButton::paintedImage() const
{
    const int index = imageIndex();
    if (index < 0 || rect().isEmpty())
        return {};
    return {m_images.at(index), rect().size() * devicePixelRatioF()};
}

QFont TarnPushButton::textFont() const
{
    // Clear of the face's border and corner cuts on both sides.
    const int margin = qMax(3, height() / 4);
    return fontFittingText(languageFont(), text(), rect().adjusted(margin, 0, -margin, 0).size());
}

QColor TarnPushButton::textColour() const
{
    return buttonStateTextColour(m_iState);
}

void TarnPushButton::setState(int state)
{
    if (m_iState == state)
        return;
    m_iState = state;
    update();
}

void TarnPushButton::changeEvent(QEvent *event)
{
    // Follows every change of the enabled state, including one inherited from a parent.
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            setState(Disabled);
        else
            setState(m_bCheckable && m_bOn ? Hover : Normal);
    }
    QPushButton::changeEvent(event);
}

void TarnPushButton::enterEvent(WidgetEnterEvent *event)
{
    if (isEnabled()) {
        emit OverSignal(this, true);
        if (m_images.size() > 1)
            setState(Hover);
    }
    QPushButton::enterEvent(event);
}

void TarnPushButton::leaveEvent(QEvent *event)
{
    if (isEnabled()) {
        if (!m_bSuppressLeave)
            emit OverSignal(this, false);
        m_bSuppressLeave = false;
        setState(m_bCheckable && m_bOn ? Hover : Normal);
    }
    QPushButton::leaveEvent(event);
}

void TarnPushButton::mousePressEvent(QMouseEvent *event)
{
    if (isEnabled() && event->button() == Qt::LeftButton) {
        const bool wasOn = m_bOn;
        m_bOn = !m_bOn;
        m_bSuppressLeave = true;
        if (m_images.size() > 2)
            setState(wasOn ? Normal : Pressed);
        emit EnterSignal(this);
    }
    QPushButton::mousePressEvent(event);
}

void TarnPushButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (isEnabled() && event->button() == Qt::LeftButton && m_images.size() > 1)
        setState(Hover);
    QPushButton::mouseReleaseEvent(event);
}

const QPixmap &TarnPushButton::imageForSize(int index, const QSize &pixels)
{
    QPixmap &cached = m_scaledImages[index];
    if (cached.isNull() || cached.size() != pixels)
        cached = loadSkinPixmap(m_images.at(index), pixels);
    return cached;
}

void TarnPushButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect area = rect();
    const SkinImageRequest painted = paintedImage();
    if (!painted.path.isEmpty()) {
        const QPixmap &image = imageForSize(imageIndex(), painted.pixels);
        if (!image.isNull())
            painter.drawPixmap(area, image);
    }
    if (!m_icon.isNull()) {
        QSize iconSize = m_icon.size();
        if (iconSize.width() > area.width() || iconSize.height() > area.height())
            iconSize.scale(area.size(), Qt::KeepAspectRatio);
        QRect iconArea(QPoint(0, 0), iconSize);
        iconArea.moveCenter(area.center());
        painter.drawPixmap(iconArea, m_icon);
    }
    if (!text().isEmpty()) {
        painter.setFont(textFont());
        painter.setPen(textColour());
        painter.drawText(area, Qt::AlignCenter, text());
    }
}
