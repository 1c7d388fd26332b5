#include "app/profile_bar.h"

#include "app/profile_rules.h"
#include "app/window_controls.h"
#include "widgets/skin.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_push_button.h"
#include "widgets/theme.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>

#include <algorithm>

namespace {

constexpr int kMenuWidth = 152; // design units

int currentSlot(const ProfileSet &working)
{
    return qBound(0, int(working.ProfileID), kProfileSlotCount - 1);
}

} // namespace

ProfileBar::ProfileBar(QWidget &window) : QObject(&window)
{
    // Bare text, with the pressed-tab face marking the selected (and hovered) slot.
    for (int k = 0; k < kProfileSlotCount; ++k) {
        m_SlotButtons[k] =
            makeWindowButton(&window, {}, static_cast<LayoutItem>(static_cast<int>(LayoutItem::Slot0) + k));
        m_SlotButtons[k]->setImages({QString(), skinPath("tabbutton-3.png")});
        m_SlotButtons[k]->setCheckable(true);
        connect(m_SlotButtons[k], &QPushButton::clicked, this, &ProfileBar::onSlotButtonClicked);
    }
    m_pSlotDropDown = makeWindowButton(&window, {"profilesel.png", "profilesel.png", "profilesel.png"},
                                       LayoutItem::SlotDropDown);
    m_pSlotMenu = new QMenu(m_pSlotDropDown);
    for (int k = 0; k < kProfileSlotCount; ++k) {
        m_SlotActions[k] = m_pSlotMenu->addAction(QString());
        connect(m_SlotActions[k], &QAction::triggered, this, [this, k] { emit slotChosen(k); });
    }
    m_pSlotDropDown->setMenu(m_pSlotMenu);

    m_pNameLabel = makeWindowLabel(&window, LayoutItem::NameLabel);
    m_pNameEdit = new TarnLineEdit(&window);
    m_pNameEdit->setProperty("layoutItem", static_cast<int>(LayoutItem::NameEdit));
    m_pNameEdit->setStyleSheet("QLineEdit{background-color: rgb(24,24,28); color: rgb(225,225,225);"
                               " border: 1px solid rgb(70,70,78); border-radius: 2px;}");
    connect(m_pNameEdit, &QLineEdit::returnPressed, this,
            [this] { emit renameRequested(m_pNameEdit->text()); });
    m_pFileButton = makeWindowButton(&window, {"profile_edit_name_1.png", "profile_edit_name_2.png"},
                                     LayoutItem::ProfileFileButton);
    m_pFileMenu = new QMenu(m_pFileButton);
    m_pAutoSwitchAction = new QAction(this);
    connect(m_pFileMenu, &QMenu::triggered, this, [this](QAction *action) {
        if (action != m_pAutoSwitchAction)
            emit storedProfileChosen(action->data().toString());
    });
    m_pFileButton->setMenu(m_pFileMenu);
    // Only reached when the button's menu does not take the click.
    connect(m_pFileButton, &QPushButton::clicked, this,
            [this] { emit renameRequested(m_pNameEdit->text()); });
}

TarnPushButton *ProfileBar::slotButton(int slot) const
{
    return slot >= 0 && slot < kProfileSlotCount ? m_SlotButtons[static_cast<size_t>(slot)] : nullptr;
}

void ProfileBar::showLibrary(const QStringList &library)
{
    m_pFileMenu->clear();
    for (int i = 0; i < library.size() && i < kMaxStoredProfiles; ++i) {
        QString label = library.at(i);
        QAction *action = m_pFileMenu->addAction(label.replace('&', QStringLiteral("&&")));
        action->setData(library.at(i));
        action->setCheckable(true);
    }
    m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(m_pAutoSwitchAction);
}

void ProfileBar::showSlot(const ProfileSet &working)
{
    const int slot = currentSlot(working);
    m_pSlotDropDown->setText(m_SlotActions[static_cast<size_t>(slot)]->text());
    const QString &name = working.slotNames[static_cast<size_t>(slot)];
    m_pNameEdit->setText(name);
    for (QAction *action : m_pFileMenu->actions())
        action->setChecked(action->data().toString() == name);
}

void ProfileBar::markSlot(const ProfileSet &working)
{
    const int slot = currentSlot(working);
    for (int k = 0; k < kProfileSlotCount; ++k)
        m_SlotButtons[k]->setSelected(k == slot);
}

void ProfileBar::setControlsEnabled(bool enabled)
{
    QList<QWidget *> controls = {m_pSlotDropDown, m_pNameEdit, m_pFileButton};
    for (TarnPushButton *slot : m_SlotButtons)
        controls << slot;
    for (QWidget *control : qAsConst(controls))
        control->setEnabled(enabled);
}

void ProfileBar::rescale()
{
    for (QMenu *menu : {m_pSlotMenu, m_pFileMenu}) {
        menu->setFixedWidth(scaled(kMenuWidth, uiScale()));
        applyMenuLook(menu);
    }
}

void ProfileBar::retranslate()
{
    // The window's texts: translated in its context, where the language files keep them.
    for (int k = 0; k < kProfileSlotCount; ++k) {
        m_SlotButtons[k]->setText(QCoreApplication::translate("MousecfgWidget", "Profile") +
                                  QString(" %1").arg(k + 1));
        m_SlotActions[k]->setText(QCoreApplication::translate("MousecfgWidget", "Mode") +
                                  QString(" %1").arg(k + 1));
    }
    m_pNameEdit->setToolTip(QCoreApplication::translate("MousecfgWidget", "Press Enter To Apply"));
    m_pNameLabel->setText(QCoreApplication::translate("MousecfgWidget", "NAME"));
    m_pAutoSwitchAction->setText(QCoreApplication::translate("MousecfgWidget", "Automatic switching…"));
}

void ProfileBar::onSlotButtonClicked()
{
    // The layout leaves the slot drop-down no room: these buttons are how a user switches slots
    // from the window, as the slot menu would.
    const auto slot = std::find(m_SlotButtons.begin(), m_SlotButtons.end(), sender());
    if (slot != m_SlotButtons.end())
        emit slotChosen(int(slot - m_SlotButtons.begin()));
}
