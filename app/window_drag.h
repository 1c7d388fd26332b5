#pragma once
// Moving the frameless window by dragging its open surface (or a control that leaves the press
// to the window) with the left button, once the pointer has gone past the drag threshold.

#include <QObject>
#include <QPoint>

class QWidget;

class WindowDrag : public QObject {
public:
    // Watches `window`'s mouse events; the window keeps handling them as before.
    explicit WindowDrag(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_Window;
    bool m_bPressed = false;
    QPoint m_PressGlobal;
    QPoint m_WindowAtPress;
};
