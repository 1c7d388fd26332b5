#pragma once
// The frame the button panel's dialogs share: a frameless, translucent modal dialog on the
// design grid, drawn over the dialog skin with the theme-coloured border, plus the controls
// they have in common (heading, key field, check boxes, number fields).

#include <QDialog>
#include <QPixmap>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;

class TarnPanelDialog : public QDialog {
    Q_OBJECT
public:
    // Size in design units (scaled by the window scale factor).
    TarnPanelDialog(int designWidth, int designHeight, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

    // `widget` at a rectangle in design units.
    static void place(QWidget *widget, int x, int y, int w, int h);
    // A centred white heading in the language font.
    QLabel *makeHeading(const QString &text);
    // The framed field that shows a key name.
    QLabel *makeKeyField();
    // A check box drawn with "checkbox2-1.png" (clear) and "checkbox2-2.png" (ticked).
    QCheckBox *makeCheckBox(const QString &text);
    // A centred number field of at most 3 characters taking 1..255.
    QLineEdit *makeNumberField(const QString &text);
    // The accept and reject buttons, centred in a row `y` design units from the top.
    void addButtons(const QString &acceptText, const QString &rejectText, int y);

private:
    QPixmap m_background;
};
