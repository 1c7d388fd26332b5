#pragma once
// The progress dialog of a download: the process picture with the loading animation over it,
// centred on the window, until the worker reports the end.

#include <QDialog>

class QLabel;
class QMovie;

class TarnProcessDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSide = 128; // design units: pixels at scale 1.0

    // `scale` is the window's scale factor: the box and its animation grow with the window.
    explicit TarnProcessDialog(QWidget *parent = nullptr, double scale = 1.0);

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
