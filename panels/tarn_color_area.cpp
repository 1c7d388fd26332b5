#include "panels/tarn_color_area.h"

#include "panels/color_areas.h"
#include "storage/colour_arithmetic.h"
#include "storage/log_categories.h"
#include "storage/settings_file.h"
#include "widgets/dialog_parts.h"
#include "widgets/skin.h"
#include "widgets/tarn_message_box.h"
#include "widgets/theme.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QToolButton>

namespace {

// Design units of the dialog.
constexpr int kWidth = 400;
constexpr int kHeight = 330;
const QRect kTitle(20, 12, 360, 26);
const QRect kSquare(20, 56, kColourSquareUnits, kColourSquareUnits);
const QRect kStrip(158, 56, 20, kColourSquareUnits);
const QRect kPreview(196, 56, 184, 40);
const QRect kColorLabel(196, 104, 184, 18);
const QPoint kPresetOrigin(196, 56); // presets at x = 24 i, y = 74 from here
constexpr int kPresetStep = 24;
constexpr int kPresetY = 74;
constexpr int kPresetSide = 23;
const QRect kHash(196, 162, 14, 24);
const QRect kHex(212, 162, 168, 24);
constexpr int kBoxX = 20, kBoxStep = 122, kBoxWidth = 114, kBoxHeight = 26;
constexpr int kBoxRowY[2] = {200, 232};
constexpr int kButtonY = 280;
constexpr int kButtonX[3] = {20, 174, 284}; // APPLY, OK, Cancel
constexpr int kTitlePixels = 17;
constexpr int kFieldPixels = 13;

QString fieldStyle(const QColor &theme, int pixels)
{
    const QString accent = QString("rgb(%1,%2,%3)").arg(theme.red()).arg(theme.green()).arg(theme.blue());
    return QString("QSpinBox,QLineEdit{background-color:rgb(10,11,14);color:rgb(238,238,238);"
                   "border:1px solid rgb(62,66,78);border-radius:4px;padding:0px 6px;font-size:%2px;"
                   "selection-background-color:%1;selection-color:white;}"
                   "QSpinBox:focus,QLineEdit:focus{border:1px solid %1;}")
        .arg(accent)
        .arg(pixels);
}

} // namespace

const std::array<QColor, TarnColorArea::kPresetCount> &TarnColorArea::presetColours()
{
    static const std::array<QColor, kPresetCount> colours = {
        QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),     QColor(0, 255, 255),
        QColor(255, 255, 0), QColor(255, 0, 255), QColor(255, 255, 255),
    };
    return colours;
}

TarnColorArea::TarnColorArea(QWidget *parent, double scale) : QDialog(parent), m_dScale(scale)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(units(kWidth), units(kHeight));
    build();
    retranslate();
    setInitialColor(presetColours()[0]);
}

int TarnColorArea::units(double designUnits) const { return int(designUnits * m_dScale); }

QSpinBox *TarnColorArea::makeBox(const QString &prefix, int maximum)
{
    auto *box = new QSpinBox(this);
    box->setRange(0, maximum);
    box->setPrefix(prefix);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->setFont(languageFont(m_dScale));
    box->setStyleSheet(fieldStyle(themeColour(), units(kFieldPixels)));
    return box;
}

void TarnColorArea::build()
{
    auto place = [this](QWidget *w, const QRect &r) {
        w->setGeometry(units(r.x()), units(r.y()), units(r.width()), units(r.height()));
    };
    const QString labelStyle = "color: rgb(225, 225, 225); background: transparent;";

    m_pTitle = new QLabel(this);
    QFont titleFont = languageFont(m_dScale);
    titleFont.setPixelSize(units(kTitlePixels));
    titleFont.setBold(true);
    m_pTitle->setFont(titleFont);
    m_pTitle->setStyleSheet(labelStyle);
    place(m_pTitle, kTitle);

    m_pSquare = new SVColorArea(this);
    place(m_pSquare, kSquare);
    m_pHue = new HColorArea(this);
    place(m_pHue, kStrip);
    m_pPreview = new PreviewColorArea(m_dScale, this);
    place(m_pPreview, kPreview);

    m_pColorLabel = new QLabel(this);
    m_pColorLabel->setFont(languageFont(m_dScale));
    m_pColorLabel->setStyleSheet(labelStyle);
    place(m_pColorLabel, kColorLabel);

    for (int i = 0; i < kPresetCount; ++i) {
        auto *swatch = new DefaultColorArea(presetColours()[size_t(i)], this);
        place(swatch, QRect(kPresetOrigin + QPoint(kPresetStep * i, kPresetY), QSize(kPresetSide, kPresetSide)));
        connect(swatch, &DefaultColorArea::ClickedSignal, this, &TarnColorArea::color_clicked);
        m_Presets[size_t(i)] = swatch;
    }

    m_pHash = new QLabel("#", this);
    m_pHash->setFont(languageFont(m_dScale));
    m_pHash->setStyleSheet(labelStyle);
    place(m_pHash, kHash);
    m_pHex = new QLineEdit(this);
    m_pHex->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9A-Fa-f]{0,6}"), m_pHex));
    m_pHex->setFont(languageFont(m_dScale));
    m_pHex->setStyleSheet(fieldStyle(themeColour(), units(kFieldPixels)));
    place(m_pHex, kHex);

    const char *const prefixes[BoxCount] = {"H ", "S ", "V ", "R ", "G ", "B "};
    for (int b = 0; b < BoxCount; ++b) {
        m_Boxes[size_t(b)] = makeBox(prefixes[b], b == BoxH ? 360 : 255);
        place(m_Boxes[size_t(b)], QRect(kBoxX + kBoxStep * (b % 3), kBoxRowY[b / 3], kBoxWidth, kBoxHeight));
    }
    m_Boxes[BoxH]->setSuffix(QStringLiteral("\u00B0"));

    const QString buttonStyle = messageBoxButtonStyle();
    m_pApply = makeMessageButton(QString(), "colorApplyBtn", QString(), buttonStyle, this);
    m_pOk = makeMessageButton(QString(), "colorOkBtn", QString(), buttonStyle, this);
    m_pCancel = makeMessageButton(QString(), "colorCancelBtn", QString(), buttonStyle, this);
    const std::array<QToolButton *, 3> buttons = {m_pApply, m_pOk, m_pCancel};
    for (size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->move(units(kButtonX[i]), units(kButtonY));

    connect(m_pHue, &HColorArea::hueChangedSignal, this, &TarnColorArea::onHueChanged);
    connect(m_pSquare, &SVColorArea::svChangedSignal, m_pPreview, &PreviewColorArea::svChangedSlot);
    connect(m_pPreview, &PreviewColorArea::svChangedSignal, this, &TarnColorArea::updateEditData);
    connect(m_Boxes[BoxH], QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::hValueChangedSlot);
    connect(m_Boxes[BoxS], QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::sValueChangedSlot);
    connect(m_Boxes[BoxV], QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::vValueChangedSlot);
    connect(m_Boxes[BoxR], QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::rValueChangedSlot);
    connect(m_Boxes[BoxG], QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::gValueChangedSlot);
    connect(m_Boxes[BoxB], QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::bValueChangedSlot);
    connect(m_pHex, &QLineEdit::textEdited, this, &TarnColorArea::editChangedSlot);
    connect(m_pHex, &QLineEdit::editingFinished, this, &TarnColorArea::editFinishedSlot);
    connect(m_pApply, &QToolButton::clicked, this, &TarnColorArea::onApplyClicked);
    connect(m_pOk, &QToolButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QToolButton::clicked, this, &QDialog::reject);
}

void TarnColorArea::retranslate()
{
    m_pTitle->setText(tr("Color Edit"));
    m_pColorLabel->setText(tr("COLOR"));
    m_pApply->setText(tr("APPLY"));
    m_pOk->setText(tr("OK"));
    m_pCancel->setText(tr("Cancel"));
}

DefaultColorArea *TarnColorArea::preset(int i) const
{
    return i >= 0 && i < kPresetCount ? m_Presets[size_t(i)] : nullptr;
}

QColor TarnColorArea::color() const { return m_pPreview->newColor(); }

void TarnColorArea::setInitialColor(const QColor &colour)
{
    const QColor start = colour.isValid() ? colour.toRgb() : QColor(0, 0, 0);
    m_pPreview->setOldColor(start);
    setColor(start);
}

void TarnColorArea::setColor(const QColor &colour)
{
    if (m_bUpdating)
        return;
    showRgb(colour.toRgb(), true);
}

void TarnColorArea::showRgb(const QColor &colour, bool rewriteHex)
{
    // A grey has no hue: the strip and the square keep the one they show.
    const int hue = colour.hsvHue() >= 0 ? colour.hsvHue() : m_iHue;
    showEverywhere(hue, colour.hsvSaturation(), colour.value(), colour, rewriteHex);
}

void TarnColorArea::showEverywhere(int h, int s, int v, const QColor &colour, bool rewriteHex)
{
    if (m_bUpdating)
        return;
    m_bUpdating = true;
    m_iHue = shownHue(h);
    m_pPreview->setNewColor(colour);
    const int values[BoxCount] = {m_iHue, s, v, colour.red(), colour.green(), colour.blue()};
    for (int b = 0; b < BoxCount; ++b)
        m_Boxes[size_t(b)]->setValue(values[b]);
    if (rewriteHex)
        m_pHex->setText(hexTextOf(colour));
    m_pHue->setHue(m_iHue);
    m_pSquare->hueChangedSlot(m_iHue);
    m_pSquare->setPoint(squarePixels(s, m_dScale), squarePixels(v, m_dScale));
    m_bUpdating = false;
    qCDebug(lcPanels) << "colour editor shows" << hexTextOf(colour) << "h" << m_iHue << "s" << s << "v" << v;
}

void TarnColorArea::color_clicked()
{
    if (auto *swatch = qobject_cast<DefaultColorArea *>(sender()))
        setColor(swatch->color());
}

void TarnColorArea::updateEditData(int h, int s, int v)
{
    showEverywhere(h, s, v, QColor::fromHsv(shownHue(h), qBound(0, s, 255), qBound(0, v, 255)), true);
}

void TarnColorArea::onHueChanged(int hue) { updateEditData(hue, m_Boxes[BoxS]->value(), m_Boxes[BoxV]->value()); }

void TarnColorArea::hValueChangedSlot(int value)
{
    if (!m_bUpdating)
        updateEditData(value, m_Boxes[BoxS]->value(), m_Boxes[BoxV]->value());
}

void TarnColorArea::sValueChangedSlot(int value)
{
    if (!m_bUpdating)
        updateEditData(m_Boxes[BoxH]->value(), value, m_Boxes[BoxV]->value());
}

void TarnColorArea::vValueChangedSlot(int value)
{
    if (!m_bUpdating)
        updateEditData(m_Boxes[BoxH]->value(), m_Boxes[BoxS]->value(), value);
}

void TarnColorArea::rValueChangedSlot(int value)
{
    if (!m_bUpdating)
        showRgb(QColor(value, m_Boxes[BoxG]->value(), m_Boxes[BoxB]->value()), true);
}

void TarnColorArea::gValueChangedSlot(int value)
{
    if (!m_bUpdating)
        showRgb(QColor(m_Boxes[BoxR]->value(), value, m_Boxes[BoxB]->value()), true);
}

void TarnColorArea::bValueChangedSlot(int value)
{
    if (!m_bUpdating)
        showRgb(QColor(m_Boxes[BoxR]->value(), m_Boxes[BoxG]->value(), value), true);
}

void TarnColorArea::editChangedSlot(const QString &text)
{
    // The text being typed stays as it is; everything else follows it.
    showRgb(colourFromHexText(text), false);
}

void TarnColorArea::editFinishedSlot()
{
    const QString text = finishedHexText(m_pHex->text());
    m_pHex->setText(text);
    showRgb(colourFromHexText(text), true);
}

void TarnColorArea::onApplyClicked()
{
    emit TarnChangeColor(color());
    emit ApplyColor();
}

void TarnColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_Background.isNull())
        m_Background = loadSkinPixmap(skinPath("dlg_color.png"), size() * devicePixelRatioF());
    paintDialogFace(painter, rect(), m_Background);
}
