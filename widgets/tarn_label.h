#pragma once
// A label that reports a left click.

#include <QLabel>

class TarnLabel : public QLabel {
    Q_OBJECT
public:
    explicit TarnLabel(const QString &text = QString(), QWidget *parent = nullptr);

signals:
    void EnterSignal(TarnLabel *label);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
