#include "app/tray_icon_ahead.h"

#include "app/start_marks.h"
#include "widgets/skin.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace {

// A tray that draws the icons itself (over the session bus) gives no sign of having drawn ours.
constexpr int kLatestBuildMs = 250;

class IconAhead;
IconAhead *g_ahead = nullptr;  // only touched by the thread that starts the program

// The icon until the window's tray takes it, and the window's build until it is done. Owned by
// the application, and gone when its event loop ends: a tray icon still alive when the
// application object is destroyed outlives the toolkit's widget state and crashes the exit (a
// start ended before the window took the icon).
class IconAhead : public QObject {
public:
    // Watches from before the icon is shown: a tray may draw it while it is being shown.
    IconAhead() : QObject(QCoreApplication::instance()), icon(new QSystemTrayIcon(this))
    {
        QCoreApplication::instance()->installEventFilter(this);
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);
    }
    ~IconAhead() override { g_ahead = nullptr; }

    void waitForDrawing(std::function<void()> build, std::function<void(QSystemTrayIcon::ActivationReason)> clicked)
    {
        m_build = std::move(build);
        m_clicked = std::move(clicked);
        QTimer::singleShot(m_drawn ? 0 : kLatestBuildMs, this, &IconAhead::buildNow);
        connect(icon, &QSystemTrayIcon::activated, this, &IconAhead::onClicked);
    }

    void buildNow()
    {
        if (!m_build)
            return;
        QCoreApplication::instance()->removeEventFilter(this);
        disconnect(icon, &QSystemTrayIcon::activated, this, &IconAhead::onClicked);
        const std::function<void()> build = std::move(m_build);
        m_build = nullptr;
        build();
        deleteLater();
    }

    QPointer<QSystemTrayIcon> icon;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Before the window exists, the only window to be drawn is the icon's in the tray.
        if (event->type() == QEvent::Expose && watched->isWindowType() && !m_drawn &&
            static_cast<QWindow *>(watched)->isExposed()) {
            m_drawn = true;
            markStart("tray icon drawn");
            // After the icon's paint that this exposure brings.
            QTimer::singleShot(0, this, &IconAhead::buildNow);
        }
        return false;
    }

private:
    void onClicked(QSystemTrayIcon::ActivationReason reason)
    {
        const std::function<void(QSystemTrayIcon::ActivationReason)> clicked = std::move(m_clicked);
        m_clicked = nullptr;
        buildNow();
        if (clicked)
            clicked(reason);
    }

    std::function<void()> m_build;
    std::function<void(QSystemTrayIcon::ActivationReason)> m_clicked;
    bool m_drawn = false;
};

} // namespace

QIcon programIcon()
{
    // An icon file that cannot be read leaves the icon without sizes (asking it for a pixmap
    // would scale one).
    QIcon icon(skinPath("icon.ico"));
    if (icon.availableSizes().isEmpty())
        icon = QIcon(skinPath("icon.png"));
    return icon;
}

void showTrayIconAhead(const QString &toolTip)
{
    if (g_ahead || !QSystemTrayIcon::isSystemTrayAvailable())
        return;
    g_ahead = new IconAhead;
    g_ahead->icon->setIcon(programIcon());
    g_ahead->icon->setToolTip(toolTip);
    g_ahead->icon->show();
    markStart("tray icon shown");
}

void buildWhenTrayIconDrawn(std::function<void()> build,
                            std::function<void(QSystemTrayIcon::ActivationReason)> clicked)
{
    if (g_ahead)
        g_ahead->waitForDrawing(std::move(build), std::move(clicked));
    else
        build();
}

void buildTrayWindowNow()
{
    if (g_ahead)
        g_ahead->buildNow();
}

QSystemTrayIcon *takeTrayIconShownAhead()
{
    if (!g_ahead)
        return nullptr;
    QSystemTrayIcon *icon = g_ahead->icon;
    g_ahead->icon = nullptr;
    return icon;
}
