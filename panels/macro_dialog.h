#pragma once
// The macro page: lays out and wires its parts, the library (list, name, new, rename, delete,
// import, export, batch, gun set), the step editor (step table, mouse command tree, step
// editing), the delay and loop options and the recorder. Library changes are written at once;
// step and option changes when they are made, except while a recording or a step edit runs
// ("STOP" and "SAVE" write those).

#include "panels/macro_library_panel.h"
#include "panels/profile_panel.h"
#include "model/macro_steps.h"

#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

class MacroKeyInput;
class MacroOptionsPanel;
class MacroRecorderPanel;
class MacroStepEditor;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QTreeWidgetItem;
class TarnLineEdit;
class TarnPushButton;
class TarnTreeWidget;

class MacroDialog : public QWidget, public ProfilePanel {
    Q_OBJECT
public:
    // The page's push buttons, by role.
    enum Button {
        BtnStart, BtnNew, BtnDeleteMacro, BtnRename, BtnEdit, BtnTop, BtnBottom, BtnMoveUp,
        BtnMoveDown, BtnDeleteStep, BtnClear, BtnSave, BtnCancel, BtnInsertDelay, BtnGunSet,
        BtnImport, BtnExport, BtnBatch, BtnMouseAction, ButtonCount
    };

    explicit MacroDialog(QWidget *parent = nullptr);
    ~MacroDialog() override;

    // ---- ProfilePanel
    void refreshFromProfile(const PanelContext &context) override;
    void retranslatePanel() override;
    void rescalePanel(double factor) override;

    void setFileDialogs(const MacroFileDialogs &dialogs);

    // ---- state, for the window, the screenshots and the tests
    QString currentMacro() const;
    const QVector<MacroEvent> &steps() const;
    int selectedRow() const;
    bool isRecording() const;
    bool isEditing() const;
    // Whether the key capture is on (recording, or a key step being edited).
    bool isCapturing() const;
    bool isBatch() const;
    bool showsMouseTree() const { return m_bMouseTree; }
    int delayType() const;
    TarnPushButton *button(Button which) const { return m_Buttons[which]; }
    QCheckBox *recordDelayBox() const;
    QCheckBox *defaultDelayBox() const;
    QCheckBox *loopBox(int loopType) const; // 1..3
    QLineEdit *loopTimeEdit() const;
    TarnLineEdit *nameEdit() const;
    QListWidget *macroList() const;
    TarnTreeWidget *mouseTree() const;
    QMenu *editButtonMenu() const;
    QMenu *editMoveMenu() const;
    QLineEdit *editMoveDistance() const;
    QLineEdit *editDelay() const;

    // Makes the named macro current and loads it (as a click on its list entry does).
    void selectMacro(const QString &name);
    // Selects a step row.
    void SelectRow(int row);
    // One key event (key code, flags as the hook gives them, its time in milliseconds on a
    // clock of real elapsed time): to the step editor while a key step is edited, else to the
    // recorder while recording.
    void OnHookKey(int keyCode, int flags, qint64 timeMs);

signals:
    // The page enables (true) or disables (false) its controls: the window locks its
    // navigation meanwhile.
    void EnableButtonsSignal(bool bEnable);

public slots:
    // Rows of the mouse command tree, clicked and pressed.
    void TreeitemClick(QTreeWidgetItem *item, int column);
    void TarnItemPressed(QTreeWidgetItem *item, int column);

private:
    void buildButtons();
    void connectButtons();
    void connectParts();
    void layoutPage();

    void chooseListEntry(QListWidgetItem *item);
    void openMacro(const QString &name);
    void saveCurrent();
    void saveIfIdle();
    bool takesHandSteps() const;

    void startRecording();
    void stopRecording();
    void showStartText();
    void startEdit();
    void finishEdit(bool save);
    void showEditMode(bool editing);
    void toggleBatch();
    void showMouseTree(bool shown);
    void updateEnabled();

    TarnPushButton *m_Buttons[ButtonCount] = {};
    MacroKeyInput *m_pKeys = nullptr;
    MacroStepEditor *m_pSteps = nullptr;
    MacroLibraryPanel *m_pLibrary = nullptr;
    MacroOptionsPanel *m_pOptions = nullptr;
    std::unique_ptr<MacroRecorderPanel> m_pRecorder;
    bool m_bMouseTree = false;
};
