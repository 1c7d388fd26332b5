#include "panels/macro_dialog.h"

#include "panels/macro_key_input.h"
#include "panels/macro_options_panel.h"
#include "panels/macro_page_text.h"
#include "panels/macro_recorder.h"
#include "panels/macro_step_editor.h"
#include "panels/macro_step_form.h"
#include "panels/tarn_tree_widget.h"
#include "storage/macro_file.h"
#include "storage/storage_result.h"
#include "widgets/skin.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_push_button.h"
#include "widgets/theme.h"

#include <QListWidget>
#include <QTableView>

#include <functional>
#include <utility>

namespace {

constexpr int kButtonHeight = 28;

struct ButtonPlace {
    MacroDialog::Button button;
    QRect design;
};
// Design rectangles of the page (665 x 467 units): the left column around the list, then three
// rows of four under the table ("SAVE" and "CANCEL" only show while a step is edited).
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

// The buttons that give way while a step is edited.
const MacroDialog::Button kHiddenWhileEditing[] = {MacroDialog::BtnImport, MacroDialog::BtnExport, MacroDialog::BtnBatch,
                                                   MacroDialog::BtnInsertDelay, MacroDialog::BtnGunSet};

} // namespace

MacroDialog::MacroDialog(QWidget *parent) : QWidget(parent)
{
    setObjectName("MacroDialog");
    buildButtons();
    // In this order Tab runs from the tree's distance fields to the name and on to the options.
    m_pKeys = new MacroKeyInput(this);
    m_pSteps = new MacroStepEditor(*m_pKeys, this);
    m_pLibrary = new MacroLibraryPanel(this);
    m_pOptions = new MacroOptionsPanel(this);
    m_pRecorder = std::make_unique<MacroRecorderPanel>(*m_pSteps, *m_pKeys, this);
    connectButtons();
    connectParts();
    retranslatePanel();
    layoutPage();
    m_pLibrary->reload(QString());
}

MacroDialog::~MacroDialog()
{
    m_pKeys->release();
}

// ---------------------------------------------------------------- building

void MacroDialog::buildButtons()
{
    for (TarnPushButton *&button : m_Buttons) {
        button = new TarnPushButton({skinPath("tabbutton-1.png"), skinPath("tabbutton-3.png"), skinPath("tabbutton-2.png")}, this);
        button->setFocusPolicy(Qt::NoFocus);
    }
    m_Buttons[BtnBatch]->setCheckable(true);
    m_Buttons[BtnMouseAction]->setCheckable(true);
    m_Buttons[BtnSave]->hide();
    m_Buttons[BtnCancel]->hide();
}

void MacroDialog::connectButtons()
{
    const std::pair<Button, std::function<void()>> actions[] = {
        {BtnStart, [this] { isRecording() ? stopRecording() : startRecording(); }},
        {BtnNew, [this] { m_pLibrary->createMacro(); }},
        {BtnDeleteMacro, [this] { m_pLibrary->deleteCurrent(); }},
        {BtnRename, [this] { m_pLibrary->renameCurrent(); }},
        {BtnEdit, [this] { startEdit(); }},
        {BtnTop, [this] { m_pSteps->moveSelected(RowMove::Top); }},
        {BtnBottom, [this] { m_pSteps->moveSelected(RowMove::Bottom); }},
        {BtnMoveUp, [this] { m_pSteps->moveSelected(RowMove::Up); }},
        {BtnMoveDown, [this] { m_pSteps->moveSelected(RowMove::Down); }},
        {BtnDeleteStep, [this] { m_pSteps->deleteSelected(); }},
        {BtnClear, [this] { m_pSteps->clear(); }},
        {BtnSave, [this] { finishEdit(true); }},
        {BtnCancel, [this] { finishEdit(false); }},
        {BtnInsertDelay,
         [this] {
             if (!currentMacro().isEmpty())
                 m_pSteps->insertHandSteps({encodeDelay(kMinStepDelayMs)});
         }},
        {BtnGunSet, [this] { m_pLibrary->createGunSet(); }},
        {BtnImport, [this] { m_pLibrary->importFiles(); }},
        {BtnExport, [this] { m_pLibrary->exportFiles(); }},
        {BtnBatch, [this] { toggleBatch(); }},
        {BtnMouseAction, [this] { showMouseTree(!m_bMouseTree); }},
    };
    for (const auto &action : actions)
        connect(m_Buttons[action.first], &QPushButton::clicked, this, action.second);
}

void MacroDialog::connectParts()
{
    connect(m_pKeys, &MacroKeyInput::keyCaptured, this, &MacroDialog::OnHookKey);
    connect(m_pLibrary->list(), &QListWidget::itemClicked, this, &MacroDialog::chooseListEntry);
    connect(m_pLibrary, &MacroLibraryPanel::currentChanged, this, &MacroDialog::openMacro);
    connect(m_pSteps->tree(), &QTreeWidget::itemClicked, this, &MacroDialog::TreeitemClick);
    connect(m_pSteps->tree(), &QTreeWidget::itemPressed, this, &MacroDialog::TarnItemPressed);
    connect(m_pSteps, &MacroStepEditor::stepsChanged, this, &MacroDialog::saveIfIdle);
    connect(m_pOptions, &MacroOptionsPanel::changed, this, &MacroDialog::saveIfIdle);
}

void MacroDialog::layoutPage()
{
    for (const ButtonPlace &place : kButtonPlaces)
        m_Buttons[place.button]->setGeometry(scaledRect(place.design, uiScale()));
    const QFont font = languageFont();
    for (QObject *child : children()) {
        if (auto *widget = qobject_cast<QWidget *>(child))
            widget->setFont(font);
    }
    m_pLibrary->layout();
    m_pOptions->layout();
    m_pSteps->layout();
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
    showStartText();
    m_pLibrary->retranslate();
    m_pSteps->retranslate();
    m_pOptions->retranslate();
}

void MacroDialog::rescalePanel(double factor)
{
    Q_UNUSED(factor) // the kit's scale (uiScale) is the window's factor already
    layoutPage();
}

// ---------------------------------------------------------------- state

void MacroDialog::setFileDialogs(const MacroFileDialogs &dialogs) { m_pLibrary->setFileDialogs(dialogs); }
QString MacroDialog::currentMacro() const { return m_pLibrary->current(); }
const QVector<MacroEvent> &MacroDialog::steps() const { return m_pSteps->steps(); }
int MacroDialog::selectedRow() const { return m_pSteps->selectedRow(); }
bool MacroDialog::isRecording() const { return m_pRecorder->isRecording(); }
bool MacroDialog::isEditing() const { return m_pSteps->isEditing(); }
bool MacroDialog::isCapturing() const { return m_pKeys->isGrabbing(); }
bool MacroDialog::isBatch() const { return m_pLibrary->isBatch(); }
int MacroDialog::delayType() const { return m_pOptions->delayType(); }
QCheckBox *MacroDialog::recordDelayBox() const { return m_pOptions->recordDelayBox(); }
QCheckBox *MacroDialog::defaultDelayBox() const { return m_pOptions->defaultDelayBox(); }
QCheckBox *MacroDialog::loopBox(int loopType) const { return m_pOptions->loopBox(loopType); }
QLineEdit *MacroDialog::loopTimeEdit() const { return m_pOptions->loopTimeEdit(); }
TarnLineEdit *MacroDialog::nameEdit() const { return m_pLibrary->nameEdit(); }
QListWidget *MacroDialog::macroList() const { return m_pLibrary->list(); }
TarnTreeWidget *MacroDialog::mouseTree() const { return m_pSteps->tree(); }
QMenu *MacroDialog::editButtonMenu() const { return m_pSteps->form()->buttonMenu(); }
QMenu *MacroDialog::editMoveMenu() const { return m_pSteps->form()->moveMenu(); }
QLineEdit *MacroDialog::editMoveDistance() const { return m_pSteps->form()->distanceEdit(); }
QLineEdit *MacroDialog::editDelay() const { return m_pSteps->form()->delayEdit(); }

void MacroDialog::SelectRow(int row)
{
    m_pSteps->selectRow(row);
}

// ---------------------------------------------------------------- the open macro

void MacroDialog::selectMacro(const QString &name)
{
    if (QListWidgetItem *item = m_pLibrary->entry(name))
        chooseListEntry(item);
}

void MacroDialog::chooseListEntry(QListWidgetItem *item)
{
    if (item && !isRecording() && !isEditing())
        m_pLibrary->choose(item);
}

void MacroDialog::openMacro(const QString &name)
{
    if (name.isEmpty()) {
        m_pSteps->setSteps({}, -1);
    } else {
        const MacroData data = loadMacro(name);
        m_pOptions->showSettings(data.settings);
        m_pSteps->setSteps(editorSteps(data.steps, data.settings.DelayType), -1);
    }
    updateEnabled();
}

void MacroDialog::saveCurrent()
{
    const QString name = currentMacro();
    if (!name.isEmpty() && !saveMacro(name, m_pOptions->settings(), m_pSteps->steps()))
        showMacroWarning(this, storageResultMessage(StorageResult::FileError));
}

void MacroDialog::saveIfIdle()
{
    // A recording or a step edit is written by "STOP" or "SAVE"; "CANCEL" must still find the
    // file as it was.
    if (!isRecording() && !isEditing())
        saveCurrent();
}

// ---------------------------------------------------------------- hand-made steps and keys

bool MacroDialog::takesHandSteps() const
{
    return m_pLibrary->hasMacros() && !currentMacro().isEmpty() && !isRecording() && !isEditing();
}

void MacroDialog::TreeitemClick(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    if (takesHandSteps())
        m_pSteps->treeItemClicked(static_cast<TarnTreeItem *>(item), m_pOptions->delayType(), m_pOptions->defaultDelayMs());
}

void MacroDialog::TarnItemPressed(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    if (takesHandSteps())
        m_pSteps->treeItemPressed(static_cast<TarnTreeItem *>(item), m_pOptions->delayType(), m_pOptions->defaultDelayMs());
}

void MacroDialog::OnHookKey(int keyCode, int flags, qint64 timeMs)
{
    const int normalised = normaliseHookFlags(flags);
    if (isEditing())
        m_pSteps->editKey(keyCode, normalised);
    else if (isRecording())
        m_pRecorder->onKey(keyCode, normalised, timeMs);
}

// ---------------------------------------------------------------- recording

void MacroDialog::startRecording()
{
    if (!m_pLibrary->hasMacros() || currentMacro().isEmpty())
        return;
    m_pRecorder->start(m_pOptions->delayType(), m_pOptions->defaultDelayMs());
    showStartText();
    updateEnabled();
    emit EnableButtonsSignal(false);
}

void MacroDialog::stopRecording()
{
    const bool unreleased = m_pRecorder->stop();
    showStartText();
    updateEnabled();
    emit EnableButtonsSignal(true);
    // Saved in every case: the warning only tells what the macro will do.
    saveCurrent();
    if (unreleased)
        showMacroWarning(this, macroText(QT_TRANSLATE_NOOP("MacroDialog", "ONE OR MORE KEYS HAS NOT BEEN RELEASED.")));
}

void MacroDialog::showStartText()
{
    m_Buttons[BtnStart]->setText(isRecording() ? macroText(QT_TRANSLATE_NOOP("MacroDialog", "STOP"))
                                               : macroText(kButtonTexts[BtnStart]));
}

// ---------------------------------------------------------------- editing a step

void MacroDialog::startEdit()
{
    if (currentMacro().isEmpty() || !m_pSteps->beginEdit())
        return;
    showEditMode(true);
    updateEnabled();
    emit EnableButtonsSignal(false);
    m_pSteps->showEditor();
}

void MacroDialog::finishEdit(bool save)
{
    if (!isEditing())
        return;
    const int row = m_pSteps->endEdit();
    if (save)
        saveCurrent();
    else
        m_pLibrary->reopenCurrent();
    m_pSteps->selectRow(row);
    showEditMode(false);
    updateEnabled();
    emit EnableButtonsSignal(true);
}

void MacroDialog::showEditMode(bool editing)
{
    if (!editing)
        m_pSteps->form()->hide();
    for (Button hidden : kHiddenWhileEditing)
        m_Buttons[hidden]->setVisible(!editing);
    m_pOptions->setShown(!editing);
    m_Buttons[BtnSave]->setVisible(editing);
    m_Buttons[BtnCancel]->setVisible(editing);
}

// ---------------------------------------------------------------- batch, tree, enabling

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
    m_pSteps->tree()->setVisible(shown);
    m_pLibrary->setListShown(!shown);
}

void MacroDialog::updateEnabled()
{
    const bool busy = isRecording() || isEditing();
    const bool batch = isBatch();
    const bool idle = !busy && !batch;
    const bool macro = !currentMacro().isEmpty();
    for (TarnPushButton *button : m_Buttons)
        button->setEnabled(idle);
    m_Buttons[BtnImport]->setEnabled(!busy);
    m_Buttons[BtnExport]->setEnabled(!busy && (macro || batch));
    m_Buttons[BtnBatch]->setEnabled(!busy);
    m_Buttons[BtnStart]->setEnabled(isRecording() || (idle && macro));
    m_Buttons[BtnSave]->setEnabled(isEditing());
    m_Buttons[BtnCancel]->setEnabled(isEditing());
    for (Button b : {BtnDeleteMacro, BtnRename, BtnEdit, BtnTop, BtnBottom, BtnMoveUp, BtnMoveDown, BtnDeleteStep,
                     BtnClear, BtnInsertDelay})
        m_Buttons[b]->setEnabled(idle && macro);
    m_pLibrary->list()->setEnabled(!busy);
    m_pSteps->tree()->setEnabled(idle && macro);
    m_pLibrary->nameEdit()->setEnabled(idle && macro);
    // While recording the table shows the steps as they come; while a step is edited,
    // selecting another row shows that row's editor.
    m_pSteps->table()->setEnabled(!batch);
    m_pOptions->setEnabled(idle && macro);
}
