#pragma once
// Tools for the --screenshots renderers: every page, panel state, menu and dialog is saved as
// a PNG named after what it shows. Each module renders its own pictures through one session.

#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QStringList>

class MousecfgWidget;
class QAction;
class QMenu;
class QWidget;

class ScreenshotSession {
public:
    ScreenshotSession(MousecfgWidget &window, const QString &folder);

    MousecfgWidget &window() const { return m_Window; }
    // Lets posted events (layouts, repaints, queued reports) run.
    static void settle();
    // Saves `pixmap` as `name` in the folder; a failure is kept for error().
    void save(const QPixmap &pixmap, const QString &name);
    // The window as it is now.
    void saveWindow(const QString &name);
    // An open menu's picture, `active` highlighted.
    static QPixmap menuPixmap(QMenu *menu, QAction *active);
    // `overlay` drawn over `under` at `at`.
    static QPixmap composite(const QPixmap &under, const QPixmap &overlay, const QPoint &at);
    // The window with `dialog` (shown off screen for the picture) centred over it.
    QPixmap dialogOverWindow(QWidget *dialog) const;

    bool ok() const { return m_Error.isEmpty(); }
    QString error() const { return m_Error; }
    QStringList written() const { return m_Written; }

private:
    MousecfgWidget &m_Window;
    QString m_Folder;
    QString m_Error;
    QStringList m_Written;
};
