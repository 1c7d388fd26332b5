#pragma once
// Two sliders over one range, drawn as two bars: X on top, Y below. Coupled, a move of either
// handle moves both. Besides the mouse, the keyboard (arrows one value, Page Up/Down a page,
// Home/End the ends) and the wheel move the bar last pressed, or the one under the wheel.

#include <QColor>
#include <QWidget>

class TarnTwoBarSlider : public QWidget {
    Q_OBJECT
public:
    explicit TarnTwoBarSlider(QWidget *parent = nullptr);

    // A maximum below the minimum is taken as the minimum; both values are bounded to the range.
    void setRange(int minimum, int maximum);
    int minimum() const { return m_iMin; }
    int maximum() const { return m_iMax; }

    // Sets both handles (bounded to the range) without signalling.
    void setValues(int x, int y);
    int xValue() const { return m_iX; }
    int yValue() const { return m_iY; }

    // Coupling moves Y to X (without signalling); from then on both move together.
    void setCoupled(bool coupled);
    bool isCoupled() const { return m_bCoupled; }

    QSize sizeHint() const override;

    // The bar the keys move: 0 X, 1 Y.
    int keyBar() const { return m_iKeyBar; }
    // Values a Page Up/Down moves.
    static constexpr int kPageStep = 10;

signals:
    // A change made with the mouse.
    void SliderChangedSignal(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    enum Bar { NoBar = -1, XBar = 0, YBar = 1 };
    QRect barRect(int bar) const;
    int handleRadius() const;
    int valueAt(int x) const;
    void dragTo(int x);
    // Moves `bar` (both when coupled) to `value`, bounded to the range; signals a change.
    void moveBar(int bar, int value);

    int m_iMin = 0;
    int m_iMax = 100;
    int m_iX = 0;
    int m_iY = 0;
    bool m_bCoupled = false;
    int m_iDragBar = NoBar;
    int m_iKeyBar = XBar;
    int m_iWheelRemainder = 0;
    QColor m_Accent;
};
