#include "panels/tarn_color_window.h"

#include "widgets/theme.h"
#include "panels/tarn_color_area.h"
#include "model/lighting_effects.h"
#include "storage/log_categories.h"
#include "storage/model_description.h"
#include "storage/settings_file.h"
#include "widgets/qt_widgets_compat.h"
#include "widgets/skin.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"
#include "widgets/theme.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

namespace {

// Design units of the panel's controls.
const QRect kEffectLabel(30, 20, 201, 18);
const QRect kEffectButton(30, 40, 210, 28);
constexpr int kEffectMenuWidth = 175;
const QRect kUpperLabel(30, 78, 201, 18);
const QRect kUpperSlider(30, 97, 228, 25);
const QRect kLowerLabel(30, 137, 201, 18);
const QRect kLowerSlider(30, 156, 228, 25);
const QRect kUpperValue(265, 100, 85, 18);
const QRect kLowerValue(265, 159, 85, 18);
const QRect kColorLabel(30, 196, 201, 18);
const QRect kSwatch(30, 215, 64, 64);
const QRect kSleepLabel(30, 300, 201, 18);
const QRect kSleepSlider(30, 320, 228, 25);
const QRect kMinuteLabel(265, 323, 85, 18);
const QRect kMoveOffBox(30, 356, 300, 20);
constexpr int kIndicatorUnits = 16;

const char kPanelStyle[] = "background-color: rgba(33,35,35,0.5)";

QString rgbText(const QColor &c) { return QString("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue()); }

QString sliderStyle(const QColor &theme, double s)
{
    auto u = [s](double units) { return qMax(1, int(units * s)); };
    return QString("QSlider{background:transparent;}"
                   "QSlider::groove:horizontal{height:%1px;background:rgb(52,56,66);border-radius:%2px;}"
                   "QSlider::sub-page:horizontal{background:qlineargradient(x1:0,y1:0,x2:1,y2:0,"
                   "stop:0 %3,stop:1 %4);border-radius:%2px;}"
                   "QSlider::handle:horizontal{width:%5px;height:%5px;margin:-%6px 0;border-radius:%7px;"
                   "background:rgb(245,245,248);border:%8px solid %4;}")
        .arg(u(4))
        .arg(u(2))
        .arg(rgbText(theme.darker(170)))
        .arg(rgbText(theme))
        .arg(u(14))
        .arg(u(5))
        .arg(u(14) / 2)
        .arg(u(2));
}

// A check box drawn with the skin's check box images (sharp at every scale through the skin
// loader) and its text in the panel's font.
class SkinCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;
    void setScale(double scale)
    {
        m_dScale = scale;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const int side = int(kIndicatorUnits * m_dScale);
        const QSize pixels = QSize(side, side) * devicePixelRatioF();
        QPixmap &image = m_Images[isChecked() ? 1 : 0];
        if (image.size() != pixels) {
            image = loadSkinPixmap(skinPath(isChecked() ? "checkbox1-2.png" : "checkbox1-1.png"), pixels);
            image.setDevicePixelRatio(devicePixelRatioF());
        }
        p.drawPixmap(0, (height() - side) / 2, image);
        p.setFont(font());
        p.setPen(underMouse() ? QColor(255, 255, 255) : QColor(210, 210, 210));
        p.drawText(rect().adjusted(side + int(8 * m_dScale), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
    }
    // The whole box, text included, toggles it.
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    void enterEvent(WidgetEnterEvent *event) override
    {
        QCheckBox::enterEvent(event);
        update();
    }
    void leaveEvent(QEvent *event) override
    {
        QCheckBox::leaveEvent(event);
        update();
    }

private:
    double m_dScale = 1.0;
    QPixmap m_Images[2];
};

// The clickable colour swatch: the colour in a rounded frame, lit while the pointer is on it.
class ColorSwatch : public QPushButton {
public:
    using QPushButton::QPushButton;
    void setColour(const QColor &colour)
    {
        m_Colour = colour;
        update();
    }
    QColor colour() const { return m_Colour; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal edge = qMax<qreal>(1, width() / 32.0);
        const QRectF r = QRectF(rect()).adjusted(edge, edge, -edge, -edge);
        const qreal radius = width() / 8.0;
        p.setPen(QPen(underMouse() ? QColor(255, 255, 255) : QColor(78, 82, 94), edge * 1.5));
        p.setBrush(m_Colour.isValid() ? m_Colour : QColor(0, 0, 0));
        p.drawRoundedRect(r, radius, radius);
        // A faint sheen over the top half, so the swatch reads as a button.
        QLinearGradient sheen(r.topLeft(), r.bottomLeft());
        sheen.setColorAt(0, QColor(255, 255, 255, 60));
        sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(sheen);
        p.drawRoundedRect(r, radius, radius);
    }
    void enterEvent(WidgetEnterEvent *event) override
    {
        QPushButton::enterEvent(event);
        update();
    }
    void leaveEvent(QEvent *event) override
    {
        QPushButton::leaveEvent(event);
        update();
    }

private:
    QColor m_Colour;
};

} // namespace

TarnColorWindow::TarnColorWindow(double scale, QWidget *parent) : QWidget(parent), m_dScale(scale)
{
    setObjectName("TarnColorWindow");
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(kPanelStyle);
    m_bShowSleep = showSleep() != 0;
    build();
    layoutControls();
    retranslatePanel();
}

void TarnColorWindow::build()
{
    auto label = [this]() {
        auto *l = new QLabel(this);
        l->setStyleSheet("color: rgb(160,166,178); background: transparent;");
        return l;
    };
    m_pEffectLabel = label();
    m_pEffectButton = new TarnPushButton({skinPath("ledsel.png")}, this);
    m_pEffectButton->setCursor(Qt::PointingHandCursor);
    m_pEffectButton->setFocusPolicy(Qt::NoFocus);
    m_pEffectMenu = new QMenu(m_pEffectButton);
    for (int mode : lightingMenuOrder()) {
        QAction *action = m_pEffectMenu->addAction(QString());
        action->setData(mode);
        action->setCheckable(true);
    }
    m_pEffectButton->setMenu(m_pEffectMenu);
    connect(m_pEffectMenu, &QMenu::triggered, this, &TarnColorWindow::onEffectTriggered);

    auto slider = [this](int minimum, int maximum) {
        auto *s = new TarnSlider(Qt::Horizontal, this);
        s->setRange(minimum, maximum);
        s->setSingleStep(1);
        s->setPageStep(1);
        return s;
    };
    m_pBrightLabel = label();
    m_pBrightSlider = slider(kLedBrightMin, kLedBrightMax);
    m_pSpeedLabel = label();
    m_pSpeedSlider = slider(kLedSpeedMin, kLedSpeedMax);
    m_pColorLabel = label();
    auto *swatch = new ColorSwatch(this);
    swatch->setCursor(Qt::PointingHandCursor);
    swatch->setFocusPolicy(Qt::NoFocus);
    m_pSwatch = swatch;
    m_pSleepLabel = label();
    m_pSleepSlider = slider(kLedSleepMin, kLedSleepMax);
    auto valueLabel = [this]() {
        auto *l = new QLabel(this);
        l->setStyleSheet("color: rgb(235,235,235); background: transparent;");
        return l;
    };
    m_pMinuteLabel = valueLabel();
    m_pBrightValue = valueLabel();
    m_pSpeedValue = valueLabel();
    m_pMoveOffBox = new SkinCheckBox(this);
    m_pMoveOffBox->setCursor(Qt::PointingHandCursor);
    m_pMoveOffBox->setFocusPolicy(Qt::NoFocus);

    connect(m_pBrightSlider, &QSlider::valueChanged, this, &TarnColorWindow::onBrightnessChanged);
    connect(m_pSpeedSlider, &QSlider::valueChanged, this, &TarnColorWindow::onSpeedChanged);
    // The level beside each slider follows what the slider shows.
    connect(m_pBrightSlider, &QSlider::valueChanged, m_pBrightValue, QOverload<int>::of(&QLabel::setNum));
    connect(m_pSpeedSlider, &QSlider::valueChanged, m_pSpeedValue, QOverload<int>::of(&QLabel::setNum));
    connect(m_pSleepSlider, &QSlider::valueChanged, this, &TarnColorWindow::onSleepChanged);
    connect(m_pSwatch, &QPushButton::clicked, this, &TarnColorWindow::color_clicked);
    connect(m_pMoveOffBox, &QCheckBox::clicked, this, &TarnColorWindow::checkbtn_clicked);
}

void TarnColorWindow::layoutControls()
{
    auto place = [this](QWidget *w, const QRect &r) { w->setGeometry(scaledRect(r, m_dScale)); };
    const QFont font = languageFont(m_dScale);
    for (QWidget *w : std::initializer_list<QWidget *>{m_pEffectLabel, m_pBrightLabel, m_pSpeedLabel, m_pColorLabel,
                                                       m_pSleepLabel, m_pMinuteLabel, m_pBrightValue, m_pSpeedValue,
                                                       m_pMoveOffBox})
        w->setFont(font);
    place(m_pEffectLabel, kEffectLabel);
    place(m_pEffectButton, kEffectButton);
    m_pEffectMenu->setFixedWidth(scaled(kEffectMenuWidth, m_dScale));
    m_pEffectMenu->setStyleSheet(menuStyleSheet(themeColour(), font.pixelSize()));
    m_pEffectMenu->setFont(font);
    // Effects with the speed control in the upper position swap the two pairs.
    place(m_bSpeedUpper ? m_pSpeedLabel : m_pBrightLabel, kUpperLabel);
    place(m_bSpeedUpper ? m_pSpeedSlider : m_pBrightSlider, kUpperSlider);
    place(m_bSpeedUpper ? m_pBrightLabel : m_pSpeedLabel, kLowerLabel);
    place(m_bSpeedUpper ? m_pBrightSlider : m_pSpeedSlider, kLowerSlider);
    place(m_bSpeedUpper ? m_pSpeedValue : m_pBrightValue, kUpperValue);
    place(m_bSpeedUpper ? m_pBrightValue : m_pSpeedValue, kLowerValue);
    const QString sliders = sliderStyle(themeColour(), m_dScale);
    for (TarnSlider *s : {m_pBrightSlider, m_pSpeedSlider, m_pSleepSlider})
        s->setStyleSheet(sliders);
    place(m_pColorLabel, kColorLabel);
    place(m_pSwatch, kSwatch);
    static_cast<SkinCheckBox *>(m_pMoveOffBox)->setScale(m_dScale);
    const std::initializer_list<std::pair<QWidget *, QRect>> sleepControls = {
        {m_pSleepLabel, kSleepLabel}, {m_pSleepSlider, kSleepSlider},
        {m_pMinuteLabel, kMinuteLabel}, {m_pMoveOffBox, kMoveOffBox}};
    for (const auto &control : sleepControls) {
        // A model without the sleep feature gives these controls an empty geometry.
        control.first->setGeometry(m_bShowSleep ? scaledRect(control.second, m_dScale) : QRect());
        control.first->setVisible(m_bShowSleep);
    }
}

void TarnColorWindow::rescalePanel(double factor)
{
    m_dScale = factor;
    layoutControls();
}

void TarnColorWindow::refreshFromProfile(const PanelContext &context)
{
    m_iSlot = context.working && context.lighting ? int(context.lighting - context.working->profiles.data()) : -1;
    bind(context.lighting);
}

void TarnColorWindow::bind(ProfileData *profile)
{
    m_pProfile = profile;
    refresh();
    retranslatePanel();
}

LedModeInfo *TarnColorWindow::currentLed() const
{
    if (!m_pProfile || !lightingEffect(m_pProfile->LedMode))
        return nullptr;
    return &m_pProfile->ledInfo[m_pProfile->LedMode];
}

void TarnColorWindow::showControlsFor(int mode)
{
    const LightingEffect *effect = lightingEffect(mode);
    // A mode past the table (a damaged record) has no controls to show.
    const bool brightness = effect && effect->brightness;
    const bool speed = effect && effect->speed;
    const bool colour = effect && effect->colour;
    m_bSpeedUpper = effect && effect->speedUpper;
    m_pBrightLabel->setVisible(brightness);
    m_pBrightSlider->setVisible(brightness);
    m_pBrightValue->setVisible(brightness);
    m_pSpeedLabel->setVisible(speed);
    m_pSpeedSlider->setVisible(speed);
    m_pSpeedValue->setVisible(speed);
    m_pColorLabel->setVisible(colour);
    m_pSwatch->setVisible(colour);
    m_pEffectButton->setText(lightingEffectName(mode));
    layoutControls();
}

void TarnColorWindow::refresh()
{
    m_bRefreshing = true;
    const int mode = m_pProfile ? m_pProfile->LedMode : 0;
    showControlsFor(mode);
    if (const LedModeInfo *led = currentLed()) {
        m_pBrightSlider->setValue(led->bright);
        m_pSpeedSlider->setValue(led->breath);
    }
    m_pBrightValue->setNum(m_pBrightSlider->value());
    m_pSpeedValue->setNum(m_pSpeedSlider->value());
    showSwatch();
    if (m_pProfile) {
        m_pSleepSlider->setValue(m_pProfile->LedSleepTime);
        m_pMoveOffBox->setChecked(m_pProfile->LedMoveOFF == kLedMoveOffOn);
    }
    showMinutes();
    showEffectMenu();
    m_bRefreshing = false;
}

void TarnColorWindow::showSwatch()
{
    const LedModeInfo *led = currentLed();
    static_cast<ColorSwatch *>(m_pSwatch)->setColour(led ? led->color : QColor());
}

void TarnColorWindow::showMinutes()
{
    const int minutes = m_pProfile ? m_pProfile->LedSleepTime : 0;
    m_pMinuteLabel->setText(QString::number(minutes) + tr(" MINUTE"));
}

void TarnColorWindow::showEffectMenu()
{
    // The actions are made once and only relabelled and re-marked: an action is never deleted,
    // not even from inside its own trigger.
    for (QAction *action : m_pEffectMenu->actions()) {
        const int mode = action->data().toInt();
        action->setText(lightingEffectName(mode));
        action->setChecked(m_pProfile && m_pProfile->LedMode == mode);
    }
}

void TarnColorWindow::retranslatePanel()
{
    m_pEffectLabel->setText(tr("EFFECT"));
    m_pBrightLabel->setText(tr("BRIGHTNESS"));
    m_pSpeedLabel->setText(tr("SPEED"));
    m_pColorLabel->setText(tr("COLOR"));
    m_pSleepLabel->setText(tr("SLEEP TIME"));
    m_pMoveOffBox->setText(tr("MOVE TO LIGHT OFF"));
    m_pSwatch->setToolTip(tr("Color Edit"));
    showMinutes();
    m_pEffectButton->setText(lightingEffectName(m_pProfile ? m_pProfile->LedMode : 0));
    showEffectMenu();
}

void TarnColorWindow::setEffect(int mode)
{
    // An effect the table does not know is never stored: it would index past the records.
    if (!m_pProfile || !lightingEffect(mode))
        return;
    m_pProfile->LedMode = uint8_t(mode);
    refresh();
}

void TarnColorWindow::onEffectTriggered(QAction *action)
{
    if (!action || !m_pProfile)
        return;
    const int mode = action->data().toInt();
    setEffect(mode);
    if (const LedModeInfo *led = currentLed())
        qCDebug(lcPanels, "EffectMenuFunction iProfile=%d i=%d r=%d g=%d b=%d", m_iSlot, mode, led->color.red(),
                led->color.green(), led->color.blue());
}

void TarnColorWindow::onBrightnessChanged(int value)
{
    if (LedModeInfo *led = currentLed(); led && !m_bRefreshing)
        led->bright = value;
}

void TarnColorWindow::onSpeedChanged(int value)
{
    if (LedModeInfo *led = currentLed(); led && !m_bRefreshing)
        led->breath = value;
}

void TarnColorWindow::onSleepChanged(int value)
{
    if (!m_pProfile || m_bRefreshing)
        return;
    m_pProfile->LedSleepTime = uint8_t(value);
    showMinutes();
}

void TarnColorWindow::checkbtn_clicked()
{
    if (m_pProfile)
        m_pProfile->LedMoveOFF = m_pMoveOffBox->isChecked() ? kLedMoveOffOn : kLedMoveOffOff;
}

void TarnColorWindow::slotSendLedState(const QColor &color)
{
    LedModeInfo *led = currentLed();
    if (!led)
        return;
    led->color = color;
    showSwatch();
    qCDebug(lcPanels, "slotSendLedState iProfile=%d i=%d r=%d g=%d b=%d", m_iSlot, int(m_pProfile->LedMode),
            color.red(), color.green(), color.blue());
}

void TarnColorWindow::color_clicked()
{
    LedModeInfo *led = currentLed();
    if (!led)
        return;
    TarnColorArea editor(window(), m_dScale);
    editor.setInitialColor(led->color);
    connect(&editor, &TarnColorArea::TarnChangeColor, this, &TarnColorWindow::slotSendLedState);
    if (editor.exec() == QDialog::Accepted)
        slotSendLedState(editor.color());
}
