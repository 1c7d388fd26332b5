#include "app/screenshots/screenshot_session.h"

#include "app/mousecfg_widget.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPainter>

ScreenshotSession::ScreenshotSession(MousecfgWidget &window, const QString &folder)
    : m_Window(window), m_Folder(folder)
{
}

void ScreenshotSession::settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void ScreenshotSession::save(const QPixmap &pixmap, const QString &name)
{
    const QString path = m_Folder + "/" + name;
    if (!pixmap.save(path, "PNG")) {
        if (m_Error.isEmpty())
            m_Error = "cannot write " + path;
        return;
    }
    m_Written << name;
}

void ScreenshotSession::saveWindow(const QString &name)
{
    settle();
    save(m_Window.grab(), name);
}

QPixmap ScreenshotSession::menuPixmap(QMenu *menu, QAction *active)
{
    menu->ensurePolished();
    // Its full size: adjustSize() would cut a long menu to two thirds of the (offscreen) screen.
    menu->resize(menu->sizeHint());
    if (active)
        menu->setActiveAction(active);
    return menu->grab();
}

QPixmap ScreenshotSession::composite(const QPixmap &under, const QPixmap &overlay, const QPoint &at)
{
    QPixmap result = under;
    QPainter painter(&result);
    painter.drawPixmap(at, overlay);
    return result;
}

QPixmap ScreenshotSession::dialogOverWindow(QWidget *dialog) const
{
    settle();
    const QPixmap page = m_Window.grab();
    const bool wasHidden = !dialog->isVisible();
    dialog->setAttribute(Qt::WA_DontShowOnScreen);
    dialog->show();
    settle();
    const QPixmap picture = dialog->grab();
    if (wasHidden)
        dialog->hide();
    return composite(page, picture, QPoint((page.width() - picture.width()) / 2, (page.height() - picture.height()) / 2));
}
