#include "widgets/tarn_line_edit.h"

TarnLineEdit::TarnLineEdit(QWidget *parent) : QLineEdit(parent) {}

void TarnLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    emit tarnLostFocus();
}
