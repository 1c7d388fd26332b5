#include "app/auto_switch_dialog.h"

#include "app/auto_switch.h"
#include "panels/macro_page_look.h"
#include "platform/focused_app_bus.h"
#include "platform/running_apps.h"
#include "storage/log_categories.h"
#include "storage/record_sizes.h"
#include "widgets/dialog_parts.h"
#include "widgets/tarn_message_box.h"
#include "widgets/theme.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Design units.
constexpr int kWidth = 600;
constexpr int kHeight = 494;
constexpr int kLeft = 30;
constexpr int kInner = kWidth - 2 * kLeft;
constexpr int kListWidth = 420;
// Below the glow line the dialog skin draws across at about 100 units.
constexpr int kReasonTop = 112;
constexpr int kListTop = 160;
constexpr int kListHeight = 176;
constexpr int kSideLeft = kLeft + kListWidth + 16;
constexpr int kSideWidth = kWidth - kLeft - kSideLeft;
constexpr int kRowHeight = 30;
constexpr int kRowGap = 10;
constexpr int kAppColumn = 270;
constexpr int kItemHeight = 26;
constexpr int kButtonsTop = 450;

QString comboStyle()
{
    const QColor c = themeColour();
    return QStringLiteral("QComboBox{background-color: rgb(24,24,28); color: rgb(225,225,225);"
                          " border: 1px solid rgb(70,70,78); border-radius: 2px; padding: 0px %4px;}"
                          "QComboBox:focus{border: 1px solid rgb(%1,%2,%3);}"
                          "QComboBox QAbstractItemView{background-color: rgb(24,24,28); color: rgb(220,220,220);"
                          " border: 1px solid rgb(70,70,78); selection-background-color: rgba(%1,%2,%3,140);}")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue())
        .arg(scaledUnits(4));
}

// Why a typed name cannot become a rule, in the window's language (appNameProblem's order).
QString appNameProblemText(const QString &app)
{
    if (app.trimmed().isEmpty())
        return AutoSwitchDialog::tr("Type or pick the application's name first.");
    if (app.size() > kAppNameMaxLength)
        return AutoSwitchDialog::tr("An application name has at most %1 characters.").arg(kAppNameMaxLength);
    return AutoSwitchDialog::tr("An application name cannot hold a line break or another control character.");
}

} // namespace

QString focusUnavailableText(FocusUnavailable why)
{
    switch (why) {
    case FocusUnavailable::Wayland:
        return AutoSwitchDialog::tr("On Wayland only KDE Plasma and GNOME tell other programs which window is in front.");
    case FocusUnavailable::NoSessionBus:
        return AutoSwitchDialog::tr("There is no session bus for the desktop to report the window in front on.");
    case FocusUnavailable::KWinScriptMissing:
        return AutoSwitchDialog::tr("The KWin script that reports the window in front is not installed.");
    case FocusUnavailable::GnomeExtensionOff:
        return AutoSwitchDialog::tr("Enable the GNOME Shell extension with \"gnome-extensions enable %1\", then log out and in again.")
            .arg(QLatin1String(kGnomeFocusExtension));
    case FocusUnavailable::NoDisplay:
        return AutoSwitchDialog::tr("There is no X11 display.");
    case FocusUnavailable::DisplayUnopened:
        return AutoSwitchDialog::tr("The X11 display cannot be opened.");
    case FocusUnavailable::None:
        break;
    }
    return AutoSwitchDialog::tr("This desktop does not tell which application is in front.");
}

AutoSwitchDialog::AutoSwitchDialog(bool available, FocusUnavailable why, QWidget *parent)
    : TarnPanelDialog(kWidth, kHeight, parent)
{
    setObjectName("AutoSwitchDialog");
    place(makeHeading(tr("Automatic switching")), kLeft, 14, kInner, 28);

    m_pEnabled = makeCheckBox(tr("Switch the mouse's profile by the application in front"));
    place(m_pEnabled, kLeft, 52, kInner, 24);

    m_pUnavailable = new QLabel(this);
    m_pUnavailable->setWordWrap(true);
    m_pUnavailable->setFont(languageFont());
    m_pUnavailable->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(styleSheetColour(themeColour())));
    m_pUnavailable->setText(tr("Automatic switching is not available on this desktop: %1").arg(focusUnavailableText(why)));
    m_pUnavailable->setVisible(!available);
    place(m_pUnavailable, kLeft, kReasonTop, kInner, kListTop - kReasonTop - 4);

    m_pList = new QTreeWidget(this);
    m_pList->setObjectName("autoSwitchRules");
    m_pList->setColumnCount(2);
    m_pList->setHeaderLabels({tr("Application"), tr("Profile")});
    m_pList->setRootIsDecorated(false);
    m_pList->setFont(languageFont());
    m_pList->header()->setFont(languageFont());
    m_pList->header()->setSectionsMovable(false);
    m_pList->header()->setStretchLastSection(true);
    m_pList->setColumnWidth(0, scaledUnits(kAppColumn));
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setStyleSheet(macroListStyle() + QStringLiteral("QTreeWidget::item{height: %1px;}").arg(scaledUnits(kItemHeight)));
    place(m_pList, kLeft, kListTop, kListWidth, kListHeight);
    connect(m_pList, &QTreeWidget::currentItemChanged, this, [this] { updateButtons(); });

    const auto sideButton = [this](const QString &text, const char *name, int row) {
        QToolButton *button = makeMessageButton(text, name, QString(), messageBoxButtonStyle(), this);
        button->setFixedSize(scaledUnits(kSideWidth), scaledUnits(kRowHeight));
        button->move(scaledUnits(kSideLeft), scaledUnits(kListTop + row * (kRowHeight + kRowGap)));
        return button;
    };
    m_pUp = sideButton(tr("Move up"), "autoSwitchUpBtn", 0);
    m_pDown = sideButton(tr("Move down"), "autoSwitchDownBtn", 1);
    m_pDelete = sideButton(tr("Delete"), "autoSwitchDeleteBtn", 2);
    connect(m_pUp, &QToolButton::clicked, this, [this] { moveCurrent(-1); });
    connect(m_pDown, &QToolButton::clicked, this, [this] { moveCurrent(1); });
    connect(m_pDelete, &QToolButton::clicked, this, &AutoSwitchDialog::deleteCurrent);

    const int addTop = kListTop + kListHeight + kRowGap;
    m_pApp = new QComboBox(this);
    m_pApp->setObjectName("autoSwitchApp");
    m_pApp->setEditable(true);
    m_pApp->setInsertPolicy(QComboBox::NoInsert);
    m_pApp->setFont(languageFont());
    m_pApp->setStyleSheet(comboStyle());
    m_pApp->lineEdit()->setFont(languageFont());
    m_pApp->lineEdit()->setPlaceholderText(tr("Application name"));
    m_pApp->lineEdit()->setMaxLength(kAppNameMaxLength + 1); // one over, so the refusal can say why
    m_pApp->setEditText(QString());
    place(m_pApp, kLeft, addTop, kListWidth, kRowHeight);
    m_pAdd = sideButton(tr("Add"), "autoSwitchAddBtn", 0);
    m_pAdd->move(scaledUnits(kSideLeft), scaledUnits(addTop));
    connect(m_pAdd, &QToolButton::clicked, this, &AutoSwitchDialog::addTypedApp);
    connect(m_pApp->lineEdit(), &QLineEdit::returnPressed, this, &AutoSwitchDialog::addTypedApp);

    const int defaultTop = addTop + kRowHeight + kRowGap;
    m_pDefaultLabel = new QLabel(tr("Any other application:"), this);
    m_pDefaultLabel->setFont(languageFont());
    m_pDefaultLabel->setStyleSheet(macroLabelStyle());
    place(m_pDefaultLabel, kLeft, defaultTop, kAppColumn, kRowHeight);
    m_pDefault = makeSlotBox(true);
    m_pDefault->setObjectName("autoSwitchDefault");
    place(m_pDefault, kLeft + kAppColumn, defaultTop, kListWidth - kAppColumn, kRowHeight);
    connect(m_pDefault, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { m_Rules.defaultSlot = index; });

    m_pProblem = new QLabel(this);
    m_pProblem->setObjectName("autoSwitchProblem");
    m_pProblem->setWordWrap(true);
    m_pProblem->setFont(languageFont());
    m_pProblem->setStyleSheet("color: rgb(255, 130, 110); background: transparent;");
    place(m_pProblem, kLeft, defaultTop + kRowHeight + 4, kInner, kButtonsTop - defaultTop - kRowHeight - 6);

    addButtons(tr("OK"), tr("Cancel"), kButtonsTop);
    showRules(-1);
}

QComboBox *AutoSwitchDialog::makeSlotBox(bool withLeave)
{
    auto *box = new QComboBox(this);
    box->setFont(languageFont());
    box->setStyleSheet(comboStyle());
    if (withLeave)
        box->addItem(tr("Leave as is"));
    for (int slot = 1; slot <= kProfileSlotCount; ++slot)
        box->addItem(tr("Profile %1").arg(slot));
    return box;
}

void AutoSwitchDialog::setRules(const AppSwitchRules &rules)
{
    m_Rules = rules;
    m_pEnabled->setChecked(rules.enabled);
    m_pDefault->setCurrentIndex(qBound(0, rules.defaultSlot, kProfileSlotCount));
    showRules(rules.rules.isEmpty() ? -1 : 0);
}

AppSwitchRules AutoSwitchDialog::rules() const
{
    AppSwitchRules rules = m_Rules;
    rules.enabled = m_pEnabled->isChecked();
    return rules;
}

void AutoSwitchDialog::setRunningApps(const QStringList &apps)
{
    const QString typed = m_pApp->currentText();
    m_pApp->clear();
    m_pApp->addItems(apps);
    m_pApp->setEditText(typed);
}

void AutoSwitchDialog::showProblem(const QString &text) { m_pProblem->setText(text); }

QString AutoSwitchDialog::problem() const { return m_pProblem->text(); }

QComboBox *AutoSwitchDialog::slotBox(int row) const
{
    QTreeWidgetItem *item = m_pList->topLevelItem(row);
    return item ? qobject_cast<QComboBox *>(m_pList->itemWidget(item, 1)) : nullptr;
}

int AutoSwitchDialog::currentRow() const
{
    QTreeWidgetItem *item = m_pList->currentItem();
    return item ? m_pList->indexOfTopLevelItem(item) : -1;
}

void AutoSwitchDialog::accept()
{
    const StorageOutcome outcome = storeAppSwitchRules(rules());
    if (!outcome.ok()) {
        // Nothing is lost: the rules stay here to try again or to cancel.
        qCWarning(lcApp).noquote() << "automatic switching rules not stored:" << outcome.message();
        showProblem(outcome.message());
        return;
    }
    qCDebug(lcApp) << "automatic switching rules stored:" << m_Rules.rules.size() << "rules";
    QDialog::accept();
}

void AutoSwitchDialog::addTypedApp()
{
    const QString app = m_pApp->currentText().trimmed();
    if (!appNameProblem(app).isEmpty()) {
        showProblem(appNameProblemText(app));
        return;
    }
    showProblem(QString());
    int row = m_Rules.indexOf(app);
    if (row < 0) {
        m_Rules.put(app, 1);
        row = m_Rules.rules.size() - 1;
    }
    m_pApp->setEditText(QString());
    showRules(row);
}

void AutoSwitchDialog::moveCurrent(int by)
{
    const int row = currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_Rules.rules.size())
        return;
    std::swap(m_Rules.rules[row], m_Rules.rules[to]);
    showRules(to);
}

void AutoSwitchDialog::deleteCurrent()
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_Rules.rules.remove(row);
    showRules(qMin(row, m_Rules.rules.size() - 1));
}

void AutoSwitchDialog::showRules(int selectRow)
{
    m_pList->clear();
    for (int row = 0; row < m_Rules.rules.size(); ++row) {
        auto *item = new QTreeWidgetItem(m_pList, {m_Rules.rules[row].app, QString()});
        item->setToolTip(0, m_Rules.rules[row].app);
        QComboBox *slot = makeSlotBox(false);
        slot->setCurrentIndex(qBound(1, m_Rules.rules[row].slot, kProfileSlotCount) - 1);
        connect(slot, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, row, item](int index) {
            m_Rules.rules[row].slot = index + 1;
            m_pList->setCurrentItem(item);
        });
        m_pList->setItemWidget(item, 1, slot);
    }
    if (selectRow >= 0 && selectRow < m_pList->topLevelItemCount())
        m_pList->setCurrentItem(m_pList->topLevelItem(selectRow));
    updateButtons();
}

void AutoSwitchDialog::updateButtons()
{
    const int row = currentRow();
    m_pUp->setEnabled(row > 0);
    m_pDown->setEnabled(row >= 0 && row + 1 < m_Rules.rules.size());
    m_pDelete->setEnabled(row >= 0);
}

void openAutoSwitchDialog(QWidget &window, const AutoSwitch &autoSwitch)
{
    for (AutoSwitchDialog *open : window.findChildren<AutoSwitchDialog *>()) {
        if (open->isVisible()) {
            open->raise();
            open->activateWindow();
            return;
        }
    }
    auto *dialog = new AutoSwitchDialog(autoSwitch.available(), autoSwitch.unavailableReason(), &window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    StorageOutcome outcome;
    dialog->setRules(loadAppSwitchRules(&outcome));
    // The file could not be read: OK would replace what it holds with what is shown.
    if (!outcome.ok())
        dialog->showProblem(outcome.message());
    dialog->setRunningApps(runningApplications());
    dialog->open();
}
