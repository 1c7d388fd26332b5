#include "app/window_drag.h"

#include "app/window_rules.h"
#include "widgets/qt_widgets_compat.h"

#include <QMouseEvent>
#include <QWidget>

WindowDrag::WindowDrag(QWidget &window) : QObject(&window), m_Window(window)
{
    m_Window.installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_Window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::LeftButton) {
            m_bPressed = true;
            m_PressGlobal = globalMousePos(*press);
            m_WindowAtPress = m_Window.frameGeometry().topLeft();
        }
        break;
    }
    case QEvent::MouseMove: {
        auto *move = static_cast<QMouseEvent *>(event);
        if (m_bPressed && (move->buttons() & Qt::LeftButton)) {
            const QPoint distance = globalMousePos(*move) - m_PressGlobal;
            if (dragMoves(distance.x(), distance.y()))
                m_Window.move(m_WindowAtPress + distance);
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_bPressed = false;
        break;
    default:
        break;
    }
    return false;
}
