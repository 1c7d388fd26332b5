#pragma once
// The parts of the colour editor: the hue strip, the saturation/value square with its ring, the
// old/new preview and a preset swatch. Each paints itself at the size it is given; the
// arithmetic between pixels and levels is colour_arithmetic.h.

#include "widgets/qt_widgets_compat.h"

#include <QColor>
#include <QWidget>

// Vertical hue strip: hue 0 at the bottom, 360 at the top.
class HColorArea : public QWidget {
    Q_OBJECT
public:
    explicit HColorArea(QWidget *parent = nullptr);
    int hue() const { return m_iHue; }
    // Moves the marker without emitting.
    void setHue(int hue);

signals:
    void hueChangedSignal(int hue);
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void pick(int y);
    int m_iHue = 0;
};

// Saturation from left to right, value from bottom to top, for the current hue. x and y are in
// pixels of the square, y counted from the bottom.
class SVColorArea : public QWidget {
    Q_OBJECT
public:
    explicit SVColorArea(QWidget *parent = nullptr);
    int hue() const { return m_iHue; }
    int pointX() const { return m_iX; }
    int pointY() const { return m_iY; }
    // Moves the ring without emitting.
    void setPoint(int x, int y);

signals:
    void svChangedSignal(int h, int s, int v);
    void mouseReleaseSignal();

public slots:
    void hueChangedSlot(int hue);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void pick(const QPoint &position);
    int m_iHue = 0;
    int m_iX = 0;
    int m_iY = 0;
};

// Old colour on the left half, new colour on the right half.
class PreviewColorArea : public QWidget {
    Q_OBJECT
public:
    PreviewColorArea(double scale, QWidget *parent = nullptr);
    QColor oldColor() const { return m_OldColor; }
    QColor newColor() const { return m_NewColor; }
    void setOldColor(const QColor &colour);
    void setNewColor(const QColor &colour);

signals:
    // Hue, saturation and value as levels (hue 0..359, saturation and value 0..255).
    void svChangedSignal(int h, int s, int v);

public slots:
    // From the square: s and v in square pixels.
    void svChangedSlot(int h, int s, int v);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_dScale;
    QColor m_OldColor;
    QColor m_NewColor;
};

// One preset swatch.
class DefaultColorArea : public QWidget {
    Q_OBJECT
public:
    DefaultColorArea(const QColor &colour, QWidget *parent = nullptr);
    QColor color() const { return m_Color; }

signals:
    void ClickedSignal();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(WidgetEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QColor m_Color;
    bool m_bHover = false;
};

