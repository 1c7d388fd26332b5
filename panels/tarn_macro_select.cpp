#include "panels/tarn_macro_select.h"

#include "widgets/theme.h"
#include "storage/macro_file.h"
#include "storage/settings_file.h"
#include "widgets/dialog_parts.h"
#include "widgets/skin.h"
#include "widgets/tarn_push_button.h"
#include "widgets/theme.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

constexpr int kNameButtonWidth = 150;
constexpr int kNameButtonTop = 66;
constexpr int kChoiceLeft = 70;
constexpr int kChoiceTop = 112;
constexpr int kChoiceStep = 34;

} // namespace

TarnMacroSelect::TarnMacroSelect(const QString &windowTitle, const QString &heading, const QString &macroName,
                                 int loopCount, int loopMode, QWidget *parent)
    : TarnPanelDialog(kMessageBoxWidth, kMessageBoxHeight, parent), m_Name(macroName)
{
    setWindowTitle(windowTitle);
    QLabel *title = makeMessageLabel(heading, "msgBoxInfoLabel1", this);
    title->setAlignment(Qt::AlignCenter);
    place(title, kMessageBoxSpacing, 24, kMessageBoxWidth - 2 * kMessageBoxSpacing, 30);

    m_pNameButton = new TarnPushButton(
        {skinPath("tabbutton-1.png"), skinPath("tabbutton-3.png"), skinPath("tabbutton-2.png")}, this);
    m_pNameButton->setText(macroName);
    place(m_pNameButton, (kMessageBoxWidth - kNameButtonWidth) / 2, kNameButtonTop, kNameButtonWidth, 28);
    m_pMenu = new QMenu(m_pNameButton);
    m_pMenu->setFixedWidth(m_pNameButton->width());
    m_pMenu->setFont(languageFont());
    m_pMenu->setStyleSheet(menuStyleSheet(themeColour(), languageFont().pixelSize()));
    for (const QString &name : listMacroNames())
        m_pMenu->addAction(name)->setData(name);
    m_pNameButton->setMenu(m_pMenu);
    connect(m_pMenu, &QMenu::triggered, this, &TarnMacroSelect::onNameChosen);

    const QString texts[kLoopModeCount] = {tr("LOOPS TIME(1-255)"), tr("REPEAT RUN WHEN KEY DOWN"),
                                           tr("REPEAT RUN UNTILL THE KEY DOWN")};
    for (int mode = 0; mode < kLoopModeCount; ++mode) {
        QCheckBox *box = makeCheckBox(texts[mode]);
        place(box, kChoiceLeft, kChoiceTop + kChoiceStep * mode, mode ? 340 : 280, 24);
        box->setChecked(mode == loopMode);
        connect(box, &QCheckBox::clicked, this, &TarnMacroSelect::onModeClicked);
        m_ModeBoxes[size_t(mode)] = box;
    }
    m_pLoops = makeNumberField(QString::number(loopCount));
    place(m_pLoops, kMessageBoxWidth - kChoiceLeft - 56, kChoiceTop, 56, 24);

    addButtons(tr("Yes"), tr("No"), kMessageBoxHeight - kMessageBoxSpacing - 30);
}

QString TarnMacroSelect::heading(bool gunSet)
{
    return gunSet ? tr("GUNFILE SELECT") : tr("MACRO SELECT");
}

int TarnMacroSelect::loopCount() const
{
    return m_pLoops->text().toInt();
}

int TarnMacroSelect::loopMode() const
{
    for (int mode = 0; mode < kLoopModeCount; ++mode) {
        if (m_ModeBoxes[size_t(mode)]->isChecked())
            return mode;
    }
    return 0;
}

void TarnMacroSelect::onNameChosen(QAction *action)
{
    m_Name = action->data().toString();
    m_pNameButton->setText(m_Name);
}

void TarnMacroSelect::onModeClicked()
{
    auto *clicked = qobject_cast<QCheckBox *>(sender());
    for (QCheckBox *box : m_ModeBoxes)
        box->setChecked(box == clicked);
}
