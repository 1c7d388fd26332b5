#pragma once
// The window's face: the scale step it is drawn at (a forced one, or the one its screen's
// logical DPI asks for, as far as the window then fits the screen) and its background picture at that step, which also cuts the frameless
// window to its shape.

#include "app/window_rules.h"

#include <QBitmap>
#include <QColor>
#include <QImage>

#include <array>
#include <future>

class QPainter;
class QSize;
class QWidget;

class WindowFace {
public:
    // Takes the forced step (0..16; any negative one: none) or the screen's, and puts its factor
    // in force for every control. `window` must outlive the face.
    WindowFace(QWidget &window, int forcedStep);

    int step() const { return m_iStep; }
    double factor() const { return m_dFactor; }

    // The background and shape at the current step and the window's pixel ratio. The face starts
    // decoding the background when it is made; this takes it (waiting for it if need be).
    void ensureBackground();
    void paint(QPainter &painter) const;
    // The window's palette changed: a background drawn over its old fill is drawn again.
    void paletteChanged();
    // A smaller step when the window at the current one would not fit `available`; true when the
    // step changed (the controls then need laying out again).
    bool fitInto(const QSize &available);
    // After the window was resized: when its screen now asks for another step (and none is
    // forced), that step is put in force, with the window's size and background. True then: the
    // controls need laying out again.
    bool followScreen();

private:
    // The background at a step's pixels and the window's shape at its size, made together on
    // any thread.
    struct Pictures {
        QImage background;
        QImage shape;
    };
    static Pictures decodePictures(const QSize &pixels, const QSize &size, const QColor &fill);
    void take(Pictures pictures);
    int screenStep() const;
    void setStep(int step);
    QSize backgroundPixels() const;
    QSize backgroundSize() const;

    QWidget &m_Window;
    int m_iForcedStep;
    int m_iStep = 0;
    double m_dFactor = 1.0;
    int m_iResizeStep = -1;
    // Drawn over m_Fill where that is one colour (steadyWindowFill), which needs a quarter less
    // memory than the picture with its alpha.
    std::array<QImage, kLastScaleStep + 1> m_Backgrounds;
    QColor m_Fill;
    std::array<QBitmap, kLastScaleStep + 1> m_Shapes;
    std::future<Pictures> m_Decoding;  // the first step's pictures, made on another thread
    QSize m_DecodingPixels;
    QColor m_DecodingFill;
};
