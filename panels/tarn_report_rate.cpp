#include "panels/tarn_report_rate.h"

#include "widgets/theme.h"
#include "device/battery_poller.h"
#include "model/report_rates.h"
#include "storage/log_categories.h"
#include "storage/settings_file.h"
#include "widgets/skin.h"
#include "widgets/tarn_push_button.h"
#include "widgets/theme.h"

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

namespace {

constexpr int kMenuWidth = 150;
constexpr int kTitlePixels = 13;
const QRect kTitleRect(20, 20, 170, 20);
const QRect kRateButtonRect(20, 40, 152, 28);

} // namespace

TarnReportRate::TarnReportRate(const ProfileData &profile, double scale, QWidget *parent)
    : QWidget(parent), m_dScale(scale)
{
    m_pTitle = new QLabel(this);
    m_pTitle->setStyleSheet("color: rgb(225,225,225); background: transparent;");
    m_pRateButton = new TarnPushButton({skinPath("rate.png")}, this);
    m_pRateButton->setCursor(Qt::PointingHandCursor);
    m_pRateButton->setFocusPolicy(Qt::NoFocus);
    m_pMenu = new QMenu(m_pRateButton);
    for (int i = 0; i < kReportRateCount; ++i)
        m_Actions[i] = m_pMenu->addAction(QString());
    m_pRateButton->setMenu(m_pMenu);
    connect(m_pMenu, &QMenu::triggered, this, &TarnReportRate::onRateTriggered);

    m_pLiftLabel = new QLabel(this);
    m_pLiftGroup = new QButtonGroup(this);
    m_pLiftGroup->setExclusive(true);
    for (int id = 0; id < 2; ++id) {
        m_pLift[id] = new QRadioButton(this);
        m_pLiftGroup->addButton(m_pLift[id], id);
    }
    connect(m_pLiftGroup, &QButtonGroup::idClicked, this, &TarnReportRate::onRadioChanged);

    retranslate();
    refresh(profile, 0);
    rescalePanel(m_dScale);
}

QRadioButton *TarnReportRate::liftButton(int id) const
{
    return id == 0 || id == 1 ? m_pLift[id] : nullptr;
}

void TarnReportRate::refresh(const ProfileData &profile, quint8 lift)
{
    m_iRate = profile.pollrate;
    const QString text = reportRateText(m_iRate);
    if (!text.isEmpty())
        m_pRateButton->setText(text);
    m_iLift = lift == 1 || lift == 2 ? lift : 2;
    m_pLift[m_iLift - 1]->setChecked(true);
}

void TarnReportRate::refreshFromProfile(const PanelContext &context)
{
    if (context.current)
        refresh(*context.current, context.lift);
}

void TarnReportRate::copyValuesInto(ProfileData &profile) const
{
    profile.pollrate = m_iRate;
}

void TarnReportRate::retranslate()
{
    m_pTitle->setText(tr("REPORT RATE"));
    for (int i = 0; i < kReportRateCount; ++i)
        m_Actions[i]->setText(reportRateText(reportRates()[size_t(i)].code));
    const QString text = reportRateText(m_iRate);
    if (!text.isEmpty())
        m_pRateButton->setText(text);
    m_pLiftLabel->setText(tr("Lift off Distance"));
    m_pLift[0]->setText(tr("1 mm"));
    m_pLift[1]->setText(tr("2 mm"));
}

void TarnReportRate::onRateTriggered(QAction *action)
{
    for (int i = 0; i < kReportRateCount; ++i) {
        if (m_Actions[i] == action) {
            // Only the panel's code changes; Apply copies it into the profile.
            m_iRate = reportRates()[size_t(i)].code;
            m_pRateButton->setText(action->text());
        }
    }
}

void TarnReportRate::onRadioChanged()
{
    const int id = m_pLiftGroup->checkedId();
    if (id < 0)
        return;
    m_iLift = quint8(id + 1);
    qCDebug(lcPanels, "m_iLift = %d", m_iLift);
    emit RefreshLift(m_iLift);
}

void TarnReportRate::rescalePanel(double factor)
{
    m_dScale = factor;
    const QFont font = languageFont(m_dScale);
    QFont title = font;
    title.setPixelSize(qMax(1, int(kTitlePixels * m_dScale)));
    title.setBold(true);
    m_pTitle->setFont(title);
    m_pRateButton->setFont(font);
    m_pMenu->setFont(font);
    m_pMenu->setStyleSheet(menuStyleSheet(themeColour(), font.pixelSize()));
    m_pMenu->setFixedWidth(scaled(kMenuWidth, m_dScale));
    layoutChildren();
}

void TarnReportRate::layoutChildren()
{
    m_pTitle->setGeometry(scaledRect(kTitleRect, m_dScale));
    m_pRateButton->setGeometry(scaledRect(kRateButtonRect, m_dScale));
    // The lift-off choice is kept but takes no room.
    m_pLiftLabel->setGeometry(QRect());
    m_pLift[0]->setGeometry(QRect());
    m_pLift[1]->setGeometry(QRect());
}
