#include "panels/tarn_point_speed.h"

#include "widgets/theme.h"
#include "storage/log_categories.h"
#include "storage/profile_data.h"
#include "storage/settings_file.h"
#include "widgets/skin.h"
#include "widgets/tarn_slider.h"
#include "widgets/theme.h"

#include <QLabel>
#include <QPainter>
#include <QSpinBox>

namespace {

constexpr int kTitlePixels = 13;
constexpr int kSpinButtonWidth = 16;
constexpr int kSpinArrowWidth = 10;
constexpr int kSpinArrowHeight = 8;
const QRect kPointerTitleRect(20, 10, 185, 24);
const QRect kSliderRect(210, 10, 190, 24);
const QRect kPointerValueRect(405, 10, 36, 24);
const QRect kScrollTitleRect(20, 44, 185, 24);
const QRect kSpinRect(210, 44, 64, 24);

} // namespace

TarnPointSpeed::TarnPointSpeed(ProfileData *profile, double scale, QWidget *parent)
    : QWidget(parent), m_pProfile(profile), m_dScale(scale)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("TarnPointSpeed{background-color: rgba(33,35,35,0.5)}");
    m_pPointerTitle = new QLabel(this);
    m_pScrollTitle = new QLabel(this);
    m_pPointerValue = new QLabel(this);
    m_pPointerValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel *label : {m_pPointerTitle, m_pScrollTitle, m_pPointerValue})
        label->setStyleSheet("color: rgb(225,225,225); background: transparent;");

    m_pSlider = new TarnSlider(Qt::Horizontal, this);
    m_pSlider->setRange(kHostSpeedMin, kHostSpeedMax);
    m_pSlider->setSingleStep(1);
    m_pSlider->setPageStep(1);
    m_pSlider->setFocusPolicy(Qt::NoFocus);
    connect(m_pSlider, &QSlider::valueChanged, this, &TarnPointSpeed::onSliderChanged);

    m_pSpin = new QSpinBox(this);
    m_pSpin->setRange(kHostSpeedMin, kHostSpeedMax);

    connect(m_pSpin, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnPointSpeed::sValueChangedSlot);

    retranslate();
    rescalePanel(m_dScale);
    refresh(profile);
}

void TarnPointSpeed::refresh(ProfileData *profile)
{
    m_pProfile = profile;
    if (m_pProfile) {
        // Showing the record is not an edit: nothing is written back.
        const QSignalBlocker sliderBlocker(m_pSlider);
        const QSignalBlocker spinBlocker(m_pSpin);
        m_pSlider->setValue(m_pProfile->mousespeed);
        m_pSpin->setValue(m_pProfile->scrollspeed);
    }
    m_pPointerValue->setNum(m_pSlider->value());
    applyLook();
}

void TarnPointSpeed::copyValuesInto(ProfileData &profile) const
{
    profile.mousespeed = uint8_t(m_pSlider->value());
    profile.scrollspeed = uint8_t(m_pSpin->value());
}

void TarnPointSpeed::retranslate()
{
    m_pPointerTitle->setText(tr("POINTER SPEED"));
    m_pScrollTitle->setText(tr("SCROLL SPEED"));
    fitTitles();
}

void TarnPointSpeed::fitTitles()
{
    // A long translation shrinks rather than running under the slider.
    QFont title = languageFont(m_dScale);
    title.setPixelSize(qMax(1, int(kTitlePixels * m_dScale)));
    title.setBold(true);
    for (QLabel *label : {m_pPointerTitle, m_pScrollTitle})
        label->setFont(fontFittingText(title, label->text(), label->size()));
}

void TarnPointSpeed::onSliderChanged(int value)
{
    m_pPointerValue->setNum(value);
    if (m_pProfile)
        m_pProfile->mousespeed = uint8_t(value);
    qCDebug(lcPanels, "slider_clicked 1 = %d", value);
}

void TarnPointSpeed::sValueChangedSlot(int s)
{
    if (m_pProfile)
        m_pProfile->scrollspeed = uint8_t(s);
    qCDebug(lcPanels, "slider_clicked 1 = %d", s);
}

void TarnPointSpeed::rescalePanel(double factor)
{
    m_dScale = factor;
    m_pPointerTitle->setGeometry(scaledRect(kPointerTitleRect, m_dScale));
    m_pSlider->setGeometry(scaledRect(kSliderRect, m_dScale));
    m_pPointerValue->setGeometry(scaledRect(kPointerValueRect, m_dScale));
    m_pScrollTitle->setGeometry(scaledRect(kScrollTitleRect, m_dScale));
    m_pSpin->setGeometry(scaledRect(kSpinRect, m_dScale));
    applyLook();
}

void TarnPointSpeed::applyLook()
{
    const QFont font = languageFont(m_dScale);
    fitTitles();
    m_pPointerValue->setFont(font);
    m_pSpin->setFont(font);
    // Setting a style sheet re-polishes the control; only a new scale or theme needs it.
    const QString sliderStyle = themedSliderStyleSheet(themeColour(), m_dScale);
    if (m_pSlider->styleSheet() != sliderStyle)
        m_pSlider->setStyleSheet(sliderStyle);
    // The light text needs a dark field under it, and the arrows dark buttons.
    const int button = scaled(kSpinButtonWidth, m_dScale);
    const QSize arrow(scaled(kSpinArrowWidth, m_dScale), scaled(kSpinArrowHeight, m_dScale));
    const QString spinStyle =
        QString("QSpinBox{color: rgb(225,225,225); background-color: rgb(24,24,28);"
                " border: 1px solid rgb(70,70,78); border-radius: 2px; padding-right: %1px;}"
                "QSpinBox::up-button, QSpinBox::down-button{subcontrol-origin: border; width: %1px;"
                " background-color: rgb(46,49,56); border-left: 1px solid rgb(70,70,78);}"
                "QSpinBox::up-button{subcontrol-position: top right;}"
                "QSpinBox::down-button{subcontrol-position: bottom right;}"
                "QSpinBox::up-button:hover, QSpinBox::down-button:hover{background-color: rgb(70,74,86);}"
                "QSpinBox::up-arrow{width: %2px; height: %3px; border-image: url(\"%4\");}"
                "QSpinBox::down-arrow{width: %2px; height: %3px; border-image: url(\"%5\");}")
            .arg(button)
            .arg(arrow.width())
            .arg(arrow.height())
            .arg(skinSourceForSize(skinPath("spin_up.png"), arrow), skinSourceForSize(skinPath("spin_down.png"), arrow));
    if (m_pSpin->styleSheet() != spinStyle)
        m_pSpin->setStyleSheet(spinStyle);
}
