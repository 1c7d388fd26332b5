#include "panels/tarn_btn_window.h"

#include "widgets/theme.h"
#include "model/assignment_text.h"
#include "model/button_assignment.h"
#include "model/button_reach.h"
#include "panels/tarn_combo_key_window.h"
#include "panels/tarn_fire_key_window.h"
#include "panels/tarn_macro_select.h"
#include "panels/tarn_single_key_window.h"
#include "panels/tarn_sniper_window.h"
#include "storage/log_categories.h"
#include "storage/macro_file.h"
#include "storage/model_description.h"
#include "storage/settings_file.h"
#include "widgets/skin.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"
#include "widgets/theme.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>

namespace {

constexpr int kSpreadLimit = 9;      // up to this many front labels are spread over the panel
constexpr int kPanelHeight = 440;    // design height for a model with up to 9 buttons
constexpr int kMenuWidth = 220;
constexpr int kLabelLeft = 56;
constexpr int kLabelWidth = 220;
constexpr int kLabelHeight = 30;
constexpr int kStackTop = 30;
constexpr int kStackGap = 20;
constexpr int kNumberGap = 4;
constexpr int kNumberWidth = 36;
constexpr int kSideLeft = 29;
constexpr int kSideTop = 62;
constexpr int kSideStep = 25;
constexpr int kSideWidth = 150;
constexpr int kSideHeight = 20;

QString translateEntry(const char *text)
{
    return QCoreApplication::translate(kCatalogueTextContext, text);
}

int groupBase(int group)
{
    return group * TarnBtnWindow::kGroupSize;
}

int groupLabelCount(int group)
{
    return group == 2 ? TarnBtnWindow::kWheelLabels : TarnBtnWindow::kGroupSize;
}

// Label tops (design units) of n labels in a panel of the given design height: spread evenly up
// to 9 labels, stacked from the top beyond.
int labelTop(int c, int n, int panelHeight)
{
    if (n <= kSpreadLimit) {
        const double gap = double(panelHeight - kLabelHeight * n) / (n + 1);
        return int(gap + gap * c + kLabelHeight * c);
    }
    return kStackTop + (kStackGap + kLabelHeight) * c;
}

} // namespace

// ---------------------------------------------------------------- TarnAction

TarnAction::TarnAction(const FunctionEntry &entry, QObject *parent) : QAction(parent), m_Entry(entry)
{
    retranslate();
}

void TarnAction::retranslate()
{
    setText(translateEntry(m_Entry.text));
}

// ---------------------------------------------------------------- construction

QSize TarnBtnWindow::designSize()
{
    const int n = modelButtonCount();
    return QSize(kDesignWidth, n > kSpreadLimit ? 50 * n + 20 : kPanelHeight);
}

TarnBtnWindow::TarnBtnWindow(ProfileData *profile, QWidget *parent, double scale)
    : QWidget(parent), m_pProfile(profile), m_dScale(scale)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("background-color: rgba(33,35,35,0.5)");
    buildLabels();
    buildMenus();
    m_pSideNotice = new QLabel(this);
    m_pSideNotice->setWordWrap(true);
    m_pSideNotice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pSideNotice->setStyleSheet("color: rgb(200, 204, 212); background: transparent;");
    rescale(scale);
    retranslate();
}

void TarnBtnWindow::buildLabels()
{
    const QStringList images = {skinPath("tabbutton-1.png"), skinPath("tabbutton-3.png"),
                                skinPath("tabbutton-2.png")};
    for (int group = 0; group < kButtonGroupCount; ++group) {
        for (int i = 0; i < groupLabelCount(group); ++i) {
            auto *label = new TarnPushButton(images, this);
            label->setCheckable(true);
            // The window's hover follows the front buttons by their place (1-based).
            label->setProperty("buttonRow", group == 0 ? i + 1 : 0);
            connect(label, &TarnPushButton::OverSignal, this, &TarnBtnWindow::slotMouseOver);
            connect(label, &TarnPushButton::EnterSignal, this, &TarnBtnWindow::slotMouseEnter);
            m_Labels[group].push_back(label);
            auto *number = new QLabel(this);
            number->setAlignment(Qt::AlignCenter);
            number->setStyleSheet("color: rgb(150, 154, 162); background: transparent;");
            number->setText(group == 2 ? QString(i == 0 ? "\u25B2" : "\u25BC") : QString::number(i + 1));
            m_Numbers[group].push_back(number);
        }
    }
}

void TarnBtnWindow::buildMenus()
{
    for (const FunctionEntry &entry : kFunctionCatalogue) {
        auto *action = new TarnAction(entry, this);
        connect(action, &QAction::triggered, this, &TarnBtnWindow::onActionTriggered);
        m_Actions.push_back(action);
    }
    m_pMainMenu = new QMenu(this);
    m_pScrollMenu = new QMenu(this);
    for (int s = 0; s < kSubmenuCount; ++s) {
        QMenu *menu = new QMenu(this);
        for (const FunctionEntry *entry : submenuEntries(Submenu(s)))
            menu->addAction(m_Actions[size_t(entry - kFunctionCatalogue.data())]);
        m_Submenus[size_t(s)] = menu;
    }
    for (const FunctionEntry *entry : scrollMenuEntries())
        m_pScrollMenu->addAction(m_Actions[size_t(entry - kFunctionCatalogue.data())]);
    // The label under the menu is no longer highlighted once the menu closes; the press that
    // opened a menu toggled its label's mark, so the marks are set again.
    connect(m_pMainMenu, &QMenu::aboutToHide, this, [this] {
        const int b = currentButton();
        if (b >= 0)
            emit SelBtnControl(label(buttonGroupOf(b), b - groupBase(buttonGroupOf(b))), false);
    });
    for (QMenu *menu : {m_pMainMenu, m_pScrollMenu})
        connect(menu, &QMenu::aboutToHide, this, &TarnBtnWindow::showGroupLabels);
    for (int group = 0; group < kButtonGroupCount; ++group) {
        for (TarnPushButton *l : m_Labels[group])
            l->setMenu(group == 2 ? m_pScrollMenu : m_pMainMenu);
    }
}

void TarnBtnWindow::rebuildMainMenu()
{
    // The actions belong to the panel: clearing the menu keeps them.
    m_pMainMenu->clear();
    for (const MainMenuItem &item : mainMenuItems(!macrosDisabled())) {
        if (item.entry)
            m_pMainMenu->addAction(action(item.entry->fun));
        else
            m_pMainMenu->addMenu(m_Submenus[size_t(item.submenu)]);
    }
}

TarnAction *TarnBtnWindow::action(int fun) const
{
    const FunctionEntry *entry = findFunction(fun);
    return entry ? m_Actions[size_t(entry - kFunctionCatalogue.data())] : nullptr;
}

TarnPushButton *TarnBtnWindow::label(int group, int index) const
{
    if (group < 0 || group >= kButtonGroupCount || index < 0 || index >= int(m_Labels[group].size()))
        return nullptr;
    return m_Labels[group][size_t(index)];
}

// ---------------------------------------------------------------- profile, group, scale, texts

void TarnBtnWindow::setProfile(ProfileData *profile)
{
    m_pProfile = profile;
    refreshLabels();
}

void TarnBtnWindow::refreshFromProfile(const PanelContext &context)
{
    m_iSensor = context.sensor;
    setProfile(context.current);
}

void TarnBtnWindow::selectGroup(int index, int group)
{
    if (group < 0 || group >= kButtonGroupCount)
        return;
    m_iShownGroup = group;
    m_iGroup = quint8(group);
    m_iIndex = isOffered(group, index) ? quint8(index) : kNoSelection;
    m_iMarkedIndex = m_iIndex;
    showGroupLabels();
    refreshLabels();
}

void TarnBtnWindow::showGroupLabels()
{
    // The side list is longer than the front panel: the panel grows so the scroll area reaches
    // its last label.
    const int sideHeight = kSideTop + kSideStep * sideLabelCount() + kSideHeight;
    const int height = qMax(designSize().height(), m_iShownGroup == 1 ? sideHeight : 0);
    setFixedSize(QSize(kDesignWidth, height) * m_dScale);
    // Group 0 shows the laid-out front labels; a label without geometry stays hidden.
    for (int group = 0; group < kButtonGroupCount; ++group) {
        for (size_t i = 0; i < m_Labels[group].size(); ++i) {
            TarnPushButton *l = m_Labels[group][i];
            const bool shown = group == m_iShownGroup && !l->geometry().isEmpty();
            l->setVisible(shown);
            m_Numbers[group][i]->setVisible(shown);
            l->setSelected(shown && m_iMarkedIndex == i);
        }
    }
    m_pSideNotice->setVisible(m_iShownGroup == 1 && sideLabelCount() == 0);
}

bool TarnBtnWindow::isOffered(int group, int index) const
{
    const TarnPushButton *l = label(group, index);
    return l && !l->geometry().isEmpty();
}

int TarnBtnWindow::sideLabelCount() const
{
    int n = 0;
    for (int i = 0; i < kGroupSize; ++i)
        n += isOffered(1, i) ? 1 : 0;
    return n;
}

void TarnBtnWindow::layoutLabels()
{
    auto scaled = [this](double units) { return int(units * m_dScale); };
    // The number sits in the margin left of its label.
    auto place = [&](int group, int i, double x, double y, double w, double h) {
        m_Labels[group][size_t(i)]->setGeometry(scaled(x), scaled(y), scaled(w), scaled(h));
        const double numberWidth = qMin<double>(kNumberWidth, x - kNumberGap);
        m_Numbers[group][size_t(i)]->setGeometry(scaled(x - kNumberGap - numberWidth), scaled(y),
                                                 scaled(numberWidth), scaled(h));
    };
    auto hide = [&](int group, int i) {
        m_Labels[group][size_t(i)]->setGeometry(QRect());
        m_Numbers[group][size_t(i)]->setGeometry(QRect());
    };

    // Only buttons that a download sends get a label (model/button_reach.h): an assignment
    // made anywhere else would be stored and never reach the mouse.
    const ButtonReach reach = modelButtonReach();
    // Front labels: those with a matrix entry; an entry of 255 has no button there.
    const QVector<int> front = sentFrontButtons(reach);
    const int height = designSize().height();
    for (int i = 0; i < kGroupSize; ++i)
        hide(0, i);
    for (int c = 0; c < front.size(); ++c) {
        const int i = front[c];
        place(0, i, kLabelLeft, labelTop(c, front.size(), height), kLabelWidth, kLabelHeight);
        m_Numbers[0][size_t(i)]->setText(QString::number(c + 1));
    }
    int side = 0;
    for (int i = 0; i < kGroupSize; ++i) {
        if (!buttonIsSent(kGroupSize + i, reach)) {
            hide(1, i);
            continue;
        }
        place(1, i, kSideLeft, kSideTop + kSideStep * side, kSideWidth, kSideHeight);
        m_Numbers[1][size_t(i)]->setText(QString::number(++side));
    }
    m_pSideNotice->setGeometry(scaled(kSideLeft), scaled(kSideTop), scaled(kDesignWidth - 2 * kSideLeft),
                               scaled(kPanelHeight - 2 * kSideTop));
    // The wheel's two labels, spread like a front pair.
    for (int i = 0; i < kWheelLabels; ++i)
        place(2, i, kLabelLeft, labelTop(i, kWheelLabels, kPanelHeight), kLabelWidth, kLabelHeight);
}

void TarnBtnWindow::applyMenuFont()
{
    const QFont font = languageFont(m_dScale);
    const QString style = menuStyleSheet(themeColour(), font.pixelSize());
    QList<QMenu *> menus{m_pMainMenu, m_pScrollMenu};
    for (QMenu *menu : m_Submenus)
        menus << menu;
    for (QMenu *menu : menus) {
        menu->setFixedWidth(int(kMenuWidth * m_dScale));
        menu->setFont(font);
        menu->setStyleSheet(style);
    }
    for (TarnAction *a : m_Actions)
        a->setFont(font);
    for (const auto &numbers : m_Numbers) {
        for (QLabel *number : numbers)
            number->setFont(font);
    }
    m_pSideNotice->setFont(font);
}

void TarnBtnWindow::rescale(double scale)
{
    m_dScale = scale;
    for (const auto &labels : m_Labels) {
        for (TarnPushButton *l : labels)
            l->hide();
    }
    layoutLabels();
    applyMenuFont();
    showGroupLabels();
}

void TarnBtnWindow::retranslate()
{
    applyMenuFont();
    rebuildMainMenu();
    for (int s = 0; s < kSubmenuCount; ++s)
        m_Submenus[size_t(s)]->setTitle(translateEntry(submenuTitle(Submenu(s))));
    for (TarnAction *a : m_Actions)
        a->retranslate();
    m_pSideNotice->setText(tr("This mouse has no side buttons of its own to set here: the mouse "
                              "takes the buttons of the Front view only."));
    refreshLabels();
}

void TarnBtnWindow::refreshLabels()
{
    if (!m_pProfile)
        return;
    for (int group = 0; group < kButtonGroupCount; ++group) {
        for (size_t i = 0; i < m_Labels[group].size(); ++i) {
            const ButtonInfo &info = m_pProfile->buttonInfo[size_t(groupBase(group)) + i];
            TarnPushButton *l = m_Labels[group][i];
            l->setText(buttonLabelText(info.Fun, info.macroname, translateEntry));
            // The label keeps the entry's text; what exactly is assigned is said here.
            const QString what = describeAssignment(info, m_iSensor, translateEntry);
            l->setToolTip(what);
            l->setAccessibleName(what);
        }
    }
}

void TarnBtnWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refreshLabels();
}

// ---------------------------------------------------------------- hover

bool TarnBtnWindow::locate(TarnPushButton *btn, int *group, int *index) const
{
    for (int g = 0; g < kButtonGroupCount; ++g) {
        const auto it = std::find(m_Labels[g].begin(), m_Labels[g].end(), btn);
        if (it != m_Labels[g].end()) {
            *group = g;
            *index = int(it - m_Labels[g].begin());
            return true;
        }
    }
    return false;
}

int TarnBtnWindow::currentButton() const
{
    if (!isOffered(m_iGroup, m_iIndex))
        return -1;
    return groupBase(m_iGroup) + m_iIndex;
}

void TarnBtnWindow::slotMouseOver(TarnPushButton *btn, bool bType)
{
    int group = 0, index = 0;
    if (locate(btn, &group, &index))
        emit SelBtnControl(btn, bType);
}

void TarnBtnWindow::slotMouseEnter(TarnPushButton *btn)
{
    int group = 0, index = 0;
    if (!locate(btn, &group, &index))
        return;
    m_iGroup = quint8(group);
    m_iIndex = quint8(index);
}

// ---------------------------------------------------------------- assignment

void TarnBtnWindow::onActionTriggered()
{
    auto *source = qobject_cast<TarnAction *>(sender());
    const int b = currentButton();
    if (!source || b < 0 || !m_pProfile)
        return;
    assign(b, source->entry());
}

void TarnBtnWindow::assign(int b, const FunctionEntry &entry)
{
    TarnPushButton *btn = label(buttonGroupOf(b), b - groupBase(buttonGroupOf(b)));
    emit SelBtnControl(btn, true);
    ButtonInfo &info = m_pProfile->buttonInfo[size_t(b)];
    if (!keepsAClick(*m_pProfile, b, entry.fun)) {
        emit PopOneClickBox();
    } else {
        bool accepted = true;
        switch (entry.params) {
        case FunctionParams::None: info.Fun = entry.fun; break;
        case FunctionParams::Macro:
        case FunctionParams::GunSet:
            assignMacro(b, entry);
            accepted = false; // the macro path sets the label itself
            break;
        case FunctionParams::SingleKey: accepted = assignSingleKey(info); break;
        case FunctionParams::ComboKey: accepted = assignComboKey(info); break;
        case FunctionParams::FireKey: accepted = assignFireKey(info); break;
        case FunctionParams::Sniper: accepted = assignSniper(info); break;
        }
        if (accepted) {
            info.Fun = entry.fun;
            refreshLabels();
        }
    }
    emit SelBtnControl(btn, false);
    m_iGroup = kNoSelection;
    m_iIndex = kNoSelection;
}

void TarnBtnWindow::assignMacro(int b, const FunctionEntry &entry)
{
    const bool gun = entry.params == FunctionParams::GunSet;
    if (gun && b == 0) {
        TarnMessageBox box(TarnMessageBox::Notice, QString(), tr("Warning"), tr("Left Button Can not be Gun Function."), this);
        box.exec();
        return;
    }
    if (macroCount() < 1) {
        emit GotoMacroTab();
        return;
    }
    ButtonInfo &info = m_pProfile->buttonInfo[size_t(b)];
    const bool preset = info.Fun == entry.fun;
    TarnMacroSelect picker(QString(), TarnMacroSelect::heading(gun),
                           preset ? info.macroname : QString(), preset ? info.LoopNumber : 1,
                           preset ? info.Res1 : 0, this);
    if (picker.exec() != QDialog::Accepted)
        return; // the label still shows what the button holds
    const QString name = picker.macroName();
    const MacroBinding binding = bindMacro(info, entry.fun, name, picker.loopCount(), picker.loopMode());
    refreshLabels();
    if (binding.truncated) {
        showNotice(tr("The macro \"%1\" has %2 steps; the button takes its first %3.")
                       .arg(name)
                       .arg(binding.storedSteps)
                       .arg(kKeyInfoCount));
    }
}

bool TarnBtnWindow::assignSingleKey(ButtonInfo &info)
{
    TarnSingleKeyWindow dialog(this);
    if (info.Fun == kFunSingleKey)
        dialog.preset(info.Res1);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    setSingleKey(info, dialog.keyCode());
    qCDebug(lcPanels, "%d", info.Res1);
    return true;
}

bool TarnBtnWindow::assignComboKey(ButtonInfo &info)
{
    TarnComboKeyWindow dialog(this);
    if (info.Fun == kFunComboKey)
        dialog.preset(info);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    setComboKey(info, dialog.comboKeys(), dialog.hotKeyCodes());
    return true;
}

bool TarnBtnWindow::assignFireKey(ButtonInfo &info)
{
    TarnFireKeyWindow dialog(this);
    if (info.Fun == kFunFireKey)
        dialog.preset(info);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    setFireKey(info, dialog.mode(), dialog.keyCode(), dialog.timesText().toInt(), dialog.delayText().toInt());
    return true;
}

bool TarnBtnWindow::assignSniper(ButtonInfo &info)
{
    TarnSniperWindow dialog(m_iSensor, m_dScale, this);
    if (info.Fun == kFunSniper)
        dialog.setValue(info.Res1);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    setSniper(info, dialog.value());
    return true;
}

void TarnBtnWindow::showNotice(const QString &text)
{
    TarnMessageBox box(TarnMessageBox::Notice, QString(), tr("Warning"), text, this);
    box.exec();
}

QScrollArea *makeButtonPanelArea(TarnBtnWindow *panel, QWidget *parent)
{
    auto *area = new QScrollArea(parent);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setStyleSheet("QScrollArea{background-color:transparent;margin:0px;border:0px}");
    area->viewport()->setStyleSheet("background-color:transparent;margin:0px;");
    // A slim bar in the theme colour, not the desktop's light one.
    const QColor c = themeColour();
    area->verticalScrollBar()->setStyleSheet(
        QString("QScrollBar:vertical{background:rgba(0,0,0,70);width:%1px;margin:0px;border:0px;}"
                "QScrollBar::handle:vertical{background:rgb(%2,%3,%4);min-height:%5px;border-radius:%6px;}"
                "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
                "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:transparent;}")
            .arg(scaledUnits(8))
            .arg(c.red())
            .arg(c.green())
            .arg(c.blue())
            .arg(scaledUnits(24))
            .arg(scaledUnits(4)));
    area->setWidget(panel);
    return area;
}
