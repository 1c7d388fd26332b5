#pragma once
// The few places where the widget classes of Qt 5 and Qt 6 differ, so that the rest of the window
// code reads the same on both.

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPoint>
#include <QtGlobal>

// The argument of QWidget::enterEvent: a plain event in Qt 5, an enter event in Qt 6.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using WidgetEnterEvent = QEnterEvent;
#else
using WidgetEnterEvent = QEvent;
#endif

// The pointer's position on the screen at a mouse event.
inline QPoint globalMousePos(const QMouseEvent &event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event.globalPosition().toPoint();
#else
    return event.globalPos();
#endif
}

// The window scales itself from the screen's logical DPI; the toolkit's own widget scaling stays
// off, so that geometry comes from the window's scale factor only and is the same on both. Qt 6
// always scales unless told so by the environment, before the application object exists.
inline void useOwnScalingOnly()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
#else
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
#endif
}

// Pixmaps drawn at the screen's device pixel ratio (always so in Qt 6). After the application
// object exists.
inline void useHighDpiPixmaps()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}
