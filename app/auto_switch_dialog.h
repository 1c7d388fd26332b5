#pragma once
// "Automatic switching": the rules that choose the mouse's profile slot by the application in
// front. Edits a copy of the stored rules; OK writes them whole (and stays open, saying why, when
// the write fails), Cancel leaves the file as it was.

#include "panels/panel_dialog.h"
#include "platform/focused_app_source.h"
#include "storage/app_switch_rules.h"

#include <QStringList>

class AutoSwitch;
class QCheckBox;
class QComboBox;
class QLabel;
class QToolButton;
class QTreeWidget;

class AutoSwitchDialog : public TarnPanelDialog {
    Q_OBJECT
public:
    // `why` is shown when `available` is false: the rules can still be edited, for mousecfgctl
    // or another desktop.
    AutoSwitchDialog(bool available, FocusUnavailable why, QWidget *parent = nullptr);

    void setRules(const AppSwitchRules &rules);
    AppSwitchRules rules() const;
    // The names offered in the application field (the user may type another).
    void setRunningApps(const QStringList &apps);
    // A line above the buttons: a refused name, a failed write or read.
    void showProblem(const QString &text);
    QString problem() const;

    // ---- controls, for the screenshots and the tests
    QCheckBox *enabledBox() const { return m_pEnabled; }
    QLabel *unavailableLabel() const { return m_pUnavailable; }
    QTreeWidget *ruleList() const { return m_pList; }
    // The slot chooser of rule `row` (null outside the rules).
    QComboBox *slotBox(int row) const;
    QComboBox *appField() const { return m_pApp; }
    QToolButton *addButton() const { return m_pAdd; }
    QToolButton *upButton() const { return m_pUp; }
    QToolButton *downButton() const { return m_pDown; }
    QToolButton *deleteButton() const { return m_pDelete; }
    QComboBox *defaultBox() const { return m_pDefault; }
    int currentRow() const;

public slots:
    // Writes the rules; the dialog closes only when that worked.
    void accept() override;

private:
    void addTypedApp();
    void moveCurrent(int by);
    void deleteCurrent();
    void showRules(int selectRow);
    void updateButtons();
    QComboBox *makeSlotBox(bool withLeave);

    AppSwitchRules m_Rules;
    QCheckBox *m_pEnabled = nullptr;
    QLabel *m_pUnavailable = nullptr;
    QTreeWidget *m_pList = nullptr;
    QComboBox *m_pApp = nullptr;
    QToolButton *m_pAdd = nullptr;
    QToolButton *m_pUp = nullptr;
    QToolButton *m_pDown = nullptr;
    QToolButton *m_pDelete = nullptr;
    QLabel *m_pDefaultLabel = nullptr;
    QComboBox *m_pDefault = nullptr;
    QLabel *m_pProblem = nullptr;
};

// The reason automatic switching cannot follow the focus here, in the window's language.
QString focusUnavailableText(FocusUnavailable why);

// Opens the dialog over `window` (or raises the one open) with the stored rules and the running
// applications; modal without a nested event loop.
void openAutoSwitchDialog(QWidget &window, const AutoSwitch &autoSwitch);
