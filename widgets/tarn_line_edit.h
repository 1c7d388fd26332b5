#pragma once
// A line edit that reports losing the keyboard focus.

#include <QLineEdit>

class TarnLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TarnLineEdit(QWidget *parent = nullptr);

signals:
    void tarnLostFocus();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
