#include "panels/dpi_entry.h"

#include "widgets/theme.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int kLargestFigure = 999999;

} // namespace

DpiEntry::DpiEntry(QWidget *parent) : QSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setKeyboardTracking(false);
    setAccelerated(true);
    // A figure out of the sensor's range is still taken (the row snaps it to the range's end)
    // rather than refused without a word.
    setRange(0, kLargestFigure);
    // The finest sensor step is 50 DPI; the arrows move by it, the row snaps anyway.
    setSingleStep(50);
    const QColor accent = themeColour();
    setStyleSheet(QStringLiteral("QSpinBox{background-color: rgb(24,24,28); color: rgb(255,255,255);"
                                 " border: 1px solid rgb(%1,%2,%3); padding: 0px 2px;}")
                      .arg(accent.red())
                      .arg(accent.green())
                      .arg(accent.blue()));
    hide();
}

void DpiEntry::open(const QRect &area, int dpi)
{
    setValue(dpi);
    // The figure keeps the size of the label it stands in for (the inner field would not follow).
    lineEdit()->setFont(font());
    setGeometry(area);
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

void DpiEntry::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        finish(true);
        return;
    case Qt::Key_Escape:
        finish(false);
        return;
    default:
        QSpinBox::keyPressEvent(event);
    }
}

void DpiEntry::focusOutEvent(QFocusEvent *event)
{
    QSpinBox::focusOutEvent(event);
    // Clicking elsewhere takes what was typed, as leaving a field does everywhere else.
    if (!isHidden())
        finish(true);
}

void DpiEntry::finish(bool take)
{
    if (isHidden() || m_bClosing)
        return;
    m_bClosing = true;
    // The typed text, even when Enter came before the spin box read it back.
    interpretText();
    const int dpi = value();
    // Let go of the keyboard before hiding, or it would pass on to the next field of the window.
    clearFocus();
    hide();
    m_bClosing = false;
    if (take)
        emit entered(dpi);
}
