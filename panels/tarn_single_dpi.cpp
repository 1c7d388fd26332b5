#include "panels/tarn_single_dpi.h"

#include "panels/dpi_entry.h"
#include "storage/log_categories.h"
#include "storage/settings_file.h"
#include "widgets/skin.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_two_bar_slider.h"
#include "widgets/theme.h"

#include <QCheckBox>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOption>

namespace {

// Row contents in design units; the row is 440 wide and 40 to 48 high.
constexpr double kLineTop = 1;
constexpr double kLineHeight = 17;
constexpr double kSliderTop = 18;
constexpr double kIndicator = 14;
constexpr double kSelectorSize = 16;
constexpr double kAccentWidth = 3;
constexpr int kTextPixels = 12;
constexpr int kSmallPixels = 10;
constexpr int kDpiPixels = 13;

QString rgb(const QColor &c)
{
    return QString("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

// A check box or radio button drawn from two skin images, unchecked and checked.
QString indicatorStyle(const char *type, const QString &unchecked, const QString &checked, int pixels,
                       const QColor &text, int spacing)
{
    const QSize size(pixels, pixels);
    return QString("%1{color: %2; background: transparent; spacing: %3px;}"
                   "%1::indicator{width: %4px; height: %4px;}"
                   "%1::indicator:unchecked{border-image: url(\"%5\");}"
                   "%1::indicator:checked{border-image: url(\"%6\");}")
        .arg(type, rgb(text))
        .arg(spacing)
        .arg(pixels)
        .arg(skinSourceForSize(skinPath(unchecked), size), skinSourceForSize(skinPath(checked), size));
}

} // namespace

TarnSingleDPI::TarnSingleDPI(quint8 row, double scale, QWidget *parent)
    : QWidget(parent), m_iRow(row), m_dScale(scale)
{
    setAttribute(Qt::WA_StyledBackground);
    m_pSlider = new TarnTwoBarSlider(this);
    m_pSelector = new QRadioButton(this);
    m_pSelector->setCursor(Qt::PointingHandCursor);
    m_pSelector->setFocusPolicy(Qt::NoFocus);
    m_pLink = new QCheckBox(this);
    m_pEnable = new QCheckBox(this);
    for (QCheckBox *box : {m_pLink, m_pEnable}) {
        box->setCursor(Qt::PointingHandCursor);
        box->setFocusPolicy(Qt::NoFocus);
        connect(box, &QCheckBox::stateChanged, this, &TarnSingleDPI::onStateChanged);
    }
    m_pX = new TarnLabel(QString(), this);
    m_pY = new TarnLabel(QString(), this);
    m_pDpi = new TarnLabel(QString(), this);
    m_pMin = new TarnLabel(QString(), this);
    m_pMax = new TarnLabel(QString(), this);
    m_pMin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pMax->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pX->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pY->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pDpi->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (TarnLabel *label : {m_pX, m_pY, m_pDpi, m_pMin, m_pMax})
        connect(label, &TarnLabel::EnterSignal, this, &TarnSingleDPI::slotLabelClick);
    connect(m_pSlider, &TarnTwoBarSlider::SliderChangedSignal, this, &TarnSingleDPI::onSliderChanged);
    // A double-click on a figure opens it for typing.
    for (TarnLabel *label : {m_pX, m_pY, m_pDpi})
        label->installEventFilter(this);
    m_pEntry = new DpiEntry(this);
    connect(m_pEntry, &DpiEntry::entered, this, &TarnSingleDPI::takeTypedDpi);

    retranslate();
    applyStyle();
    showValues(m_pSlider->xValue(), m_pSlider->yValue());
}

void TarnSingleDPI::setSensor(int sensorId, const std::optional<SensorRange> &range)
{
    m_iSensor = sensorId;
    if (range) {
        m_Range = range;
        m_pSlider->setRange(range->minStep, range->maxStep);
        m_pMin->setText(QString::number(dpiForStep(range->minStep, sensorId)));
        m_pMax->setText(QString::number(dpiForStep(range->maxStep, sensorId)));
        m_pLink->setVisible(range->linkShown);
    }
    showValues(m_pSlider->xValue(), m_pSlider->yValue());
}

void TarnSingleDPI::setValues(int x, int y)
{
    m_pSlider->setValues(x, y);
    // The labels name what the stage holds, also when the handles had to stop at the range's end.
    showValues(x, y);
}

void TarnSingleDPI::showValues(int x, int y)
{
    // A step the sensor has no resolution for (a stage that was never set holds step 0) is no
    // "0 DPI": it shows as not set. A sensor without a row shows 0, as it always has.
    const auto figure = [this](int step) {
        const int dpi = dpiForStep(step, m_iSensor);
        return dpi > 0 || !findSensor(m_iSensor) ? QString::number(dpi) : QStringLiteral("\u2013");
    };
    m_pX->setText(QStringLiteral("X:") + figure(x));
    m_pY->setText(QStringLiteral("Y:") + figure(y));
    m_pDpi->setText(QStringLiteral("DPI : ") + figure(y));
}

void TarnSingleDPI::typeDpi(Typed what)
{
    if (!m_Range || !findSensor(m_iSensor))
        return;
    m_Typed = m_pSlider->isCoupled() ? Typed::Both : what;
    const TarnLabel *label = what == Typed::X ? m_pX : what == Typed::Y ? m_pY : m_pDpi;
    const int step = m_Typed == Typed::X ? m_pSlider->xValue() : m_pSlider->yValue();
    m_pEntry->setFont(label->font());
    m_pEntry->open(label->geometry(), dpiForStep(step, m_iSensor));
}

void TarnSingleDPI::takeTypedDpi(int dpi)
{
    if (!m_Range)
        return;
    const int step = nearestStep(dpi, m_iSensor, m_Range->minStep, m_Range->maxStep);
    const int x = m_Typed == Typed::Y ? m_pSlider->xValue() : step;
    const int y = m_Typed == Typed::X ? m_pSlider->yValue() : step;
    m_pSlider->setValues(x, y);
    onSliderChanged(m_pSlider->xValue(), m_pSlider->yValue());
    // The arrows go on from the figure just typed.
    m_pSlider->setFocus(Qt::OtherFocusReason);
}

bool TarnSingleDPI::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_pX)
            typeDpi(Typed::X);
        else if (watched == m_pY)
            typeDpi(Typed::Y);
        else if (watched == m_pDpi)
            typeDpi(Typed::Both);
        if (watched == m_pX || watched == m_pY || watched == m_pDpi)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TarnSingleDPI::setLink(int link)
{
    const QSignalBlocker blocker(m_pLink);
    m_pLink->setChecked(link == 1);
    m_pSlider->setCoupled(link == 1);
}

void TarnSingleDPI::setStageEnabled(int enabled)
{
    const QSignalBlocker blocker(m_pEnable);
    m_pEnable->setChecked(enabled == 1);
}

void TarnSingleDPI::setActive(bool active)
{
    if (m_bActive == active)
        return;
    m_bActive = active;
    applyStyle();
    update();
}

void TarnSingleDPI::onStateChanged(int state)
{
    if (sender() == m_pLink) {
        const quint8 link = state == Qt::Checked ? 1 : 0;
        const int yBefore = m_pSlider->yValue();
        m_pSlider->setCoupled(link == 1);
        emit LinkSignal(link, m_iRow);
        // Linking moves the Y handle onto X: the stage must hold what the handles now show, or the
        // mouse would get a Y the row no longer displays.
        if (m_pSlider->yValue() != yBefore)
            onSliderChanged(m_pSlider->xValue(), m_pSlider->yValue());
    } else if (sender() == m_pEnable) {
        emit EnableSignal(state == Qt::Checked ? 1 : 0, m_iRow);
    }
}

void TarnSingleDPI::onSliderChanged(int x, int y)
{
    showValues(x, y);
    qCDebug(lcPanels, "ix = %d", x);
    emit DPISignal(x, y, m_iRow);
}

void TarnSingleDPI::slotLabelClick(TarnLabel *label)
{
    Q_UNUSED(label)
    m_bLabelPressed = true;
    emit MouseinSignal(m_iRow);
}

void TarnSingleDPI::mousePressEvent(QMouseEvent *event)
{
    // A press on a label was reported by slotLabelClick; the label passes it on to the row.
    const bool reported = m_bLabelPressed;
    m_bLabelPressed = false;
    if (event->button() == Qt::LeftButton && !reported)
        emit MouseinSignal(m_iRow);
    QWidget::mousePressEvent(event);
}

void TarnSingleDPI::retranslate()
{
    m_pEnable->setText(tr("Stage %1").arg(m_iRow + 1));
    m_pLink->setText(tr("Link XY"));
    m_pEnable->setToolTip(tr("Use this stage"));
    m_pSelector->setToolTip(tr("Active stage"));
    const QString typeHint = tr("Double-click to type a DPI value");
    for (TarnLabel *label : {m_pX, m_pY, m_pDpi})
        label->setToolTip(typeHint);
}

void TarnSingleDPI::rescale(double scale)
{
    m_dScale = scale;
    applyStyle();
    layoutChildren();
}

void TarnSingleDPI::applyStyle()
{
    const QColor text = m_bActive ? themeColour() : QColor(255, 255, 255);
    setStyleSheet("TarnSingleDPI{background-color: rgba(33,35,35,0.5)}");
    const int indicator = int(kIndicator * m_dScale);
    const int spacing = int(5 * m_dScale);
    for (QCheckBox *box : {m_pLink, m_pEnable})
        box->setStyleSheet(indicatorStyle("QCheckBox", "checkbox1-1.png", "checkbox1-2.png", indicator, text, spacing));
    m_pSelector->setStyleSheet(indicatorStyle("QRadioButton", "DPI-OFF.png", "DPI-ON.png", int(kSelectorSize * m_dScale),
                                              text, 0));
    const QString labelStyle = QString("color: %1; background: transparent;").arg(rgb(text));
    // The range ends are the same on every row: they stay quiet so the values stand out.
    const QString rangeStyle = "color: rgb(150,150,150); background: transparent;";
    for (TarnLabel *label : {m_pX, m_pY, m_pDpi})
        label->setStyleSheet(labelStyle);
    m_pMin->setStyleSheet(rangeStyle);
    m_pMax->setStyleSheet(rangeStyle);

    const QFont base = languageFont(m_dScale);
    QFont text12 = base;
    text12.setPixelSize(qMax(1, int(kTextPixels * m_dScale)));
    QFont small = base;
    small.setPixelSize(qMax(1, int(kSmallPixels * m_dScale)));
    QFont dpi = base;
    dpi.setPixelSize(qMax(1, int(kDpiPixels * m_dScale)));
    dpi.setBold(true);
    m_pEnable->setFont(text12);
    m_pLink->setFont(text12);
    m_pDpi->setFont(dpi);
    m_pX->setFont(text12);
    m_pY->setFont(text12);
    m_pMin->setFont(small);
    m_pMax->setFont(small);
}

void TarnSingleDPI::layoutChildren()
{
    const double s = m_dScale;
    const auto at = [s](double x, double y, double w, double h) {
        return QRect(int(x * s), int(y * s), int(w * s), int(h * s));
    };
    // Texts on the first line, the slider across the whole second line.
    const double height = this->height() / s;
    const double sliderHeight = qMax(14.0, height - kSliderTop - 1);
    m_pSelector->setGeometry(at(8, kLineTop + 1, kSelectorSize, kSelectorSize));
    m_pEnable->setGeometry(at(30, kLineTop, 78, kLineHeight));
    m_pDpi->setGeometry(at(110, kLineTop, 104, kLineHeight));
    m_pX->setGeometry(at(216, kLineTop, 64, kLineHeight));
    m_pY->setGeometry(at(282, kLineTop, 64, kLineHeight));
    m_pLink->setGeometry(at(348, kLineTop, 90, kLineHeight));
    m_pMin->setGeometry(at(2, kSliderTop, 40, sliderHeight));
    m_pSlider->setGeometry(at(44, kSliderTop, 350, sliderHeight));
    m_pMax->setGeometry(at(396, kSliderTop, 42, sliderHeight));
}

void TarnSingleDPI::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void TarnSingleDPI::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    if (m_bActive)
        painter.fillRect(QRectF(0, 0, kAccentWidth * m_dScale, height()), themeColour());
}
