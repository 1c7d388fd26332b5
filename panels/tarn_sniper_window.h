#pragma once
// The sniper dialog: picks the low resolution a button with the sniper function drops to while
// it is held. A slider over a small, sensor-dependent range of sensor steps shows the DPI of the
// chosen step.
//
// Use:
//     TarnSniperWindow dialog(sensorId, scaleFactor, parent); // the model's sensor, default step
//     dialog.setValue(button.Res1);                 // when the button already has the function
//     if (dialog.exec() == QDialog::Accepted)
//         button.Res1 = dialog.value();
// setSensor() replaces the sensor and selects its default step.

#include <QDialog>
#include <QPixmap>

class QLabel;
class QToolButton;
class TarnSlider;

class TarnSniperWindow : public QDialog {
    Q_OBJECT
public:
    // `sensorId` is the settings' "MouseSenSor/1", `scale` the main window's scale factor. Selects
    // the sensor's default step.
    TarnSniperWindow(int sensorId, double scale, QWidget *parent = nullptr);

    // Another sensor (the tests, a mouse switch); selects its default step.
    void setSensor(int sensorId);
    int sensor() const { return m_iSensor; }

    // A step outside the sensor's valid steps becomes its default; the slider takes the sensor's
    // range and the step, and SetSniperValue reports it. A sensor without a sniper range takes
    // any step and keeps the slider's range.
    void setValue(int step);
    // The chosen step (the slider follows the user without signalling); read it after exec().
    quint8 value() const { return m_iValue; }

    // For the tests and the screenshots.
    TarnSlider *slider() const { return m_pSlider; }
    QLabel *valueLabel() const { return m_pValue; }
    QToolButton *okButton() const { return m_pOk; }
    QToolButton *cancelButton() const { return m_pCancel; }

signals:
    void SetSniperValue(quint8 step);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void onSliderChanged(int step);

private:
    void showStep(int step);

    double m_dScale;
    QPixmap m_Background;
    int m_iSensor = 0;
    quint8 m_iValue = 0;
    QLabel *m_pCaption = nullptr;
    TarnSlider *m_pSlider = nullptr;
    QLabel *m_pValue = nullptr;
    QToolButton *m_pOk = nullptr;
    QToolButton *m_pCancel = nullptr;
};
