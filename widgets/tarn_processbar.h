#pragma once
// The battery bar: a progress bar that can paint a text of its own over the bar ("MOUSE OFF").

#include <QFont>
#include <QProgressBar>
#include <QRect>

class TarnProcessbar : public QProgressBar {
    Q_OBJECT
public:
    explicit TarnProcessbar(QWidget *parent = nullptr);

    // Empty: no own text.
    void setText(const QString &text);
    QString ownText() const { return m_strText; }
    // The font the own text is painted in: the language font, made smaller when the text would
    // not fit the bar (a long translation, a small bar).
    QFont ownTextFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect ownTextArea() const;

    QString m_strText;
};
