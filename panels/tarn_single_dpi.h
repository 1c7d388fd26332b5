#pragma once
// One DPI stage of the DPI panel: a two-handle slider for the X and Y resolution (sensor steps),
// the X, Y and DPI labels, the DPI ends of the sensor's range, the "Link XY" and enable boxes and
// the radio button that makes the stage the active one (the panel groups the eight).

#include "model/sensor_tables.h"

#include <QWidget>

#include <optional>

class DpiEntry;
class QCheckBox;
class QRadioButton;
class TarnLabel;
class TarnTwoBarSlider;

class TarnSingleDPI : public QWidget {
    Q_OBJECT
public:
    TarnSingleDPI(quint8 row, double scale, QWidget *parent = nullptr);

    quint8 row() const { return m_iRow; }
    // The sensor's slider range, range labels and "Link XY" box; an unknown sensor (no range)
    // keeps them as they are. The labels show the steps' DPI on the new sensor.
    void setSensor(int sensorId, const std::optional<SensorRange> &range);
    int sensor() const { return m_iSensor; }
    // From data, without signals: the handles (bounded to the range) and the labels.
    void setValues(int x, int y);
    void setLink(int link);
    void setStageEnabled(int enabled);
    // The active stage's texts take the theme colour, the others white.
    void setActive(bool active);
    bool isActive() const { return m_bActive; }

    void retranslate();
    void rescale(double scale);

    TarnTwoBarSlider *slider() const { return m_pSlider; }
    QRadioButton *selector() const { return m_pSelector; }
    QCheckBox *linkBox() const { return m_pLink; }
    QCheckBox *enableBox() const { return m_pEnable; }
    TarnLabel *xLabel() const { return m_pX; }
    TarnLabel *yLabel() const { return m_pY; }
    TarnLabel *dpiLabel() const { return m_pDpi; }
    TarnLabel *minLabel() const { return m_pMin; }
    TarnLabel *maxLabel() const { return m_pMax; }
    DpiEntry *entry() const { return m_pEntry; }

    // What a typed DPI figure sets: X, Y, or both (the "DPI" figure, or a linked stage).
    enum class Typed { Both, X, Y };
    // Opens the figure entry over the label of `what` (a double-click on the label does);
    // nothing on a sensor without a range.
    void typeDpi(Typed what);

signals:
    void DPISignal(int x, int y, quint8 row);
    void LinkSignal(quint8 link, quint8 row);
    void EnableSignal(quint8 enabled, quint8 row);
    void MouseinSignal(quint8 row);

public slots:
    void onStateChanged(int state);
    void onSliderChanged(int x, int y);
    void slotLabelClick(TarnLabel *label);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showValues(int x, int y);
    void takeTypedDpi(int dpi);
    void applyStyle();
    void layoutChildren();

    quint8 m_iRow;
    double m_dScale;
    int m_iSensor = 0;
    bool m_bActive = false;
    bool m_bLabelPressed = false;
    TarnTwoBarSlider *m_pSlider = nullptr;
    QRadioButton *m_pSelector = nullptr;
    QCheckBox *m_pLink = nullptr;
    QCheckBox *m_pEnable = nullptr;
    TarnLabel *m_pX = nullptr;
    TarnLabel *m_pY = nullptr;
    TarnLabel *m_pDpi = nullptr;
    TarnLabel *m_pMin = nullptr;
    TarnLabel *m_pMax = nullptr;
    DpiEntry *m_pEntry = nullptr;
    Typed m_Typed = Typed::Both;
    std::optional<SensorRange> m_Range;
};
