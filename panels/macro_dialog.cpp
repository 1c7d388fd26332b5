#include "panels/macro_dialog.h"

#include "panels/macro_key_input.h"
#include "panels/macro_library_panel.h"
#include "panels/macro_options_panel.h"
#include "panels/macro_page_look.h"
#include "panels/macro_page_text.h"
#include "panels/tarn_macro_item_delegate.h"
#include "panels/tarn_tree_widget.h"
#include "storage/key_table.h"
#include "storage/log_categories.h"
#include "storage/macro_file.h"
#include "storage/profile_data.h"
#include "storage/settings_file.h"
#include "storage/storage_result.h"
#include "widgets/skin.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_push_button.h"
#include "widgets/theme.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStandardItemModel>
#include <QTableView>

namespace {

constexpr int kColumnWidth = 160;
constexpr int kRowHeight = 24;

// Design rectangles of the page (665 x 467 units).
const QRect kTreeRect(0, 0, 170, 258);
const QRect kTableRect(180, 0, 485, 230);
constexpr int kButtonHeight = 28;

struct ButtonPlace {
    MacroDialog::Button button;
    QRect design;
};
// The left column around the list, then three rows of four under the table ("SAVE" and
// "CANCEL" only show while a step is edited).
const ButtonPlace kButtonPlaces[] = {
    {MacroDialog::BtnMouseAction, {0, 264, 170, kButtonHeight}},
    {MacroDialog::BtnNew, {0, 330, 83, kButtonHeight}},
    {MacroDialog::BtnDeleteMacro, {87, 330, 83, kButtonHeight}},
    {MacroDialog::BtnRename, {0, 362, 170, kButtonHeight}},
    {MacroDialog::BtnImport, {0, 394, 83, kButtonHeight}},
    {MacroDialog::BtnExport, {87, 394, 83, kButtonHeight}},
    {MacroDialog::BtnBatch, {0, 426, 170, kButtonHeight}},
    {MacroDialog::BtnStart, {180, 238, 118, kButtonHeight}},
    {MacroDialog::BtnEdit, {302, 238, 118, kButtonHeight}},
    {MacroDialog::BtnInsertDelay, {424, 238, 118, kButtonHeight}},
    {MacroDialog::BtnGunSet, {546, 238, 119, kButtonHeight}},
    {MacroDialog::BtnTop, {180, 270, 118, kButtonHeight}},
    {MacroDialog::BtnBottom, {302, 270, 118, kButtonHeight}},
    {MacroDialog::BtnMoveUp, {424, 270, 118, kButtonHeight}},
    {MacroDialog::BtnMoveDown, {546, 270, 119, kButtonHeight}},
    {MacroDialog::BtnDeleteStep, {180, 302, 118, kButtonHeight}},
    {MacroDialog::BtnClear, {302, 302, 118, kButtonHeight}},
    {MacroDialog::BtnSave, {424, 302, 118, kButtonHeight}},
    {MacroDialog::BtnCancel, {546, 302, 119, kButtonHeight}},
};

// The step editors, in the place of the delay and loop options while a step is edited.
const QRect kEditTitleRect(180, 342, 485, 22);
const QRect kEditFirstRect(180, 372, 170, 26);
const QRect kEditSecondRect(360, 372, 60, 26);

const char *const kButtonTexts[MacroDialog::ButtonCount] = {
    QT_TRANSLATE_NOOP("MacroDialog", "START"),       QT_TRANSLATE_NOOP("MacroDialog", "NEW"),
    QT_TRANSLATE_NOOP("MacroDialog", "DELETE"),      QT_TRANSLATE_NOOP("MacroDialog", "CHANGE NAME"),
    QT_TRANSLATE_NOOP("MacroDialog", "EDIT"),        QT_TRANSLATE_NOOP("MacroDialog", "TOP"),
    QT_TRANSLATE_NOOP("MacroDialog", "BOTTOM"),      QT_TRANSLATE_NOOP("MacroDialog", "MOVE UP"),
    QT_TRANSLATE_NOOP("MacroDialog", "MOVE DOWN"),   QT_TRANSLATE_NOOP("MacroDialog", "DELETE"),
    QT_TRANSLATE_NOOP("MacroDialog", "CLEAR"),       QT_TRANSLATE_NOOP("MacroDialog", "SAVE"),
    QT_TRANSLATE_NOOP("MacroDialog", "CANCEL"),      QT_TRANSLATE_NOOP("MacroDialog", "INSERT DELAY"),
    QT_TRANSLATE_NOOP("MacroDialog", "GUN SET"),     QT_TRANSLATE_NOOP("MacroDialog", "IMPORT"),
    QT_TRANSLATE_NOOP("MacroDialog", "EXPORT"),      QT_TRANSLATE_NOOP("MacroDialog", "BATCH"),
    QT_TRANSLATE_NOOP("MacroDialog", "MOUSE ACTION"),
};

} // namespace

MacroDialog::MacroDialog(QWidget *parent) : QWidget(parent)
{
    setObjectName("MacroDialog");
    buildControls();
    retranslatePanel();
    layoutPage();
    m_pLibrary->reload(QString());
}

MacroDialog::~MacroDialog()
{
    m_pKeys->release();
}

// ---------------------------------------------------------------- building

TarnPushButton *MacroDialog::makeButton(Button which)
{
    auto *button = new TarnPushButton({skinPath("tabbutton-1.png"), skinPath("tabbutton-3.png"), skinPath("tabbutton-2.png")}, this);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, &MacroDialog::onButtonClicked);
    m_Buttons[which] = button;
    return button;
}

void MacroDialog::buildControls()
{
    m_pKeys = new MacroKeyInput(this);
    connect(m_pKeys, &MacroKeyInput::keyCaptured, this, &MacroDialog::OnHookKey);
    for (int i = 0; i < ButtonCount; ++i)
        makeButton(static_cast<Button>(i));
    m_Buttons[BtnBatch]->setCheckable(true);
    m_Buttons[BtnMouseAction]->setCheckable(true);

    // The tree before the library's name field: Tab runs from its distance fields to the name.
    m_pTree = new TarnTreeWidget(this);
    m_pTree->hide();
    connect(m_pTree, &QTreeWidget::itemClicked, this, &MacroDialog::TreeitemClick);
    connect(m_pTree, &QTreeWidget::itemPressed, this, &MacroDialog::TarnItemPressed);
    connect(m_pTree, &TarnTreeWidget::mouseLeft, this, &MacroDialog::mousemove_test);
    for (TarnTreeItem *row : m_pTree->moveRows())
        row->distanceEdit()->setStyleSheet(macroFieldStyle());

    m_pLibrary = new MacroLibraryPanel(this);
    connect(m_pLibrary->list(), &QListWidget::itemClicked, this, &MacroDialog::chooseListEntry);
    connect(m_pLibrary, &MacroLibraryPanel::currentChanged, this, &MacroDialog::openMacro);

    m_pModel = new QStandardItemModel(0, 3, this);
    m_pTable = new QTableView(this);
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
    connect(m_pTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &MacroDialog::CurrentChanged);

    m_pOptions = new MacroOptionsPanel(this);
    connect(m_pOptions, &MacroOptionsPanel::changed, this, &MacroDialog::saveIfIdle);

    // Step editors, hidden until "EDIT".
    m_pEditTitle = new QLabel(this);
    m_pEditKeyName = new QLabel(this);
    m_pEditKeyName->setAlignment(Qt::AlignCenter);
    m_pEditKeyName->setStyleSheet("color: white; background-color: rgb(24,24,28); border: 1px solid rgb(70,70,78);");
    const QStringList dropImages = {skinPath("profilesel.png"), skinPath("profilesel.png"), skinPath("profilesel.png")};
    m_pEditButton = new TarnPushButton(dropImages, this);
    m_pEditButtonMenu = new QMenu(m_pEditButton);
    for (const MacroButton &button : kMacroButtons) {
        QAction *action = m_pEditButtonMenu->addAction(QString());
        action->setData(button.bit);
    }
    m_pEditButton->setMenu(m_pEditButtonMenu);
    connect(m_pEditButtonMenu, &QMenu::triggered, this, [this](QAction *action) {
        if (!m_bEditing || stepKind(m_Steps.value(selectedRow())) != StepKind::Button)
            return;
        setEditedStep(buttonStep(static_cast<uint8_t>(action->data().toInt()), isPressStep(m_Steps[selectedRow()])));
    });
    m_pEditMoveButton = new TarnPushButton(dropImages, this);
    m_pEditMoveMenu = new QMenu(m_pEditMoveButton);
    for (MoveDirection direction : kMoveDirections) {
        QAction *action = m_pEditMoveMenu->addAction(QString());
        action->setData(static_cast<int>(direction));
    }
    m_pEditMoveButton->setMenu(m_pEditMoveMenu);
    connect(m_pEditMoveMenu, &QMenu::triggered, this, [this](QAction *action) {
        if (!m_bEditing || stepKind(m_Steps.value(selectedRow())) != StepKind::Move)
            return;
        const int distance = macroFieldValue(m_pEditDistance, kMacroMinMoveDistance, kMacroMaxMoveDistance, 1);
        setEditedStep(encodeMove(static_cast<MoveDirection>(action->data().toInt()), distance));
    });
    m_pEditDistance = new QLineEdit(this);
    m_pEditDistance->setMaxLength(3);
    m_pEditDistance->setValidator(new QIntValidator(kMacroMinMoveDistance, kMacroMaxMoveDistance, m_pEditDistance));
    connect(m_pEditDistance, &QLineEdit::textEdited, this, &MacroDialog::EditMoveChanged);
    m_pEditDelay = new QLineEdit(this);
    m_pEditDelay->setMaxLength(5);
    m_pEditDelay->setValidator(new QIntValidator(kMinStepDelayMs, kMaxStepDelayMs, m_pEditDelay));
    connect(m_pEditDelay, &QLineEdit::textEdited, this, &MacroDialog::EditDelayChanged);
    m_pEditDelayUnit = new QLabel(QStringLiteral("ms"), this);
    for (QWidget *editor : std::initializer_list<QWidget *>{m_pEditTitle, m_pEditKeyName, m_pEditButton, m_pEditMoveButton,
                                                            m_pEditDistance, m_pEditDelay, m_pEditDelayUnit})
        editor->hide();
    for (QLineEdit *edit : {m_pEditDistance, m_pEditDelay}) {
        edit->setStyleSheet(macroFieldStyle());
        edit->setAlignment(Qt::AlignCenter);
    }
    for (QLabel *label : {m_pEditTitle, m_pEditDelayUnit})
        label->setStyleSheet(macroLabelStyle());
    m_Buttons[BtnSave]->hide();
    m_Buttons[BtnCancel]->hide();
}

void MacroDialog::layoutPage()
{
    m_pLibrary->layout();
    m_pTree->setGeometry(scaledRect(kTreeRect, uiScale()));
    m_pTable->setGeometry(scaledRect(kTableRect, uiScale()));
    for (const ButtonPlace &place : kButtonPlaces)
        m_Buttons[place.button]->setGeometry(scaledRect(place.design, uiScale()));
    m_pEditTitle->setGeometry(scaledRect(kEditTitleRect, uiScale()));
    m_pEditKeyName->setGeometry(scaledRect(kEditFirstRect, uiScale()));
    m_pEditButton->setGeometry(scaledRect(kEditFirstRect, uiScale()));
    m_pEditMoveButton->setGeometry(scaledRect(kEditFirstRect, uiScale()));
    m_pEditDistance->setGeometry(scaledRect(kEditSecondRect, uiScale()));
    m_pEditDelay->setGeometry(scaledRect(QRect(kEditFirstRect.topLeft(), QSize(100, kEditFirstRect.height())), uiScale()));
    m_pEditDelayUnit->setGeometry(scaledRect(QRect(kEditFirstRect.x() + 106, kEditFirstRect.y(), 40, kEditFirstRect.height()), uiScale()));
    m_pOptions->layout();

    for (int column = 0; column < 3; ++column)
        m_pTable->horizontalHeader()->resizeSection(column, scaledUnits(kColumnWidth));
    m_pTable->verticalHeader()->setDefaultSectionSize(scaledUnits(kRowHeight));
    m_pTable->horizontalHeader()->setFixedHeight(scaledUnits(26));

    const QFont font = languageFont();
    for (QObject *child : children()) {
        if (auto *widget = qobject_cast<QWidget *>(child))
            widget->setFont(font);
    }
    m_pTable->horizontalHeader()->setFont(font);
    m_pTree->rescale();
    const QString lists = macroListStyle();
    for (QWidget *widget : std::initializer_list<QWidget *>{m_pTree, m_pTable})
        widget->setStyleSheet(lists);
    const QString menuStyle = macroMenuStyle();
    for (QMenu *menu : {m_pEditButtonMenu, m_pEditMoveMenu}) {
        menu->setFont(font);
        menu->setStyleSheet(menuStyle);
        menu->setFixedWidth(scaledUnits(kEditFirstRect.width()));
    }
}

// ---------------------------------------------------------------- ProfilePanel

void MacroDialog::refreshFromProfile(const PanelContext &context)
{
    m_pLibrary->setWorkingSet(context.working);
}

void MacroDialog::retranslatePanel()
{
    for (int i = 0; i < ButtonCount; ++i)
        m_Buttons[i]->setText(macroText(kButtonTexts[i]));
    if (m_bRecording)
        m_Buttons[BtnStart]->setText(macroText(QT_TRANSLATE_NOOP("MacroDialog", "STOP")));
    m_pLibrary->retranslate();
    m_pTree->retranslate();
    m_pModel->setHorizontalHeaderLabels({macroText(QT_TRANSLATE_NOOP("MacroDialog", "KEY")),
                                         macroText(QT_TRANSLATE_NOOP("MacroDialog", "ACTION")),
                                         macroText(QT_TRANSLATE_NOOP("MacroDialog", "DELAY(ms)"))});
    m_pOptions->retranslate();
    const QList<QAction *> buttons = m_pEditButtonMenu->actions();
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setText(macroText(kMacroButtons[i].name));
    const QList<QAction *> moves = m_pEditMoveMenu->actions();
    for (int i = 0; i < moves.size(); ++i)
        moves[i]->setText(moveDirectionText(kMoveDirections[i]));
    if (m_bEditing)
        showEditorForRow(selectedRow());
    m_pTable->viewport()->update();
}

void MacroDialog::rescalePanel(double factor)
{
    Q_UNUSED(factor) // the kit's scale (uiScale) is the window's factor already
    layoutPage();
}

// ---------------------------------------------------------------- state

int MacroDialog::selectedRow() const
{
    const QModelIndex current = m_pTable->selectionModel()->currentIndex();
    if (!current.isValid() || !m_pTable->selectionModel()->isRowSelected(current.row(), QModelIndex()))
        return -1;
    return current.row();
}

int MacroDialog::delayType() const { return m_pOptions->delayType(); }
bool MacroDialog::isCapturing() const { return m_pKeys->isGrabbing(); }
QCheckBox *MacroDialog::recordDelayBox() const { return m_pOptions->recordDelayBox(); }
QCheckBox *MacroDialog::defaultDelayBox() const { return m_pOptions->defaultDelayBox(); }
QCheckBox *MacroDialog::loopBox(int loopType) const { return m_pOptions->loopBox(loopType); }
QLineEdit *MacroDialog::loopTimeEdit() const { return m_pOptions->loopTimeEdit(); }

void MacroDialog::setFileDialogs(const MacroFileDialogs &dialogs) { m_pLibrary->setFileDialogs(dialogs); }
QString MacroDialog::currentMacro() const { return m_pLibrary->current(); }
bool MacroDialog::isBatch() const { return m_pLibrary->isBatch(); }
TarnLineEdit *MacroDialog::nameEdit() const { return m_pLibrary->nameEdit(); }
QListWidget *MacroDialog::macroList() const { return m_pLibrary->list(); }

// ---------------------------------------------------------------- the click handler

void MacroDialog::onButtonClicked()
{
    QObject *source = sender();
    if (source == m_Buttons[BtnStart]) {
        if (m_bRecording)
            stopRecording();
        else
            startRecording();
    } else if (source == m_Buttons[BtnNew]) {
        m_pLibrary->createMacro();
    } else if (source == m_Buttons[BtnDeleteMacro]) {
        m_pLibrary->deleteCurrent();
    } else if (source == m_Buttons[BtnRename]) {
        m_pLibrary->renameCurrent();
    } else if (source == m_Buttons[BtnEdit]) {
        startEdit();
    } else if (source == m_Buttons[BtnTop]) {
        moveSelected(RowMove::Top);
    } else if (source == m_Buttons[BtnBottom]) {
        moveSelected(RowMove::Bottom);
    } else if (source == m_Buttons[BtnMoveUp]) {
        moveSelected(RowMove::Up);
    } else if (source == m_Buttons[BtnMoveDown]) {
        moveSelected(RowMove::Down);
    } else if (source == m_Buttons[BtnDeleteStep]) {
        deleteSelected();
    } else if (source == m_Buttons[BtnClear]) {
        m_Steps.clear();
        showSteps(-1);
        saveIfIdle();
    } else if (source == m_Buttons[BtnSave]) {
        finishEdit(true);
    } else if (source == m_Buttons[BtnCancel]) {
        finishEdit(false);
    } else if (source == m_Buttons[BtnInsertDelay]) {
        if (!currentMacro().isEmpty())
            insertHandSteps({encodeDelay(kMinStepDelayMs)});
    } else if (source == m_Buttons[BtnGunSet]) {
        m_pLibrary->createGunSet();
    } else if (source == m_Buttons[BtnImport]) {
        m_pLibrary->importFiles();
    } else if (source == m_Buttons[BtnExport]) {
        m_pLibrary->exportFiles();
    } else if (source == m_Buttons[BtnBatch]) {
        toggleBatch();
    } else if (source == m_Buttons[BtnMouseAction]) {
        showMouseTree(!m_bMouseTree);
    }
}

// ---------------------------------------------------------------- the open macro

void MacroDialog::selectMacro(const QString &name)
{
    if (QListWidgetItem *item = m_pLibrary->entry(name))
        chooseListEntry(item);
}

void MacroDialog::chooseListEntry(QListWidgetItem *item)
{
    if (item && !m_bRecording && !m_bEditing)
        m_pLibrary->choose(item);
}

void MacroDialog::openMacro(const QString &name)
{
    if (name.isEmpty()) {
        m_Steps.clear();
    } else {
        const MacroData data = loadMacro(name);
        m_pOptions->showSettings(data.settings);
        m_Steps = editorSteps(data.steps, data.settings.DelayType);
    }
    showSteps(-1);
    updateEnabled();
}

void MacroDialog::saveCurrent()
{
    const QString name = currentMacro();
    if (!name.isEmpty() && !saveMacro(name, m_pOptions->settings(), m_Steps))
        showMacroWarning(this, storageResultMessage(StorageResult::FileError));
}

void MacroDialog::saveIfIdle()
{
    // A recording or a step edit is written by "STOP" or "SAVE"; "CANCEL" must still find the
    // file as it was.
    if (!m_bRecording && !m_bEditing)
        saveCurrent();
}

void MacroDialog::toggleBatch()
{
    const bool batch = !isBatch();
    m_pLibrary->setBatch(batch);
    m_Buttons[BtnBatch]->setSelected(batch);
    if (batch && m_bMouseTree)
        showMouseTree(false); // the list is where the macros are ticked
    updateEnabled();
}

void MacroDialog::showMouseTree(bool shown)
{
    m_bMouseTree = shown;
    m_Buttons[BtnMouseAction]->setSelected(shown);
    m_pTree->setVisible(shown);
    m_pLibrary->setListShown(!shown);
}

// ---------------------------------------------------------------- steps

void MacroDialog::showSteps(int selectRow)
{
    m_pModel->removeRows(0, m_pModel->rowCount());
    m_pModel->setRowCount(m_Steps.size());
    for (int row = 0; row < m_Steps.size(); ++row) {
        const MacroEvent &step = m_Steps[row];
        const int values[3] = {step.Map, step.DataH, step.DataL};
        for (int column = 0; column < 3; ++column) {
            auto *item = new QStandardItem;
            item->setData(values[column], kStepValueRole);
            m_pModel->setItem(row, column, item);
        }
    }
    SelectRow(selectRow);
}

void MacroDialog::SelectRow(int row)
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

void MacroDialog::insertHandSteps(const QVector<MacroEvent> &added)
{
    const int last = insertSteps(m_Steps, selectedRow(), added);
    showSteps(last);
    saveIfIdle();
}

void MacroDialog::moveSelected(RowMove move)
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const int moved = moveRow(m_Steps, row, move);
    if (moved == row)
        return;
    showSteps(moved);
    saveIfIdle();
}

void MacroDialog::deleteSelected()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const int next = removeRow(m_Steps, row);
    showSteps(next);
    saveIfIdle();
}

void MacroDialog::TreeitemClick(QTreeWidgetItem *treeItem, int column)
{
    Q_UNUSED(column)
    auto *item = static_cast<TarnTreeItem *>(treeItem);
    if (!item || !m_pLibrary->hasMacros() || currentMacro().isEmpty() || m_bRecording || m_bEditing)
        return;
    switch (item->role()) {
    case TarnTreeItem::ButtonRow:
        if (!item->isExpanded()) {
            for (TarnTreeItem *other : m_pTree->buttonRows())
                other->setExpanded(other == item);
            return;
        }
        insertHandSteps(clickSteps(item->buttonBit(), ClickPart::Whole, delayType(), m_pOptions->defaultDelayMs()));
        return;
    case TarnTreeItem::PressRow:
        insertHandSteps(clickSteps(item->buttonBit(), ClickPart::PressOnly, delayType(), m_pOptions->defaultDelayMs()));
        return;
    case TarnTreeItem::ReleaseRow:
        insertHandSteps(clickSteps(item->buttonBit(), ClickPart::ReleaseOnly, delayType(), m_pOptions->defaultDelayMs()));
        return;
    case TarnTreeItem::MoveRow:
        return; // acts on the press (TarnItemPressed)
    }
}

void MacroDialog::TarnItemPressed(QTreeWidgetItem *treeItem, int column)
{
    Q_UNUSED(column)
    auto *item = static_cast<TarnTreeItem *>(treeItem);
    if (!item || item->role() != TarnTreeItem::MoveRow || !m_pLibrary->hasMacros() || currentMacro().isEmpty() || m_bRecording ||
        m_bEditing)
        return;
    insertHandSteps(moveSteps(item->direction(), item->distance(), delayType(), m_pOptions->defaultDelayMs()));
}

void MacroDialog::mousemove_test()
{
    m_pTree->clearHover();
}

void MacroDialog::CurrentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    Q_UNUSED(previous)
    if (m_bEditing && current.isValid())
        showEditorForRow(current.row());
}

// ---------------------------------------------------------------- recording

void MacroDialog::startRecording()
{
    if (!m_pLibrary->hasMacros() || currentMacro().isEmpty())
        return;
    m_bRecording = true;
    m_pKeys->restartTiming();
    m_Buttons[BtnStart]->setText(macroText(QT_TRANSLATE_NOOP("MacroDialog", "STOP")));
    m_Steps.clear();
    showSteps(-1);
    m_Recorder.start(delayType(), m_pOptions->defaultDelayMs());
    updateEnabled();
    emit EnableButtonsSignal(false);
    m_pKeys->grab();
}

void MacroDialog::stopRecording()
{
    m_bRecording = false;
    m_Buttons[BtnStart]->setText(macroText(kButtonTexts[BtnStart]));
    m_pKeys->release();
    updateEnabled();
    emit EnableButtonsSignal(true);
    const bool unreleased = hasUnreleasedPress(m_Steps);
    // Saved in every case: the warning only tells what the macro will do.
    saveCurrent();
    if (unreleased)
        showMacroWarning(this, tr("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
}

void MacroDialog::OnHookKey(int keyCode, int flags, qint64 timeMs)
{
    const int normalised = normaliseHookFlags(flags);
    if (m_bEditing) {
        const int row = selectedRow();
        if (row < 0 || stepKind(m_Steps[row]) != StepKind::Key)
            return;
        if (keyCode == m_iLastKey && normalised == m_iLastFlags)
            return;
        m_iLastKey = keyCode;
        m_iLastFlags = normalised;
        uint8_t usage = 0;
        keyToHid(keyCode, usage);
        setEditedStep(keyStep(usage, isPressStep(m_Steps[row])));
        m_pEditKeyName->setText(keyName(keyCode));
        return;
    }
    if (!m_bRecording)
        return;
    if (m_Recorder.onKey(m_Steps, keyCode, normalised, timeMs)) {
        m_iLastKey = keyCode;
        m_iLastFlags = normalised;
        if (QWidget *focus = focusWidget())
            focus->clearFocus();
        showSteps(m_Steps.size() - 1);
    }
}

// ---------------------------------------------------------------- editing

void MacroDialog::startEdit()
{
    const int row = selectedRow();
    if (row < 0 || currentMacro().isEmpty())
        return;
    m_bEditing = true;
    for (QWidget *widget : std::initializer_list<QWidget *>{m_Buttons[BtnImport], m_Buttons[BtnExport], m_Buttons[BtnBatch],
                                                            m_Buttons[BtnInsertDelay], m_Buttons[BtnGunSet]})
        widget->hide();
    m_pOptions->setShown(false);
    m_Buttons[BtnSave]->show();
    m_Buttons[BtnCancel]->show();
    updateEnabled();
    emit EnableButtonsSignal(false);
    showEditorForRow(row);
}

void MacroDialog::showEditorForRow(int row)
{
    for (QWidget *editor : std::initializer_list<QWidget *>{m_pEditKeyName, m_pEditButton, m_pEditMoveButton, m_pEditDistance,
                                                            m_pEditDelay, m_pEditDelayUnit})
        editor->hide();
    m_pEditTitle->show();
    if (row < 0 || row >= m_Steps.size()) {
        m_pEditTitle->setText(tr("Select a step to edit."));
        m_pKeys->release();
        return;
    }
    const MacroEvent step = m_Steps[row];
    const StepKind kind = stepKind(step);
    if (kind == StepKind::Key) {
        m_pEditTitle->setText(tr("Press the key this step should use."));
        const StepCell cell = stepCell(step, 0);
        m_pEditKeyName->setText(cell.text);
        m_pEditKeyName->show();
        m_iLastKey = -1;
        m_iLastFlags = -1;
        m_pKeys->grab();
        return;
    }
    m_pKeys->release();
    switch (kind) {
    case StepKind::Button: {
        m_pEditTitle->setText(tr("Choose the mouse button of this step."));
        const char *name = macroButtonName(step.DataL);
        m_pEditButton->setText(name ? macroText(name) : QString());
        m_pEditButton->show();
        break;
    }
    case StepKind::Move: {
        m_pEditTitle->setText(tr("Choose the direction and the distance (1-120)."));
        const DecodedMove move = decodeMove(step);
        m_pEditMoveButton->setText(moveDirectionText(move.valid ? move.direction : MoveDirection::Right));
        m_pEditDistance->setText(QString::number(move.valid ? move.distance : kMacroMinMoveDistance));
        m_pEditMoveButton->show();
        m_pEditDistance->show();
        break;
    }
    case StepKind::Delay:
        m_pEditTitle->setText(tr("Enter the delay (10-65535 ms)."));
        m_pEditDelay->setText(QString::number(delayMs(step)));
        m_pEditDelay->show();
        m_pEditDelayUnit->show();
        break;
    default:
        m_pEditTitle->setText(QString());
        break;
    }
}

void MacroDialog::setEditedStep(const MacroEvent &step)
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_Steps[row] = step;
    const int values[3] = {step.Map, step.DataH, step.DataL};
    for (int column = 0; column < 3; ++column)
        m_pModel->item(row, column)->setData(values[column], kStepValueRole);
    if (stepKind(step) == StepKind::Button)
        m_pEditButton->setText(macroText(macroButtonName(step.DataL) ? macroButtonName(step.DataL) : ""));
    else if (stepKind(step) == StepKind::Move && decodeMove(step).valid)
        m_pEditMoveButton->setText(moveDirectionText(decodeMove(step).direction));
}

void MacroDialog::EditMoveChanged(const QString &text)
{
    bool ok = false;
    const int distance = text.toInt(&ok);
    const int row = selectedRow();
    if (!m_bEditing || !ok || distance < kMacroMinMoveDistance || distance > kMacroMaxMoveDistance || row < 0 ||
        stepKind(m_Steps[row]) != StepKind::Move)
        return;
    const DecodedMove move = decodeMove(m_Steps[row]);
    setEditedStep(encodeMove(move.valid ? move.direction : MoveDirection::Right, distance));
}

void MacroDialog::EditDelayChanged(const QString &text)
{
    bool ok = false;
    const int ms = text.toInt(&ok);
    const int row = selectedRow();
    if (!m_bEditing || !ok || ms < kMinStepDelayMs || ms > kMaxStepDelayMs || row < 0 ||
        stepKind(m_Steps[row]) != StepKind::Delay)
        return;
    setEditedStep(encodeDelay(ms));
}

void MacroDialog::finishEdit(bool save)
{
    if (!m_bEditing)
        return;
    const int row = selectedRow();
    m_bEditing = false;
    m_pKeys->release();
    if (save) {
        saveCurrent();
    } else {
        m_pLibrary->reopenCurrent();
    }
    SelectRow(row);
    for (QWidget *editor : std::initializer_list<QWidget *>{m_pEditTitle, m_pEditKeyName, m_pEditButton, m_pEditMoveButton,
                                                            m_pEditDistance, m_pEditDelay, m_pEditDelayUnit,
                                                            m_Buttons[BtnSave], m_Buttons[BtnCancel]})
        editor->hide();
    for (QWidget *widget : std::initializer_list<QWidget *>{m_Buttons[BtnImport], m_Buttons[BtnExport], m_Buttons[BtnBatch],
                                                            m_Buttons[BtnInsertDelay], m_Buttons[BtnGunSet]})
        widget->show();
    m_pOptions->setShown(true);
    updateEnabled();
    emit EnableButtonsSignal(true);
}

// ---------------------------------------------------------------- enabling

void MacroDialog::updateEnabled()
{
    const bool busy = m_bRecording || m_bEditing;
    const bool batch = isBatch();
    const bool idle = !busy && !batch;
    const bool macro = !currentMacro().isEmpty();
    for (int i = 0; i < ButtonCount; ++i)
        m_Buttons[i]->setEnabled(idle);
    m_Buttons[BtnImport]->setEnabled(!busy);
    m_Buttons[BtnExport]->setEnabled(!busy && (macro || batch));
    m_Buttons[BtnBatch]->setEnabled(!busy);
    m_Buttons[BtnStart]->setEnabled(m_bRecording || (idle && macro));
    m_Buttons[BtnSave]->setEnabled(m_bEditing);
    m_Buttons[BtnCancel]->setEnabled(m_bEditing);
    for (Button b : {BtnDeleteMacro, BtnRename, BtnEdit, BtnTop, BtnBottom, BtnMoveUp, BtnMoveDown, BtnDeleteStep,
                     BtnClear, BtnInsertDelay})
        m_Buttons[b]->setEnabled(idle && macro);
    m_pLibrary->list()->setEnabled(!busy);
    m_pTree->setEnabled(idle && macro);
    m_pLibrary->nameEdit()->setEnabled(idle && macro);
    // While recording the table shows the steps as they come; while a step is edited,
    // selecting another row shows that row's editor.
    m_pTable->setEnabled(!batch);
    m_pOptions->setEnabled(idle && macro);
}
