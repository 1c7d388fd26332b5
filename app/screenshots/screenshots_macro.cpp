#include "app/screenshots/screenshots_macro.h"

#include "app/mousecfg_widget.h"
#include "app/screenshots/screenshot_session.h"
#include "panels/macro_dialog.h"
#include "panels/tarn_gunset_dialog.h"
#include "panels/tarn_tree_widget.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_push_button.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QLineEdit>
#include <QTimer>

namespace {

const char kStepsFile[] = "page_macro_steps.png";
const char kRecordingFile[] = "page_macro_recording.png";
const char kEditFile[] = "page_macro_edit_step.png";
const char kTreeFile[] = "page_macro_mouse_tree.png";
const char kBatchFile[] = "page_macro_batch.png";
const char kGunsetFile[] = "dialog_gunset.png";
const char kDeleteQuestionFile[] = "question_delete_macro.png";

// Key code of the key the sample macro presses.
constexpr int kKeyA = 30;

void press(MacroDialog &page, MacroDialog::Button which)
{
    page.button(which)->click();
    ScreenshotSession::settle();
}

void key(MacroDialog &page, int code, bool down, qint64 time)
{
    page.OnHookKey(code, down ? 0 : kHookKeyUp, time);
}

} // namespace

void renderMacroScreenshots(ScreenshotSession &shots)
{
    MousecfgWidget &window = shots.window();
    MacroDialog *page = window.macroPage();
    if (!page)
        return;
    window.showPage(PageMacro);
    const QStringList before = [page] {
        QStringList names;
        for (int i = 0; i < page->macroList()->count(); ++i)
            names << page->macroList()->item(i)->text();
        return names;
    }();

    // A second macro for the list, then the sample: recorded keys with their delays, a click
    // and two moves added by hand.
    press(*page, MacroDialog::BtnNew);
    const QString spare = page->currentMacro();
    press(*page, MacroDialog::BtnNew);
    page->nameEdit()->setText("burst");
    press(*page, MacroDialog::BtnRename);
    const QString sample = page->currentMacro();
    page->recordDelayBox()->click();
    page->loopBox(1)->click();
    page->loopTimeEdit()->setText("3");
    press(*page, MacroDialog::BtnStart);
    key(*page, kKeyA, true, 1000);
    key(*page, kKeyA, false, 1120);
    shots.saveWindow(kRecordingFile);
    press(*page, MacroDialog::BtnStart);

    press(*page, MacroDialog::BtnMouseAction);
    TarnTreeWidget *tree = page->mouseTree();
    TarnTreeItem *left = tree->buttonRows().first();
    page->TreeitemClick(left, 0);
    page->TreeitemClick(left, 0);
    TarnTreeItem *up = tree->moveRows().at(2);
    up->distanceEdit()->setText("5");
    page->TarnItemPressed(up, 0);
    shots.saveWindow(kTreeFile);
    press(*page, MacroDialog::BtnMouseAction);
    page->SelectRow(0);
    page->SelectRow(7); // the whole macro in view, the move selected
    shots.saveWindow(kStepsFile);

    page->SelectRow(7);
    press(*page, MacroDialog::BtnEdit);
    shots.saveWindow(kEditFile);
    press(*page, MacroDialog::BtnCancel);

    press(*page, MacroDialog::BtnBatch);
    for (int i = 0; i < page->macroList()->count(); ++i) {
        QListWidgetItem *item = page->macroList()->item(i);
        if (item->text() == sample)
            item->setCheckState(Qt::Checked);
    }
    shots.saveWindow(kBatchFile);
    press(*page, MacroDialog::BtnBatch);

    TarnGunsetDialog gunset(&window, window.scaleFactor());
    gunset.nameEdit()->setText("recoil");
    gunset.setBulletCount(3);
    const int pulls[3][3] = {{90, 4, 0}, {90, 6, -1}, {110, 7, 1}};
    for (int i = 0; i < 3; ++i) {
        for (int field = 0; field < 3; ++field)
            gunset.spinBox(i, field)->setValue(pulls[i][field]);
    }
    shots.save(shots.dialogOverWindow(&gunset), kGunsetFile);

    // The library as it was. Deleting asks first: the first question is pictured, each is answered.
    bool pictured = false;
    for (const QString &name : {sample, spare}) {
        if (before.contains(name))
            continue;
        page->selectMacro(name);
        QTimer::singleShot(0, &shots.window(), [&shots, &pictured] {
            auto *question = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!question)
                return;
            if (!pictured)
                shots.save(shots.dialogOverWindow(question), kDeleteQuestionFile);
            pictured = true;
            question->done(1);
        });
        press(*page, MacroDialog::BtnDeleteMacro);
    }
}
