#pragma once
// The lighting page: the effect of the current profile with its brightness, speed and colour,
// the lighting sleep time and whether the lighting goes off while the mouse moves. It edits the
// lighting slot's record in place (PanelContext::lighting); Apply sends it.

#include "panels/profile_panel.h"

#include <QColor>
#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class TarnPushButton;
class TarnSlider;

class TarnColorWindow : public QWidget, public ProfilePanel {
    Q_OBJECT
public:
    TarnColorWindow(double scale, QWidget *parent = nullptr);

    // Shows `profile` and edits it from now on; then the texts again.
    void bind(ProfileData *profile);
    // The mouse reports a new effect: stored in the bound record and shown.
    void setEffect(int mode);
    // Every control from the bound record.
    void refresh();

    // ProfilePanel
    void refreshFromProfile(const PanelContext &context) override;
    void retranslatePanel() override;
    void rescalePanel(double factor) override;

    // For the screenshots and the tests.
    ProfileData *boundProfile() const { return m_pProfile; }
    TarnPushButton *effectButton() const { return m_pEffectButton; }
    QMenu *effectMenu() const { return m_pEffectMenu; }
    TarnSlider *brightnessSlider() const { return m_pBrightSlider; }
    TarnSlider *speedSlider() const { return m_pSpeedSlider; }
    TarnSlider *sleepSlider() const { return m_pSleepSlider; }
    QLabel *brightnessLabel() const { return m_pBrightLabel; }
    QLabel *speedLabel() const { return m_pSpeedLabel; }
    QLabel *colorLabel() const { return m_pColorLabel; }
    QLabel *sleepLabel() const { return m_pSleepLabel; }
    QLabel *minutesLabel() const { return m_pMinuteLabel; }
    QLabel *brightnessValueLabel() const { return m_pBrightValue; }
    QLabel *speedValueLabel() const { return m_pSpeedValue; }
    QPushButton *colorSwatch() const { return m_pSwatch; }
    QCheckBox *moveOffBox() const { return m_pMoveOffBox; }

public slots:
    // Stores `color` as the colour of the bound record's current effect (the editor's APPLY).
    void slotSendLedState(const QColor &color);
    // Opens the colour editor on the current effect's colour.
    void color_clicked();
    void checkbtn_clicked();

private slots:
    void onEffectTriggered(QAction *action);
    void onBrightnessChanged(int value);
    void onSpeedChanged(int value);
    void onSleepChanged(int value);

private:
    void build();
    void layoutControls();
    void showControlsFor(int mode);
    void showEffectMenu();
    void showMinutes();
    void showSwatch();
    // The bound record's lighting record of its current effect; null when there is none.
    LedModeInfo *currentLed() const;

    double m_dScale;
    ProfileData *m_pProfile = nullptr;
    int m_iSlot = -1; // the bound record's slot in the working set, for the log; -1 unknown
    bool m_bRefreshing = false; // the sliders are being set from the record, not by the user
    bool m_bShowSleep = true;
    bool m_bSpeedUpper = false;

    QLabel *m_pEffectLabel = nullptr;
    TarnPushButton *m_pEffectButton = nullptr;
    QMenu *m_pEffectMenu = nullptr;
    QLabel *m_pBrightLabel = nullptr;
    TarnSlider *m_pBrightSlider = nullptr;
    QLabel *m_pBrightValue = nullptr; // the level beside its slider, as the minutes beside sleep
    QLabel *m_pSpeedLabel = nullptr;
    TarnSlider *m_pSpeedSlider = nullptr;
    QLabel *m_pSpeedValue = nullptr;
    QLabel *m_pColorLabel = nullptr;
    QPushButton *m_pSwatch = nullptr;
    QLabel *m_pSleepLabel = nullptr;
    TarnSlider *m_pSleepSlider = nullptr;
    QLabel *m_pMinuteLabel = nullptr;
    QCheckBox *m_pMoveOffBox = nullptr;
};
