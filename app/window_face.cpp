#include "app/window_face.h"

#include "widgets/skin.h"
#include "widgets/theme.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

WindowFace::WindowFace(QWidget &window, int forcedStep) : m_Window(window), m_iForcedStep(forcedStep)
{
    m_iStep = m_iForcedStep >= 0 ? scaleForStep(m_iForcedStep).step : screenStep();
    m_dFactor = scaleForStep(m_iStep).factor;
    setUiScale(m_dFactor);
    // The largest picture of the window, and the shape taken from it: made while the controls
    // are built. (The battery bar draws its picture through its style sheet.)
    m_DecodingPixels = backgroundPixels();
    m_DecodingFill = steadyWindowFill(m_Window.palette());
    m_Decoding = std::async(std::launch::async, decodePictures, m_DecodingPixels, backgroundSize(), m_DecodingFill);
}

QSize WindowFace::backgroundSize() const
{
    return QSize(scaled(kDesignWidth, m_dFactor), scaled(kDesignHeight, m_dFactor));
}

QSize WindowFace::backgroundPixels() const
{
    return backgroundSize() * m_Window.devicePixelRatioF();
}

WindowFace::Pictures WindowFace::decodePictures(const QSize &pixels, const QSize &size, const QColor &fill)
{
    Pictures pictures;
    // Painted from the high-resolution picture where there is one, so the window stays crisp.
    pictures.background = loadSkinImage(skinPath("cfgMainback.png"), pixels);
    pictures.shape = shapeMaskImage(pictures.background, size);
    if (fill.isValid() && !pictures.background.isNull())
        pictures.background = flattenedOnto(pictures.background, fill);
    return pictures;
}

void WindowFace::take(Pictures pictures)
{
    const size_t step = static_cast<size_t>(m_iStep);
    m_Backgrounds[step] = std::move(pictures.background);
    m_Shapes[step] = pictures.shape.isNull() ? QBitmap() : QBitmap::fromImage(pictures.shape);
}

int WindowFace::screenStep() const
{
    QScreen *screen = nullptr;
    if (m_Window.isVisible())
        screen = QGuiApplication::screenAt(m_Window.geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    const int step = scaleForRatio(screen->logicalDotsPerInch() / 96.0).step;
    return stepFittingScreen(step, screen->availableGeometry().size());
}

bool WindowFace::fitInto(const QSize &available)
{
    const int step = stepFittingScreen(m_iStep, available);
    if (step == m_iStep)
        return false;
    setStep(step);
    return true;
}

void WindowFace::ensureBackground()
{
    const QSize pixels = backgroundPixels();
    const size_t step = static_cast<size_t>(m_iStep);
    const QColor fill = steadyWindowFill(m_Window.palette());
    if (fill != m_Fill) {
        m_Backgrounds.fill(QImage());
        m_Fill = fill;
    }
    if (m_Decoding.valid()) {
        Pictures decoded = m_Decoding.get();
        if (m_DecodingPixels == pixels && m_DecodingFill == fill && m_Backgrounds[step].isNull())
            take(std::move(decoded));
    }
    if (m_Backgrounds[step].isNull() || m_Backgrounds[step].size() != pixels)
        take(decodePictures(pixels, backgroundSize(), fill));
    m_Backgrounds[step].setDevicePixelRatio(m_Window.devicePixelRatioF());
    if (!m_Shapes[step].isNull())
        m_Window.setMask(m_Shapes[step]);
}

void WindowFace::paletteChanged()
{
    // Before the first background there is nothing to draw again; the first one takes the fill
    // in force then.
    if (!m_Backgrounds[static_cast<size_t>(m_iStep)].isNull() && steadyWindowFill(m_Window.palette()) != m_Fill)
        ensureBackground();
}

void WindowFace::paint(QPainter &painter) const
{
    const QImage &background = m_Backgrounds[static_cast<size_t>(m_iStep)];
    if (!background.isNull())
        painter.drawImage(0, 0, background);
    else
        painter.fillRect(m_Window.rect(), QColor(16, 16, 20));
}

bool WindowFace::followScreen()
{
    const int step = m_iForcedStep >= 0 ? m_iStep : screenStep();
    const bool changed = m_iResizeStep >= 0 && step != m_iResizeStep && step != m_iStep;
    if (changed)
        setStep(step);
    m_iResizeStep = m_iStep;
    return changed;
}

void WindowFace::setStep(int step)
{
    m_iStep = scaleForStep(step).step;
    m_dFactor = scaleForStep(step).factor;
    setUiScale(m_dFactor);
    m_Window.resize(scaled(kDesignWidth, m_dFactor), scaled(kDesignHeight, m_dFactor));
    ensureBackground();
}
