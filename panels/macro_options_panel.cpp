#include "panels/macro_options_panel.h"

#include "model/macro_steps.h"
#include "panels/macro_page_look.h"
#include "panels/macro_page_text.h"
#include "storage/log_categories.h"
#include "widgets/tarn_check_box.h"
#include "widgets/theme.h"

#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kOptionHeight = 22;
const QRect kRecordDelayRect(180, 342, 380, kOptionHeight);
const QRect kDefaultDelayRect(180, 366, 380, kOptionHeight);
const QRect kDefaultDelayEditRect(565, 366, 60, kOptionHeight);
const QRect kDefaultDelayUnitRect(630, 366, 35, kOptionHeight);
const QRect kLoopRects[3] = {{180, 394, 380, kOptionHeight}, {180, 418, 380, kOptionHeight}, {180, 442, 380, kOptionHeight}};
const QRect kLoopTimeEditRect(565, 394, 60, kOptionHeight);

const char *const kLoopTexts[3] = {
    QT_TRANSLATE_NOOP("MacroDialog", "LOOPS TIME(1-255)"),
    QT_TRANSLATE_NOOP("MacroDialog", "REPEAT RUN WHEN KEY DOWN"),
    QT_TRANSLATE_NOOP("MacroDialog", "REPEAT RUN UNTIL THE KEY DOWN"),
};

} // namespace

MacroOptionsPanel::MacroOptionsPanel(QWidget *page) : QObject(page)
{
    m_pRecordDelay = new TarnCheckBox("checkbox1-1.png", "checkbox1-2.png", page);
    m_pDefaultDelay = new TarnCheckBox("checkbox1-1.png", "checkbox1-2.png", page);
    for (QCheckBox *box : {m_pRecordDelay, m_pDefaultDelay})
        connect(box, &QCheckBox::clicked, this, [this, box] { delayBoxClicked(box); });
    for (QCheckBox *&box : m_LoopBoxes) {
        box = new TarnCheckBox("checkbox2-1.png", "checkbox2-2.png", page);
        connect(box, &QCheckBox::clicked, this, [this, box] { loopBoxClicked(box); });
    }
    m_pDefaultDelayEdit = new QLineEdit(QStringLiteral("10"), page);
    m_pDefaultDelayEdit->setMaxLength(5);
    m_pDefaultDelayEdit->setValidator(new QIntValidator(0, kMaxDefaultDelayMs, m_pDefaultDelayEdit));
    m_pDefaultDelayUnit = new QLabel(QStringLiteral("ms"), page);
    m_pDefaultDelayUnit->setStyleSheet(macroLabelStyle());
    m_pLoopTimeEdit = new QLineEdit(QStringLiteral("1"), page);
    m_pLoopTimeEdit->setMaxLength(3);
    m_pLoopTimeEdit->setValidator(new QIntValidator(kMinLoopTime, kMaxLoopTime, m_pLoopTimeEdit));
    connect(m_pDefaultDelayEdit, &QLineEdit::textChanged, this,
            [](const QString &text) { qCDebug(lcPanels) << "default delay" << text; });
    connect(m_pLoopTimeEdit, &QLineEdit::textChanged, this, [](const QString &text) { qCDebug(lcPanels) << "loop time" << text; });
    for (QLineEdit *edit : {m_pDefaultDelayEdit, m_pLoopTimeEdit}) {
        connect(edit, &QLineEdit::editingFinished, this, &MacroOptionsPanel::changed);
        edit->setStyleSheet(macroFieldStyle());
        edit->setAlignment(Qt::AlignCenter);
    }
}

void MacroOptionsPanel::layout()
{
    const double scale = uiScale();
    m_pRecordDelay->setGeometry(scaledRect(kRecordDelayRect, scale));
    m_pDefaultDelay->setGeometry(scaledRect(kDefaultDelayRect, scale));
    m_pDefaultDelayEdit->setGeometry(scaledRect(kDefaultDelayEditRect, scale));
    m_pDefaultDelayUnit->setGeometry(scaledRect(kDefaultDelayUnitRect, scale));
    for (int i = 0; i < 3; ++i)
        m_LoopBoxes[i]->setGeometry(scaledRect(kLoopRects[i], scale));
    m_pLoopTimeEdit->setGeometry(scaledRect(kLoopTimeEditRect, scale));
}

void MacroOptionsPanel::retranslate()
{
    m_pRecordDelay->setText(macroText(QT_TRANSLATE_NOOP("MacroDialog", "RECORD DELAYS BETWEEN ACTION")));
    m_pDefaultDelay->setText(macroText(QT_TRANSLATE_NOOP("MacroDialog", "INSERT DEFAULT DELAY")));
    for (int i = 0; i < 3; ++i)
        m_LoopBoxes[i]->setText(macroText(kLoopTexts[i]));
}

MacroSettings MacroOptionsPanel::settings() const
{
    MacroSettings settings;
    settings.DefaultDelay = defaultDelayMs();
    settings.DelayType = delayType();
    settings.LoopType = loopType();
    settings.LoopTime = macroFieldValue(m_pLoopTimeEdit, kMinLoopTime, kMaxLoopTime, kMinLoopTime);
    return settings;
}

void MacroOptionsPanel::showSettings(const MacroSettings &settings)
{
    m_pRecordDelay->setChecked(settings.DelayType == kDelayRecorded);
    m_pDefaultDelay->setChecked(settings.DelayType == kDelayDefault);
    m_pDefaultDelayEdit->setText(QString::number(settings.DefaultDelay));
    m_pLoopTimeEdit->setText(QString::number(settings.LoopTime));
    for (int i = 0; i < 3; ++i)
        m_LoopBoxes[i]->setChecked(settings.LoopType == i + 1);
}

int MacroOptionsPanel::delayType() const
{
    if (m_pRecordDelay->isChecked())
        return kDelayRecorded;
    if (m_pDefaultDelay->isChecked())
        return kDelayDefault;
    return kDelayNone;
}

int MacroOptionsPanel::defaultDelayMs() const
{
    return macroFieldValue(m_pDefaultDelayEdit, 0, kMaxDefaultDelayMs, 0);
}

int MacroOptionsPanel::loopType() const
{
    for (int i = 0; i < 3; ++i) {
        if (m_LoopBoxes[i]->isChecked())
            return i + 1;
    }
    return 0;
}

QCheckBox *MacroOptionsPanel::loopBox(int type) const
{
    return type >= 1 && type <= 3 ? m_LoopBoxes[type - 1] : nullptr;
}

void MacroOptionsPanel::setShown(bool shown)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{m_pDefaultDelayEdit, m_pDefaultDelayUnit, m_pLoopTimeEdit,
                                                            m_pRecordDelay, m_pDefaultDelay, m_LoopBoxes[0],
                                                            m_LoopBoxes[1], m_LoopBoxes[2]})
        widget->setVisible(shown);
}

void MacroOptionsPanel::setEnabled(bool enabled)
{
    for (QWidget *option : std::initializer_list<QWidget *>{m_pRecordDelay, m_pDefaultDelay, m_pDefaultDelayEdit,
                                                            m_pLoopTimeEdit, m_LoopBoxes[0], m_LoopBoxes[1], m_LoopBoxes[2]})
        option->setEnabled(enabled);
}

void MacroOptionsPanel::delayBoxClicked(QCheckBox *box)
{
    // The two delay boxes exclude each other; neither ticked is "no delays".
    if (box->isChecked())
        (box == m_pRecordDelay ? m_pDefaultDelay : m_pRecordDelay)->setChecked(false);
    emit changed();
}

void MacroOptionsPanel::loopBoxClicked(QCheckBox *box)
{
    // An optional exclusive choice: ticking one clears the other two.
    for (QCheckBox *other : m_LoopBoxes) {
        if (other != box)
            other->setChecked(false);
    }
    emit changed();
}
