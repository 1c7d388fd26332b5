#pragma once
// A line of text on a window that tells the user how something went without a box to close: a
// confirmation fades out by itself after a few seconds; a warning stays until the next text.

#include <QLabel>

class QGraphicsOpacityEffect;
class QPropertyAnimation;
class QTimer;

class TarnStatusText : public QLabel {
    Q_OBJECT
public:
    enum Kind { Confirmation, Warning };
    static constexpr int kConfirmationMs = 4000; // shown in full before the fade
    static constexpr int kFadeMs = 800;

    explicit TarnStatusText(QWidget *parent = nullptr);

    // Shows `text` in the look of `kind`, replacing whatever was shown.
    void showText(const QString &text, Kind kind);
    Kind kind() const { return m_kind; }

protected:
    // The text in the look of its kind, in the window's font made smaller where the line is too
    // short for it (a long translation).
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind = Confirmation;
    QGraphicsOpacityEffect *m_pOpacity;
    QPropertyAnimation *m_pFade;
    QTimer *m_pHold;
};
