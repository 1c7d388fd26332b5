#pragma once
// A slider that jumps to where it is clicked and reports every change the mouse makes.

#include <QSlider>

class TarnSlider : public QSlider {
    Q_OBJECT
public:
    explicit TarnSlider(Qt::Orientation orientation = Qt::Horizontal, QWidget *parent = nullptr);

signals:
    void MouseChange(int value);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void moveTo(const QPoint &position);

    bool m_bDragging = false;
};

// The value at `position` pixels along a groove `length` pixels long, bounded to minimum..maximum.
int sliderValueAt(int position, int length, int minimum, int maximum);

class QColor;
class QString;
// The style of the program's horizontal sliders at a scale factor: a groove filled with a
// gradient of the theme colour up to the handle, grey beyond it, a round handle in the theme colour.
QString themedSliderStyleSheet(const QColor &theme, double scale);
