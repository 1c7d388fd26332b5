#pragma once
// The DPI panel: the DPI stages of the current profile, up to eight rows, each with its X and Y
// resolution on the slider of the mouse's sensor, and the choice of the active stage. It edits
// its own copy of the profile; the main window copies the stages and the active stage back on
// Apply.

#include "panels/profile_panel.h"
#include "storage/profile_data.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class TarnLabel;
class TarnSingleDPI;

class TarnDPIWindow : public QWidget, public ProfilePanel {
    Q_OBJECT
public:
    // Starts with sensor 3325 until loadProfile() names the model's; the stage count comes from
    // the model description.
    TarnDPIWindow(const ProfileData &profile, double scale, QWidget *parent = nullptr);

    // Sensor range and DPI labels of every row ("Config/CurrentProductName" decides the 3327's
    // top step).
    // The sensor's steps; some products cap a sensor's range, so the product name takes part.
    void setSensor(int sensorId, const QString &productName);
    int sensor() const { return m_iSensor; }
    // The profile's stages and active stage, on `sensorId`.
    void loadProfile(const ProfileData &profile, int sensorId, const QString &productName = QString());
    // Rows shown: the first n, or all eight when n is not 1..8 (the download then sends eight).
    // Hidden rows keep their values.
    void setStageCount(int n);
    int stageCount() const { return m_iStageCount; }

    const ProfileData &profileData() const { return m_ProfileData; }
    TarnSingleDPI *row(int index) const;
    QButtonGroup *selectorGroup() const { return m_pSelectorGroup; }

    // ProfilePanel
    void refreshFromProfile(const PanelContext &context) override;
    void copyValuesInto(ProfileData &profile) const override;
    void retranslatePanel() override;
    void rescalePanel(double factor) override;

signals:
    void MouseinSignal(quint8 row);

public slots:
    void onRadioChanged();
    void onLinkChanged(quint8 link, quint8 row);
    void onEnableChanged(quint8 enabled, quint8 row);
    void onSliderChanged(int x, int y, quint8 row);

private slots:
    void onRowPressed(quint8 row);

private:
    // The rows and the selector from m_ProfileData.
    void showStages();
    void setActiveStage(int stage);
    void highlight();
    void layoutRows();

    ProfileData m_ProfileData;
    int m_iSensor = 3325;
    int m_iStageCount = kDpiStageCount;
    double m_dScale;
    std::array<TarnSingleDPI *, kDpiStageCount> m_Rows{};
    QButtonGroup *m_pSelectorGroup = nullptr;
    TarnLabel *m_pTitle = nullptr;
};
