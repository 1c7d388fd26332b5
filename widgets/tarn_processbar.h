#pragma once
// The battery bar: a progress bar that can paint a text of its own over the bar ("MOUSE OFF").

#include <QProgressBar>

class TarnProcessbar : public QProgressBar {
    Q_OBJECT
public:
    explicit TarnProcessbar(QWidget *parent = nullptr);

    // Empty: no own text.
    void setText(const QString &text);
    QString ownText() const { return m_strText; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_strText;
};
