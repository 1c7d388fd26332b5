#pragma once
// The button assignment panel: one label per button of the model, each carrying the menu of the
// function catalogue; choosing an entry writes the function into the button's record of the
// current profile (asking for keys, a fire key, a sniper step or a macro first where the entry
// needs them). Only the profile in memory changes; Apply sends it.
//
// Buttons come in three groups: 0 the front buttons (0..19, the model's buttons, laid out from
// its label matrix), 1 the side buttons (20..39), 2 the wheel's up and down (40, 41, with their
// own menu). Only buttons a download sends get a label (model/button_reach.h); the side view
// says so when it has none. The main window's hot-spots and views choose the group; the pointer
// over a label chooses the button. Each label shows its catalogue entry and tells exactly what is
// assigned in its tooltip and accessible name.

#include "panels/profile_panel.h"
#include "model/function_catalogue.h"

#include <QAction>
#include <QRect>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QMenu;
class QScrollArea;
class TarnPushButton;

// A catalogue entry as a menu action; its text follows the language.
class TarnAction : public QAction {
    Q_OBJECT
public:
    TarnAction(const FunctionEntry &entry, QObject *parent);
    const FunctionEntry &entry() const { return m_Entry; }
    void retranslate();

private:
    const FunctionEntry &m_Entry;
};

class TarnBtnWindow : public QWidget, public ProfilePanel {
    Q_OBJECT
public:
    static constexpr int kGroupSize = kButtonGroupSize;
    static constexpr int kWheelLabels = 2;
    static constexpr quint8 kNoSelection = 0xFF;
    // Design size: 332 wide; 440 high, or 50 n + 20 for a model with n > 9 buttons.
    static constexpr int kDesignWidth = 332;
    static QSize designSize();

    TarnBtnWindow(ProfileData *profile, QWidget *parent, double scale);

    // Another profile became current.
    void setProfile(ProfileData *profile);
    // Shows the labels of `group` (0 front, 1 side, 2 wheel) and marks label `index` of it
    // (kNoSelection: none).
    void selectGroup(int index, int group);
    void rescale(double scale);
    void retranslate();

    // ProfilePanel: the panel edits the current record in place.
    void refreshFromProfile(const PanelContext &context) override;
    void retranslatePanel() override { retranslate(); }
    void rescalePanel(double factor) override { rescale(factor); }

    // ---- for the window, the screenshots and the tests
    TarnPushButton *label(int group, int index) const;
    QLabel *sideNotice() const { return m_pSideNotice; }
    // Which label group is shown and the selected button (kNoSelection when none).
    int shownGroup() const { return m_iShownGroup; }
    quint8 selectedGroup() const { return m_iGroup; }
    quint8 selectedIndex() const { return m_iIndex; }
    QMenu *mainMenu() const { return m_pMainMenu; }
    QMenu *scrollMenu() const { return m_pScrollMenu; }
    QMenu *submenu(Submenu submenu) const { return m_Submenus[size_t(submenu)]; }
    TarnAction *action(int fun) const;

signals:
    void SelBtnControl(TarnPushButton *btn, bool bType);
    // No macro exists yet: the window shows the macro page so that one can be made.
    void GotoMacroTab();
    void PopOneClickBox();

public slots:
    void slotMouseOver(TarnPushButton *btn, bool bType);
    void slotMouseEnter(TarnPushButton *btn);

protected:
    // The macro page may have renamed or unbound macros of the profile meanwhile.
    void showEvent(QShowEvent *event) override;

private slots:
    void onActionTriggered();

private:
    void buildLabels();
    void buildMenus();
    void rebuildMainMenu();
    void layoutLabels();
    void showGroupLabels();
    void refreshLabels();
    void applyMenuFont();
    // Whether a label is laid out: its button is one a download sends.
    bool isOffered(int group, int index) const;
    int sideLabelCount() const;
    // Group and index of a label; false for a widget that is not one.
    bool locate(TarnPushButton *btn, int *group, int *index) const;
    int currentButton() const;

    // The assignment of one entry to button b; the dialogs' results into its record.
    void assign(int b, const FunctionEntry &entry);
    void assignMacro(int b, const FunctionEntry &entry);
    bool assignSingleKey(ButtonInfo &info);
    bool assignComboKey(ButtonInfo &info);
    bool assignFireKey(ButtonInfo &info);
    bool assignSniper(ButtonInfo &info);
    void showNotice(const QString &text);

    ProfileData *m_pProfile;
    double m_dScale;
    quint8 m_iGroup = kNoSelection;
    quint8 m_iIndex = kNoSelection;
    int m_iShownGroup = 0;
    int m_iSensor = 0; // the model's sensor, for the sniper dialog
    quint8 m_iMarkedIndex = kNoSelection; // the window's selected button in the shown group

    std::array<std::vector<TarnPushButton *>, kButtonGroupCount> m_Labels;
    std::array<std::vector<QLabel *>, kButtonGroupCount> m_Numbers;
    std::vector<TarnAction *> m_Actions; // one per catalogue entry, in catalogue order
    QMenu *m_pMainMenu = nullptr;
    QMenu *m_pScrollMenu = nullptr;
    std::array<QMenu *, kSubmenuCount> m_Submenus{};
    QLabel *m_pSideNotice = nullptr; // the side view when it offers no button
};

// The scroll area that holds the panel in the main window, in the window's design units.
constexpr QRect kButtonPanelArea(285, 90, 332, 442);
// A transparent scroll area around `panel` (no horizontal bar, a vertical one as needed).
QScrollArea *makeButtonPanelArea(TarnBtnWindow *panel, QWidget *parent);
