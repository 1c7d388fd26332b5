#pragma once
// The progress dialog of a download: the process picture with the loading animation over it,
// centred on the window, until the worker reports the end.

#include <QDialog>

class QLabel;
class QMovie;

class TarnProcessDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSide = 128; // pixels, not scaled

    explicit TarnProcessDialog(QWidget *parent = nullptr);

    QMovie *animation() const { return m_pMovie; }

public slots:
    // The worker is done: close with result 1.
    void slotProcessDlg();
    // Advances the animation by one frame (for a caller that drives it while the loop is busy).
    void updateProgress();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QMovie *m_pMovie;
};
