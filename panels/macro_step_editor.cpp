#include "panels/macro_step_editor.h"

#include "panels/macro_key_input.h"
#include "panels/macro_page_look.h"
#include "panels/macro_page_text.h"
#include "panels/macro_step_form.h"
#include "panels/tarn_macro_item_delegate.h"
#include "panels/tarn_tree_widget.h"
#include "storage/key_table.h"
#include "storage/log_categories.h"
#include "widgets/theme.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>

namespace {

constexpr int kColumnWidth = 160;
constexpr int kRowHeight = 24;
constexpr int kHeaderHeight = 26;
const QRect kTreeRect(0, 0, 170, 258);
const QRect kTableRect(180, 0, 485, 230);

} // namespace

MacroStepEditor::MacroStepEditor(MacroKeyInput &keys, QWidget *page) : QObject(page), m_keys(keys)
{
    m_pTree = new TarnTreeWidget(page);
    m_pTree->hide();
    connect(m_pTree, &TarnTreeWidget::mouseLeft, m_pTree, &TarnTreeWidget::clearHover);
    for (TarnTreeItem *row : m_pTree->moveRows())
        row->distanceEdit()->setStyleSheet(macroFieldStyle());
    buildTable(page);
    m_pForm = new MacroStepForm(page);
    connectForm();
}

void MacroStepEditor::buildTable(QWidget *page)
{
    m_pModel = new QStandardItemModel(0, 3, this);
    m_pTable = new QTableView(page);
    m_pTable->setModel(m_pModel);
    m_pTable->setItemDelegate(new TarnMacroItemDelegate(m_pTable));
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setShowGrid(false);
    m_pTable->setFocusPolicy(Qt::NoFocus);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->horizontalHeader()->setSectionsClickable(false);
    m_pTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // While a step is edited, selecting another row shows that row's fields.
    connect(m_pTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        if (m_bEditing && current.isValid())
            showEditorForRow(current.row());
    });
}

void MacroStepEditor::connectForm()
{
    connect(m_pForm, &MacroStepForm::buttonChosen, this, [this](uint8_t buttonBit) {
        if (const std::optional<MacroEvent> step = editedStep(StepKind::Button))
            setEditedStep(buttonStep(buttonBit, isPressStep(*step)));
    });
    connect(m_pForm, &MacroStepForm::directionChosen, this, [this](MoveDirection direction, int distance) {
        if (editedStep(StepKind::Move))
            setEditedStep(encodeMove(direction, distance));
    });
    connect(m_pForm, &MacroStepForm::distanceEdited, this, &MacroStepEditor::editDistance);
    connect(m_pForm, &MacroStepForm::delayEdited, this, &MacroStepEditor::editDelay);
}

void MacroStepEditor::layout()
{
    m_pTree->setGeometry(scaledRect(kTreeRect, uiScale()));
    m_pTable->setGeometry(scaledRect(kTableRect, uiScale()));
    for (int column = 0; column < 3; ++column)
        m_pTable->horizontalHeader()->resizeSection(column, scaledUnits(kColumnWidth));
    m_pTable->verticalHeader()->setDefaultSectionSize(scaledUnits(kRowHeight));
    m_pTable->horizontalHeader()->setFixedHeight(scaledUnits(kHeaderHeight));
    m_pTable->horizontalHeader()->setFont(languageFont());
    m_pTree->rescale();
    const QString lists = macroListStyle();
    m_pTree->setStyleSheet(lists);
    m_pTable->setStyleSheet(lists);
    m_pForm->layout();
}

void MacroStepEditor::retranslate()
{
    m_pTree->retranslate();
    m_pModel->setHorizontalHeaderLabels({macroText(QT_TRANSLATE_NOOP("MacroDialog", "KEY")),
                                         macroText(QT_TRANSLATE_NOOP("MacroDialog", "ACTION")),
                                         macroText(QT_TRANSLATE_NOOP("MacroDialog", "DELAY(ms)"))});
    m_pForm->retranslate();
    if (m_bEditing)
        showEditorForRow(selectedRow());
    m_pTable->viewport()->update();
}

// ---------------------------------------------------------------- the step list

void MacroStepEditor::setSteps(const QVector<MacroEvent> &steps, int select)
{
    m_Steps = steps;
    showSteps(select);
}

void MacroStepEditor::showSteps(int select)
{
    m_pModel->removeRows(0, m_pModel->rowCount());
    m_pModel->setRowCount(m_Steps.size());
    for (int row = 0; row < m_Steps.size(); ++row) {
        for (int column = 0; column < 3; ++column)
            m_pModel->setItem(row, column, new QStandardItem);
        writeRow(row);
    }
    selectRow(select);
}

void MacroStepEditor::writeRow(int row)
{
    const MacroEvent &step = m_Steps[row];
    const int values[3] = {step.Map, step.DataH, step.DataL};
    for (int column = 0; column < 3; ++column)
        m_pModel->item(row, column)->setData(values[column], kStepValueRole);
}

int MacroStepEditor::selectedRow() const
{
    const QModelIndex current = m_pTable->selectionModel()->currentIndex();
    if (!current.isValid() || !m_pTable->selectionModel()->isRowSelected(current.row(), QModelIndex()))
        return -1;
    return current.row();
}

void MacroStepEditor::selectRow(int row)
{
    qCDebug(lcPanels, "SelectRow %d", row);
    if (row < 0 || row >= m_Steps.size()) {
        m_pTable->clearSelection();
        m_pTable->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    m_pTable->selectRow(row);
    m_pTable->scrollTo(m_pModel->index(row, 0));
}

void MacroStepEditor::insertHandSteps(const QVector<MacroEvent> &added)
{
    const int last = insertSteps(m_Steps, selectedRow(), added);
    showSteps(last);
    emit stepsChanged();
}

void MacroStepEditor::moveSelected(RowMove move)
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const int moved = moveRow(m_Steps, row, move);
    if (moved == row)
        return;
    showSteps(moved);
    emit stepsChanged();
}

void MacroStepEditor::deleteSelected()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    showSteps(removeRow(m_Steps, row));
    emit stepsChanged();
}

void MacroStepEditor::clear()
{
    setSteps({}, -1);
    emit stepsChanged();
}

// ---------------------------------------------------------------- the mouse command tree

void MacroStepEditor::treeItemClicked(TarnTreeItem *item, int delayType, int defaultDelayMs)
{
    if (!item)
        return;
    switch (item->role()) {
    case TarnTreeItem::ButtonRow:
        if (!item->isExpanded()) {
            for (TarnTreeItem *other : m_pTree->buttonRows())
                other->setExpanded(other == item);
            return;
        }
        insertHandSteps(clickSteps(item->buttonBit(), ClickPart::Whole, delayType, defaultDelayMs));
        return;
    case TarnTreeItem::PressRow:
        insertHandSteps(clickSteps(item->buttonBit(), ClickPart::PressOnly, delayType, defaultDelayMs));
        return;
    case TarnTreeItem::ReleaseRow:
        insertHandSteps(clickSteps(item->buttonBit(), ClickPart::ReleaseOnly, delayType, defaultDelayMs));
        return;
    case TarnTreeItem::MoveRow:
        return; // acts on the press (treeItemPressed)
    }
}

void MacroStepEditor::treeItemPressed(TarnTreeItem *item, int delayType, int defaultDelayMs)
{
    if (item && item->role() == TarnTreeItem::MoveRow)
        insertHandSteps(moveSteps(item->direction(), item->distance(), delayType, defaultDelayMs));
}

// ---------------------------------------------------------------- editing one step

bool MacroStepEditor::beginEdit()
{
    if (selectedRow() < 0)
        return false;
    m_bEditing = true;
    return true;
}

void MacroStepEditor::showEditor()
{
    showEditorForRow(selectedRow());
}

int MacroStepEditor::endEdit()
{
    const int row = selectedRow();
    m_bEditing = false;
    m_keys.release();
    return row;
}

void MacroStepEditor::showEditorForRow(int row)
{
    const bool valid = row >= 0 && row < m_Steps.size();
    if (!m_pForm->showStep(valid ? &m_Steps.at(row) : nullptr)) {
        m_keys.release();
        return;
    }
    m_iLastKey = -1;
    m_iLastFlags = -1;
    m_keys.grab();
}

std::optional<MacroEvent> MacroStepEditor::editedStep(StepKind kind) const
{
    const int row = selectedRow();
    if (!m_bEditing || row < 0 || stepKind(m_Steps[row]) != kind)
        return std::nullopt;
    return m_Steps[row];
}

void MacroStepEditor::setEditedStep(const MacroEvent &step)
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_Steps[row] = step;
    writeRow(row);
    m_pForm->showChangedStep(step);
}

void MacroStepEditor::editKey(int keyCode, int flags)
{
    const std::optional<MacroEvent> step = editedStep(StepKind::Key);
    if (!step || (keyCode == m_iLastKey && flags == m_iLastFlags))
        return;
    m_iLastKey = keyCode;
    m_iLastFlags = flags;
    uint8_t usage = 0;
    keyToHid(keyCode, usage);
    setEditedStep(keyStep(usage, isPressStep(*step)));
    m_pForm->showKeyName(keyName(keyCode));
}

void MacroStepEditor::editDistance(const QString &text)
{
    bool ok = false;
    const int distance = text.toInt(&ok);
    const std::optional<MacroEvent> step = editedStep(StepKind::Move);
    if (!step || !ok || distance < kMacroMinMoveDistance || distance > kMacroMaxMoveDistance)
        return;
    const DecodedMove move = decodeMove(*step);
    setEditedStep(encodeMove(move.valid ? move.direction : MoveDirection::Right, distance));
}

void MacroStepEditor::editDelay(const QString &text)
{
    bool ok = false;
    const int ms = text.toInt(&ok);
    if (editedStep(StepKind::Delay) && ok && ms >= kMinStepDelayMs && ms <= kMaxStepDelayMs)
        setEditedStep(encodeDelay(ms));
}
