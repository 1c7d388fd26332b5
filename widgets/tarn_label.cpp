#include "widgets/tarn_label.h"

#include <QMouseEvent>

TarnLabel::TarnLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

void TarnLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit EnterSignal(this);
    QLabel::mousePressEvent(event);
}
