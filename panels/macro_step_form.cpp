#include "panels/macro_step_form.h"

#include "model/macro_steps.h"
#include "panels/macro_page_look.h"
#include "panels/macro_page_text.h"
#include "panels/tarn_macro_item_delegate.h"
#include "widgets/skin.h"
#include "widgets/tarn_push_button.h"
#include "widgets/theme.h"

#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

const QRect kTitleRect(180, 342, 485, 22);
const QRect kFirstRect(180, 372, 170, 26);
const QRect kSecondRect(360, 372, 60, 26);
const QRect kDelayRect(kFirstRect.topLeft(), QSize(100, kFirstRect.height()));
const QRect kDelayUnitRect(kFirstRect.x() + 106, kFirstRect.y(), 40, kFirstRect.height());

QString buttonText(uint8_t buttonBit)
{
    const char *name = macroButtonName(buttonBit);
    return name ? macroText(name) : QString();
}

} // namespace

MacroStepForm::MacroStepForm(QWidget *page) : QObject(page)
{
    m_pTitle = new QLabel(page);
    m_pKeyName = new QLabel(page);
    m_pKeyName->setAlignment(Qt::AlignCenter);
    m_pKeyName->setStyleSheet("color: white; background-color: rgb(24,24,28); border: 1px solid rgb(70,70,78);");
    const QStringList dropImages = {skinPath("profilesel.png"), skinPath("profilesel.png"), skinPath("profilesel.png")};
    m_pButton = new TarnPushButton(dropImages, page);
    m_pButtonMenu = new QMenu(m_pButton);
    for (const MacroButton &button : kMacroButtons)
        m_pButtonMenu->addAction(QString())->setData(button.bit);
    m_pButton->setMenu(m_pButtonMenu);
    connect(m_pButtonMenu, &QMenu::triggered, this,
            [this](QAction *action) { emit buttonChosen(static_cast<uint8_t>(action->data().toInt())); });
    m_pMoveButton = new TarnPushButton(dropImages, page);
    m_pMoveMenu = new QMenu(m_pMoveButton);
    for (MoveDirection direction : kMoveDirections)
        m_pMoveMenu->addAction(QString())->setData(static_cast<int>(direction));
    m_pMoveButton->setMenu(m_pMoveMenu);
    connect(m_pMoveMenu, &QMenu::triggered, this, [this](QAction *action) {
        emit directionChosen(static_cast<MoveDirection>(action->data().toInt()),
                             macroFieldValue(m_pDistance, kMacroMinMoveDistance, kMacroMaxMoveDistance, 1));
    });
    m_pDistance = new QLineEdit(page);
    m_pDistance->setMaxLength(3);
    m_pDistance->setValidator(new QIntValidator(kMacroMinMoveDistance, kMacroMaxMoveDistance, m_pDistance));
    connect(m_pDistance, &QLineEdit::textEdited, this, &MacroStepForm::distanceEdited);
    m_pDelay = new QLineEdit(page);
    m_pDelay->setMaxLength(5);
    m_pDelay->setValidator(new QIntValidator(kMinStepDelayMs, kMaxStepDelayMs, m_pDelay));
    connect(m_pDelay, &QLineEdit::textEdited, this, &MacroStepForm::delayEdited);
    m_pDelayUnit = new QLabel(QStringLiteral("ms"), page);
    hide();
    for (QLineEdit *edit : {m_pDistance, m_pDelay}) {
        edit->setStyleSheet(macroFieldStyle());
        edit->setAlignment(Qt::AlignCenter);
    }
    for (QLabel *label : {m_pTitle, m_pDelayUnit})
        label->setStyleSheet(macroLabelStyle());
}

void MacroStepForm::layout()
{
    const double scale = uiScale();
    m_pTitle->setGeometry(scaledRect(kTitleRect, scale));
    for (QWidget *first : std::initializer_list<QWidget *>{m_pKeyName, m_pButton, m_pMoveButton})
        first->setGeometry(scaledRect(kFirstRect, scale));
    m_pDistance->setGeometry(scaledRect(kSecondRect, scale));
    m_pDelay->setGeometry(scaledRect(kDelayRect, scale));
    m_pDelayUnit->setGeometry(scaledRect(kDelayUnitRect, scale));
    const QString menuStyle = macroMenuStyle();
    for (QMenu *menu : {m_pButtonMenu, m_pMoveMenu}) {
        menu->setFont(languageFont());
        menu->setStyleSheet(menuStyle);
        menu->setFixedWidth(scaledUnits(kFirstRect.width()));
    }
}

void MacroStepForm::retranslate()
{
    const QList<QAction *> buttons = m_pButtonMenu->actions();
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setText(macroText(kMacroButtons[i].name));
    const QList<QAction *> moves = m_pMoveMenu->actions();
    for (int i = 0; i < moves.size(); ++i)
        moves[i]->setText(moveDirectionText(kMoveDirections[i]));
}

bool MacroStepForm::showStep(const MacroEvent *step)
{
    hideFields();
    m_pTitle->show();
    if (!step) {
        m_pTitle->setText(macroText(QT_TRANSLATE_NOOP("MacroDialog", "Select a step to edit.")));
        return false;
    }
    switch (stepKind(*step)) {
    case StepKind::Key:
        m_pTitle->setText(macroText(QT_TRANSLATE_NOOP("MacroDialog", "Press the key this step should use.")));
        m_pKeyName->setText(stepCell(*step, 0).text);
        m_pKeyName->show();
        return true;
    case StepKind::Button: {
        m_pTitle->setText(macroText(QT_TRANSLATE_NOOP("MacroDialog", "Choose the mouse button of this step.")));
        m_pButton->setText(buttonText(step->DataL));
        m_pButton->show();
        return false;
    }
    case StepKind::Move: {
        m_pTitle->setText(macroText(QT_TRANSLATE_NOOP("MacroDialog", "Choose the direction and the distance (1-120).")));
        const DecodedMove move = decodeMove(*step);
        m_pMoveButton->setText(moveDirectionText(move.valid ? move.direction : MoveDirection::Right));
        m_pDistance->setText(QString::number(move.valid ? move.distance : kMacroMinMoveDistance));
        m_pMoveButton->show();
        m_pDistance->show();
        return false;
    }
    case StepKind::Delay:
        m_pTitle->setText(macroText(QT_TRANSLATE_NOOP("MacroDialog", "Enter the delay (10-65535 ms).")));
        m_pDelay->setText(QString::number(delayMs(*step)));
        m_pDelay->show();
        m_pDelayUnit->show();
        return false;
    case StepKind::Other:
        break;
    }
    m_pTitle->setText(QString());
    return false;
}

void MacroStepForm::showChangedStep(const MacroEvent &step)
{
    if (stepKind(step) == StepKind::Button)
        m_pButton->setText(buttonText(step.DataL));
    else if (stepKind(step) == StepKind::Move && decodeMove(step).valid)
        m_pMoveButton->setText(moveDirectionText(decodeMove(step).direction));
}

void MacroStepForm::showKeyName(const QString &name)
{
    m_pKeyName->setText(name);
}

void MacroStepForm::hide()
{
    m_pTitle->hide();
    hideFields();
}

void MacroStepForm::hideFields()
{
    for (QWidget *field : std::initializer_list<QWidget *>{m_pKeyName, m_pButton, m_pMoveButton, m_pDistance, m_pDelay,
                                                           m_pDelayUnit})
        field->hide();
}
