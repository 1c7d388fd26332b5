#pragma once
// The macro picker: one macro of the library, a loop mode and a loop count for a button. Serves
// the "Macro Manager" entry ("MACRO SELECT") and the "GunFile Manager" entry ("GUNFILE SELECT").

#include "model/button_assignment.h"
#include "panels/panel_dialog.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QMenu;
class TarnPushButton;

class TarnMacroSelect : public TarnPanelDialog {
    Q_OBJECT
public:
    // Loop modes as returned (the button's Res1): play the count, repeat while held, repeat
    // until pressed again.
    static constexpr int kLoopModeCount = kMacroLoopModeCount;

    TarnMacroSelect(const QString &windowTitle, const QString &heading, const QString &macroName,
                    int loopCount, int loopMode, QWidget *parent = nullptr);

    // "MACRO SELECT", or "GUNFILE SELECT" for a gun set.
    static QString heading(bool gunSet);

    QString macroName() const { return m_Name; }
    // The count field as a decimal integer; 0 when it is empty.
    int loopCount() const;
    // 0..2 by the ticked choice; 0 when none is ticked.
    int loopMode() const;

    TarnPushButton *nameButton() const { return m_pNameButton; }
    QMenu *nameMenu() const { return m_pMenu; }
    QLineEdit *loopEdit() const { return m_pLoops; }
    QCheckBox *modeBox(int mode) const { return m_ModeBoxes[size_t(mode)]; }

private slots:
    void onNameChosen(QAction *action);
    void onModeClicked();

private:
    QString m_Name;
    TarnPushButton *m_pNameButton;
    QMenu *m_pMenu;
    QLineEdit *m_pLoops;
    std::array<QCheckBox *, kLoopModeCount> m_ModeBoxes{};
};
