#pragma once
// The companion's overlay: the text of one message in its colour and font, on a translucent
// dark plate, frameless, above every window and never taking a click or the focus. It shows for
// the message's time near the bottom centre of the screen; a new message replaces the one
// showing and starts its time afresh.

#include "platform/osd_record.h"

#include <QRect>
#include <QTimer>
#include <QWidget>

// Where the overlay of `size` stands in `area`: centred across, its bottom edge a tenth of the
// area's height above the area's bottom (never above the area's top).
QRect osdOverlayGeometry(const QRect &area, const QSize &size);

class OsdOverlay : public QWidget {
    Q_OBJECT
public:
    explicit OsdOverlay(QWidget *parent = nullptr);

    // Text sizes and margins are multiplied by `scale` (1.0 at 96 dots per inch).
    void setScale(double scale);
    // Sizes the overlay for `message` and places it in `area`, without showing it.
    void layOut(const OsdMessage &message, const QRect &area);
    // Shows `message` in the available area of the screen under the pointer, at that screen's
    // scale.
    void showMessage(const OsdMessage &message);

    OsdMessage message() const { return m_Message; }
    // The text as painted: cut with an ellipsis when the screen is too narrow for it.
    QString shownText() const { return m_sShown; }
    // Time left before the overlay hides, in milliseconds; -1 when hidden.
    int remainingMs() const;

signals:
    // The overlay hid after its time.
    void finished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont textFont() const;
    int margin() const;

    OsdMessage m_Message;
    QString m_sShown;
    double m_dScale = 1.0;
    QTimer m_HideTimer;
};
