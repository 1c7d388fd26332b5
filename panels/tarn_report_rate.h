#pragma once
// The report-rate panel of the DPI page: the USB report rate of the current profile, chosen from
// a drop-down menu, and the set-wide lift-off distance (kept, but laid out hidden). The chosen
// rate reaches the profile only on Apply.

#include "panels/profile_panel.h"
#include "model/report_rates.h"
#include "storage/profile_data.h"

#include <QWidget>

class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QRadioButton;
class TarnPushButton;

class TarnReportRate : public QWidget, public ProfilePanel {
    Q_OBJECT
public:
    TarnReportRate(const ProfileData &profile, double scale, QWidget *parent = nullptr);

    // Takes the record's rate code and text (a code outside the table keeps the text)
    // and selects the lift choice (1 or 2; anything else is 2).
    void refresh(const ProfileData &profile, quint8 lift);
    void retranslate();

    quint8 rateCode() const { return m_iRate; }
    quint8 lift() const { return m_iLift; }
    TarnPushButton *rateButton() const { return m_pRateButton; }
    QMenu *rateMenu() const { return m_pMenu; }
    QRadioButton *liftButton(int id) const;

    // ProfilePanel
    void refreshFromProfile(const PanelContext &context) override;
    void copyValuesInto(ProfileData &profile) const override;
    void retranslatePanel() override { retranslate(); }
    void rescalePanel(double factor) override;

signals:
    void RefreshLift(quint8 iLift);

public slots:
    void onRadioChanged();

private slots:
    void onRateTriggered(QAction *action);

private:
    void layoutChildren();

    quint8 m_iRate = 0;
    quint8 m_iLift = 2;
    double m_dScale;
    QLabel *m_pTitle = nullptr;
    TarnPushButton *m_pRateButton = nullptr;
    QMenu *m_pMenu = nullptr;
    QAction *m_Actions[kReportRateCount] = {};
    QLabel *m_pLiftLabel = nullptr;
    QButtonGroup *m_pLiftGroup = nullptr;
    QRadioButton *m_pLift[2] = {};
};
