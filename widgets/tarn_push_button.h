#pragma once
// A push button drawn from skin images, one per visual state, with the state's text colour.

#include "widgets/qt_widgets_compat.h"
#include "widgets/skin.h"

#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QVector>

class TarnPushButton : public QPushButton {
    Q_OBJECT
public:
    enum State { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    // `images`: full paths, normal, hover, pressed (and disabled when a fourth is given).
    // `iconPath`: an optional picture drawn over the image; none when empty.
    explicit TarnPushButton(const QStringList &images = {}, QWidget *parent = nullptr,
                            const QString &iconPath = QString());

    void setImages(const QStringList &images);
    QStringList images() const { return m_images; }

    // The button's own checkable flag (not the base class's); also returns to the normal state.
    void setCheckable(bool flag);
    bool isCheckable() const { return m_bCheckable; }
    // Page tabs, slot buttons, hot-spots: on = flag and state hover (selected) or normal.
    void setSelected(bool flag);
    bool isOn() const { return m_bOn; }

    int stateIndex() const { return m_iState; }
    // The image drawn in the current state: the state's image, or the normal one when the list
    // has no image for that state; -1 without images.
    int imageIndex() const;
    // The image the next paint draws and its size in device pixels; no path when it draws none.
    SkinImageRequest paintedImage() const;
    QColor textColour() const;
    // The language font, made narrower or smaller when the text would not fit between the
    // button's edges.
    QFont textFont() const;

signals:
    void EnterSignal(TarnPushButton *button);
    void OverSignal(TarnPushButton *button, bool bType);

protected:
    void enterEvent(WidgetEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setState(int state);
    const QPixmap &imageForSize(int index, const QSize &pixels);

    QStringList m_images;
    QVector<QPixmap> m_scaledImages; // per image, at the size last drawn
    QPixmap m_icon;
    int m_iState = Normal;
    bool m_bCheckable = false;
    bool m_bOn = false;
    bool m_bSuppressLeave = false;
};
