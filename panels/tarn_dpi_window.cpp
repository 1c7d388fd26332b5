#include "panels/tarn_dpi_window.h"

#include "device/command_set.h"
#include "model/sensor_tables.h"
#include "panels/tarn_single_dpi.h"
#include "storage/log_categories.h"
#include "storage/model_description.h"
#include "storage/settings_file.h"
#include "widgets/tarn_label.h"
#include "widgets/theme.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>

namespace {

// Design units of the panel (456 x 386) and its rows.
constexpr int kPanelHeight = 386;
constexpr int kRowX = 15;
constexpr int kRowTop = 43;
constexpr int kRowWidth = 440;
constexpr int kRowPitch = 50;
constexpr int kRowHeight = 48;
constexpr int kRowGap = 2;
constexpr int kBottomMargin = 2;
constexpr int kTitlePixels = 13;
constexpr int kTitleX = 15;
constexpr int kTitleY = 20;
constexpr int kTitleWidth = 300;
constexpr int kTitleHeight = 20;

} // namespace

TarnDPIWindow::TarnDPIWindow(const ProfileData &profile, double scale, QWidget *parent)
    : QWidget(parent), m_ProfileData(profile), m_dScale(scale)
{
    m_pTitle = new TarnLabel(QString(), this);
    m_pTitle->setStyleSheet("color: rgb(225,225,225); background: transparent;");
    m_pSelectorGroup = new QButtonGroup(this);
    m_pSelectorGroup->setExclusive(true);
    for (int i = 0; i < kDpiStageCount; ++i) {
        auto *row = new TarnSingleDPI(quint8(i), m_dScale, this);
        m_Rows[size_t(i)] = row;
        m_pSelectorGroup->addButton(row->selector(), i);
        connect(row, &TarnSingleDPI::DPISignal, this, &TarnDPIWindow::onSliderChanged);
        connect(row, &TarnSingleDPI::LinkSignal, this, &TarnDPIWindow::onLinkChanged);
        connect(row, &TarnSingleDPI::EnableSignal, this, &TarnDPIWindow::onEnableChanged);
        connect(row, &TarnSingleDPI::MouseinSignal, this, &TarnDPIWindow::onRowPressed);
    }
    connect(m_pSelectorGroup, &QButtonGroup::idClicked, this, &TarnDPIWindow::onRadioChanged);
    setSensor(m_iSensor, QString());
    m_iStageCount = sentDpiStageCount(modelDpiStageCount());
    retranslatePanel();
    rescalePanel(m_dScale);
    showStages();
}

TarnSingleDPI *TarnDPIWindow::row(int index) const
{
    return index >= 0 && index < kDpiStageCount ? m_Rows[size_t(index)] : nullptr;
}

void TarnDPIWindow::setSensor(int sensorId, const QString &productName)
{
    m_iSensor = sensorId;
    const std::optional<SensorRange> range = sensorRange(sensorId, productName);
    for (TarnSingleDPI *row : m_Rows)
        row->setSensor(sensorId, range);
}

void TarnDPIWindow::loadProfile(const ProfileData &profile, int sensorId, const QString &productName)
{
    setSensor(sensorId, productName);
    m_ProfileData = profile;
    showStages();
}

void TarnDPIWindow::showStages()
{
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiInfo &stage = m_ProfileData.dpiInfo[size_t(i)];
        TarnSingleDPI *row = m_Rows[size_t(i)];
        row->setLink(stage.link);
        row->setStageEnabled(stage.used);
        row->setValues(int(qMin<uint32_t>(stage.x, INT32_MAX)), int(qMin<uint32_t>(stage.y, INT32_MAX)));
    }
    highlight();
}

void TarnDPIWindow::setStageCount(int n)
{
    // The rule the download sends by, so the rows shown are the stages the mouse gets.
    m_iStageCount = sentDpiStageCount(n);
    layoutRows();
}

void TarnDPIWindow::layoutRows()
{
    // Eight rows at the full pitch would run past the panel's bottom: they close up to fit.
    int pitch = kRowPitch;
    int height = kRowHeight;
    const int room = kPanelHeight - kRowTop - kBottomMargin;
    if (kRowPitch * (m_iStageCount - 1) + kRowHeight > room) {
        pitch = (room + kRowGap) / m_iStageCount;
        height = pitch - kRowGap;
    }
    const double s = m_dScale;
    for (int i = 0; i < kDpiStageCount; ++i) {
        TarnSingleDPI *row = m_Rows[size_t(i)];
        if (i < m_iStageCount)
            row->setGeometry(int(kRowX * s), int((kRowTop + pitch * i) * s), int(kRowWidth * s), int(height * s));
        else
            row->setGeometry(QRect());
    }
    // On the line of the report-rate panel's title, beside it.
    m_pTitle->setGeometry(int(kTitleX * s), int(kTitleY * s), int(kTitleWidth * s), int(kTitleHeight * s));
}

void TarnDPIWindow::refreshFromProfile(const PanelContext &context)
{
    if (context.current)
        loadProfile(*context.current, context.sensor, context.productName);
}

void TarnDPIWindow::copyValuesInto(ProfileData &profile) const
{
    profile.dpi = m_ProfileData.dpi;
    profile.dpiInfo = m_ProfileData.dpiInfo;
}

void TarnDPIWindow::retranslatePanel()
{
    m_pTitle->setText(tr("DPI STAGES"));
    for (TarnSingleDPI *row : m_Rows)
        row->retranslate();
}

void TarnDPIWindow::rescalePanel(double factor)
{
    m_dScale = factor;
    QFont title = languageFont(m_dScale);
    title.setPixelSize(qMax(1, int(kTitlePixels * m_dScale)));
    title.setBold(true);
    m_pTitle->setFont(title);
    for (TarnSingleDPI *row : m_Rows)
        row->rescale(factor);
    layoutRows();
}

void TarnDPIWindow::onRadioChanged()
{
    const int stage = m_pSelectorGroup->checkedId();
    if (stage < 0 || stage >= kDpiStageCount)
        return;
    setActiveStage(stage);
    qCDebug(lcPanels, "m_ProfileData.dpi = %d", m_ProfileData.dpi);
}

void TarnDPIWindow::onRowPressed(quint8 row)
{
    if (row >= kDpiStageCount)
        return;
    setActiveStage(row);
    emit MouseinSignal(row);
}

void TarnDPIWindow::onLinkChanged(quint8 link, quint8 row)
{
    if (row < kDpiStageCount)
        m_ProfileData.dpiInfo[row].link = link;
}

void TarnDPIWindow::onEnableChanged(quint8 enabled, quint8 row)
{
    if (row < kDpiStageCount)
        m_ProfileData.dpiInfo[row].used = enabled;
}

void TarnDPIWindow::onSliderChanged(int x, int y, quint8 row)
{
    if (row >= kDpiStageCount)
        return;
    m_ProfileData.dpiInfo[row].x = uint32_t(qMax(0, x));
    m_ProfileData.dpiInfo[row].y = uint32_t(qMax(0, y));
}

void TarnDPIWindow::setActiveStage(int stage)
{
    m_ProfileData.dpi = uint8_t(stage);
    highlight();
}

void TarnDPIWindow::highlight()
{
    const int active = m_ProfileData.dpi;
    for (int i = 0; i < kDpiStageCount; ++i)
        m_Rows[size_t(i)]->setActive(i == active);
    // A stored stage past the eight rows selects none rather than a row it does not name.
    if (QAbstractButton *button = m_pSelectorGroup->button(active)) {
        button->setChecked(true);
    } else if (QAbstractButton *checked = m_pSelectorGroup->checkedButton()) {
        m_pSelectorGroup->setExclusive(false);
        checked->setChecked(false);
        m_pSelectorGroup->setExclusive(true);
    }
}
