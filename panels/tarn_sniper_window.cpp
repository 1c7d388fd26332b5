#include "panels/tarn_sniper_window.h"

#include "model/sensor_tables.h"
#include "storage/log_categories.h"
#include "storage/settings_file.h"
#include "widgets/dialog_parts.h"
#include "widgets/skin.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_slider.h"
#include "widgets/theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 258;
constexpr int kCaptionIndent = 20;
constexpr int kCaptionGap = 50;
constexpr int kSliderIndent = 30;
constexpr int kValueGap = 20;
constexpr int kBottomSpacing = 20;
constexpr int kValueWidth = 70;
constexpr int kSliderHeight = 24;
constexpr int kCaptionPixels = 16;
constexpr int kValuePixels = 20;

} // namespace

TarnSniperWindow::TarnSniperWindow(int sensorId, double scale, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), m_dScale(scale)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaled(kWidth, m_dScale), scaled(kHeight, m_dScale));

    const QFont base = languageFont(m_dScale);
    m_pCaption = new QLabel(tr("Sniper Setting"), this);
    QFont captionFont = base;
    captionFont.setPixelSize(scaled(kCaptionPixels, m_dScale));
    captionFont.setBold(true);
    m_pCaption->setFont(captionFont);
    m_pCaption->setStyleSheet("color: rgb(255,255,255); background: transparent;");

    m_pSlider = new TarnSlider(Qt::Horizontal, this);
    m_pSlider->setSingleStep(1);
    m_pSlider->setPageStep(1);
    m_pSlider->setFixedHeight(scaled(kSliderHeight, m_dScale));
    m_pSlider->setStyleSheet(themedSliderStyleSheet(themeColour(), m_dScale));
    connect(m_pSlider, &QSlider::valueChanged, this, &TarnSniperWindow::onSliderChanged);

    m_pValue = new QLabel(this);
    QFont valueFont = base;
    valueFont.setPixelSize(scaled(kValuePixels, m_dScale));
    valueFont.setBold(true);
    m_pValue->setFont(valueFont);
    m_pValue->setFixedWidth(scaled(kValueWidth, m_dScale));
    m_pValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QColor theme = themeColour();
    m_pValue->setStyleSheet(QString("color: rgb(%1,%2,%3); background: transparent;")
                                .arg(theme.red()).arg(theme.green()).arg(theme.blue()));

    m_pOk = makeMessageButton(tr("OK"), "sniperOkBtn", QString(), messageBoxButtonStyle(), this);
    m_pCancel = makeMessageButton(tr("Cancel"), "sniperCancelBtn", QString(), messageBoxButtonStyle(), this);
    connect(m_pOk, &QToolButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QToolButton::clicked, this, &QDialog::reject);

    auto *captionRow = new QHBoxLayout;
    captionRow->addSpacing(scaled(kCaptionIndent, m_dScale));
    captionRow->addWidget(m_pCaption, 1);
    auto *sliderRow = new QHBoxLayout;
    sliderRow->addSpacing(scaled(kSliderIndent, m_dScale));
    sliderRow->addWidget(m_pSlider, 1);
    sliderRow->addSpacing(scaled(kValueGap, m_dScale));
    sliderRow->addWidget(m_pValue);
    sliderRow->addSpacing(scaled(kSliderIndent, m_dScale));
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_pOk);
    buttonRow->addSpacing(scaled(kValueGap, m_dScale));
    buttonRow->addWidget(m_pCancel);
    buttonRow->addSpacing(scaled(kCaptionIndent, m_dScale));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, scaled(kCaptionIndent, m_dScale), 0, 0);
    column->setSpacing(0);
    column->addLayout(captionRow);
    column->addSpacing(scaled(kCaptionGap, m_dScale));
    column->addLayout(sliderRow);
    column->addStretch();
    column->addLayout(buttonRow);
    column->addSpacing(scaled(kBottomSpacing, m_dScale));

    m_iSensor = sensorId;
    setValue(0);
}

void TarnSniperWindow::setSensor(int sensorId)
{
    m_iSensor = sensorId;
    setValue(0);
}

void TarnSniperWindow::setValue(int step)
{
    const std::optional<SniperRange> range = sniperRange(m_iSensor);
    step = sniperStepFor(m_iSensor, step);
    m_iValue = quint8(qBound(0, step, 255));
    showStep(m_iValue);
    if (range) {
        const QSignalBlocker blocker(m_pSlider);
        m_pSlider->setRange(range->minStep, range->maxStep);
    }
    {
        const QSignalBlocker blocker(m_pSlider);
        m_pSlider->setValue(m_iValue);
    }
    emit SetSniperValue(m_iValue);
}

void TarnSniperWindow::onSliderChanged(int step)
{
    m_iValue = quint8(qBound(0, step, 255));
    showStep(m_iValue);
    qCDebug(lcPanels, "sniper step = %d", step);
}

void TarnSniperWindow::showStep(int step)
{
    m_pValue->setText(QString::asprintf("%d", dpiForStep(step, m_iSensor)));
}

void TarnSniperWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_Background.size() != size() * devicePixelRatioF())
        m_Background = loadSkinPixmap(skinPath("dlg.png"), size() * devicePixelRatioF());
    paintDialogFace(painter, rect(), m_Background);
}
