#pragma once
// One row of a step list: a label with a hidden number editor (1..99999) that a press opens and
// Enter or focus loss closes. A row may also carry the macro step it shows.

#include "storage/macro_event.h"

#include <QWidget>

class QLabel;
class TarnLineEdit;

class TarnListItem : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinValue = 1;
    static constexpr int kMaxValue = 99999;

    explicit TarnListItem(QWidget *parent = nullptr);
    ~TarnListItem() override;

    // The number shown through the format ("%1" by default, e.g. "%1 ms"); bounded to 1..99999.
    void setValue(int value);
    int value() const { return m_iValue; }
    void setValueFormat(const QString &format);
    // A row that shows a text instead of a number; such a row does not open the editor.
    void setText(const QString &text);
    QString text() const;

    void setStep(const MacroEvent &step) { m_Step = step; }
    MacroEvent step() const { return m_Step; }

    bool isEditing() const;

signals:
    // Editing ended with an accepted number (already shown).
    void valueEdited(int value);

public slots:
    void editPressSlot();
    void lostFocusSlot();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void showValue();

    QLabel *m_pLabel;
    TarnLineEdit *m_pEdit;
    QString m_strFormat = QStringLiteral("%1");
    int m_iValue = kMinValue;
    bool m_bNumeric = true;
    MacroEvent m_Step;
};
