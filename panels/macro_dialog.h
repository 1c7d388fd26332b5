#pragma once
// The macro page: the library of up to 50 macros (list, new, rename, delete, import, export,
// batch), the mouse command tree for hand-made steps, the step table with its editing and
// reordering, the delay and loop options, recording through the key capture, and the gun set
// editor. Library changes are written at once; step changes when they are made, except while a
// recording or a step edit runs ("STOP" and "SAVE" write those).

#include "panels/macro_library_panel.h"
#include "panels/profile_panel.h"
#include "model/macro_steps.h"

#include <QString>
#include <QVector>
#include <QWidget>

class MacroKeyInput;
class MacroOptionsPanel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QModelIndex;
class QStandardItemModel;
class QTableView;
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
    const QVector<MacroEvent> &steps() const { return m_Steps; }
    int selectedRow() const;
    bool isRecording() const { return m_bRecording; }
    bool isEditing() const { return m_bEditing; }
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
    TarnTreeWidget *mouseTree() const { return m_pTree; }
    QTableView *stepTable() const { return m_pTable; }
    QMenu *editButtonMenu() const { return m_pEditButtonMenu; }
    QMenu *editMoveMenu() const { return m_pEditMoveMenu; }
    QLineEdit *editMoveDistance() const { return m_pEditDistance; }
    QLineEdit *editDelay() const { return m_pEditDelay; }

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
    void TreeitemClick(QTreeWidgetItem *item, int column);
    void EditMoveChanged(const QString &text);
    void EditDelayChanged(const QString &text);
    void CurrentChanged(const QModelIndex &current, const QModelIndex &previous);
    void mousemove_test();
    void TarnItemPressed(QTreeWidgetItem *item, int column);

private slots:
    void onButtonClicked();

private:
    void buildControls();
    void layoutPage();
    TarnPushButton *makeButton(Button which);

    // The open macro.
    void chooseListEntry(QListWidgetItem *item);
    void openMacro(const QString &name);
    void saveCurrent();
    void saveIfIdle();
    void toggleBatch();
    void showMouseTree(bool shown);

    // Steps.
    void showSteps(int selectRow);
    void insertHandSteps(const QVector<MacroEvent> &added);
    void moveSelected(RowMove move);
    void deleteSelected();

    // Recording and editing.
    void startRecording();
    void stopRecording();
    void startEdit();
    void showEditorForRow(int row);
    void finishEdit(bool save);
    void setEditedStep(const MacroEvent &step);

    // Enabling.
    void updateEnabled();

    // Controls.
    TarnPushButton *m_Buttons[ButtonCount] = {};
    MacroLibraryPanel *m_pLibrary = nullptr;
    TarnTreeWidget *m_pTree = nullptr;
    QTableView *m_pTable = nullptr;
    QStandardItemModel *m_pModel = nullptr;
    MacroOptionsPanel *m_pOptions = nullptr;
    MacroKeyInput *m_pKeys = nullptr;
    // Step editors.
    QLabel *m_pEditTitle = nullptr;
    QLabel *m_pEditKeyName = nullptr;
    TarnPushButton *m_pEditButton = nullptr;
    QMenu *m_pEditButtonMenu = nullptr;
    TarnPushButton *m_pEditMoveButton = nullptr;
    QMenu *m_pEditMoveMenu = nullptr;
    QLineEdit *m_pEditDistance = nullptr;
    QLineEdit *m_pEditDelay = nullptr;
    QLabel *m_pEditDelayUnit = nullptr;

    // Editor state.
    QVector<MacroEvent> m_Steps;
    MacroRecorder m_Recorder;
    bool m_bRecording = false;
    bool m_bEditing = false;
    bool m_bMouseTree = false;
    int m_iLastKey = -1;
    int m_iLastFlags = -1;
};
