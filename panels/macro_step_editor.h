#pragma once
// The steps of the open macro: the step table, the mouse command tree whose rows add hand-made
// steps, moving and removing steps, and editing one step at a time with the step form ("EDIT"
// until "SAVE" or "CANCEL"). The rules on the step list are model/macro_steps'; this part
// applies them to what the user does and shows the result.

#include "model/macro_steps.h"

#include <QObject>
#include <QVector>

#include <optional>

class MacroKeyInput;
class MacroStepForm;
class QModelIndex;
class QStandardItemModel;
class QTableView;
class QWidget;
class TarnTreeItem;
class TarnTreeWidget;

class MacroStepEditor : public QObject {
    Q_OBJECT
public:
    // Key steps being edited take their key from `keys`.
    MacroStepEditor(MacroKeyInput &keys, QWidget *page);

    void layout();
    void retranslate();

    const QVector<MacroEvent> &steps() const { return m_Steps; }
    // Replaces the steps and selects row `select` (none when it is not a row).
    void setSteps(const QVector<MacroEvent> &steps, int select);
    int selectedRow() const;
    void selectRow(int row);

    // Hand-made steps, after the selected row (at the top without one).
    void insertHandSteps(const QVector<MacroEvent> &added);
    void moveSelected(RowMove move);
    void deleteSelected();
    void clear();
    // A click on a row of the mouse command tree: a closed button row opens (closing the
    // others), an open one adds a whole click; a press or release row adds that part.
    void treeItemClicked(TarnTreeItem *item, int delayType, int defaultDelayMs);
    // A press on a move row adds the move with its distance.
    void treeItemPressed(TarnTreeItem *item, int delayType, int defaultDelayMs);

    // Step editing: starts on the selected row (false without one); showEditor() shows the
    // fields of the selected row; endEdit() stops and returns the row that was selected.
    bool beginEdit();
    void showEditor();
    int endEdit();
    bool isEditing() const { return m_bEditing; }
    // A key (flags normalised) for the key step being edited.
    void editKey(int keyCode, int flags);

    TarnTreeWidget *tree() const { return m_pTree; }
    QTableView *table() const { return m_pTable; }
    MacroStepForm *form() const { return m_pForm; }

signals:
    // The user changed the steps outside a step edit: a hand-made step, a move, a removal, a
    // clear.
    void stepsChanged();

private:
    void buildTable(QWidget *page);
    void connectForm();
    void showSteps(int select);
    void writeRow(int row);
    void showEditorForRow(int row);
    std::optional<MacroEvent> editedStep(StepKind kind) const;
    void setEditedStep(const MacroEvent &step);
    void editDistance(const QString &text);
    void editDelay(const QString &text);

    MacroKeyInput &m_keys;
    TarnTreeWidget *m_pTree = nullptr;
    QTableView *m_pTable = nullptr;
    QStandardItemModel *m_pModel = nullptr;
    MacroStepForm *m_pForm = nullptr;
    QVector<MacroEvent> m_Steps;
    bool m_bEditing = false;
    // The key and flags last taken for the edited key step; the same again is ignored.
    int m_iLastKey = -1;
    int m_iLastFlags = -1;
};
