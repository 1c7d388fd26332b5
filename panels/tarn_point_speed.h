#pragma once
// The pointer panel of the DPI page: the host pointer speed (slider) and wheel scroll speed (spin
// box) of the current profile, both 1..20, written into the profile as they change.

#include "panels/profile_panel.h"

#include <QWidget>

class QLabel;
class QSpinBox;
class TarnSlider;
struct ProfileData;

class TarnPointSpeed : public QWidget, public ProfilePanel {
    Q_OBJECT
public:
    // `profile` is edited in place and may be null (nothing to edit until a refresh).
    TarnPointSpeed(ProfileData *profile, double scale, QWidget *parent = nullptr);

    // Edits `profile` from now on and shows its speeds (the controls keep to 1..20).
    void refresh(ProfileData *profile);
    void retranslate();

    TarnSlider *slider() const { return m_pSlider; }
    QSpinBox *spinBox() const { return m_pSpin; }

    // ProfilePanel
    void refreshFromProfile(const PanelContext &context) override { refresh(context.current); }
    void copyValuesInto(ProfileData &profile) const override;
    void retranslatePanel() override { retranslate(); }
    void rescalePanel(double factor) override;

public slots:
    void sValueChangedSlot(int s);

private slots:
    void onSliderChanged(int value);

private:
    void applyLook();
    void fitTitles();

    ProfileData *m_pProfile;
    double m_dScale;
    QLabel *m_pPointerTitle = nullptr;
    TarnSlider *m_pSlider = nullptr;
    QLabel *m_pPointerValue = nullptr;
    QLabel *m_pScrollTitle = nullptr;
    QSpinBox *m_pSpin = nullptr;
};
