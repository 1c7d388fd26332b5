#pragma once
// Typing a DPI figure: a spin box that opens over a DPI label of a stage row (on a double-click),
// takes the figure with Enter or on leaving it, and closes without a change on Escape. The row
// snaps what was typed to the nearest step of its sensor and shows the result.

#include <QSpinBox>

class DpiEntry : public QSpinBox {
    Q_OBJECT
public:
    explicit DpiEntry(QWidget *parent = nullptr);

    // Opens over `area` (the label's rectangle in the parent) with `dpi`, all of it selected,
    // with the keyboard. Any figure up to six digits is taken: the row brings it into range.
    void open(const QRect &area, int dpi);

    // Closes without taking what was typed (Escape does).
    void cancel() { finish(false); }

signals:
    // The figure typed; the entry has closed.
    void entered(int dpi);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void finish(bool take);

    bool m_bClosing = false;
};
