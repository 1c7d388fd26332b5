// The macro page's parts on their own: the options read a macro's settings without calling it a
// change and keep the fields within their limits; the step editor lets an edit change only a
// selected step of the fitting kind; the library picks the macro to open when the one asked for
// is gone, and none when the library is empty.

#include "support/box_answers.h"

#include "model/macro_steps.h"
#include "panels/macro_key_input.h"
#include "panels/macro_library_panel.h"
#include "panels/macro_options_panel.h"
#include "panels/macro_step_editor.h"
#include "panels/macro_step_form.h"
#include "storage/macro_file.h"
#include "support/test_env.h"
#include "widgets/tarn_line_edit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

namespace {

constexpr int kKeyA = 30, kKeyB = 48;
constexpr uint8_t kUsageA = 4, kUsageB = 5;

QString lastAnnounced(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QStringLiteral("<none>") : spy.last().at(0).toString();
}

} // namespace

class TestMacroParts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("GSETTINGS_BACKEND", "memory"); }

    void optionsShowAMacroWithoutCallingItAChange()
    {
        QWidget page;
        MacroOptionsPanel options(&page);
        QSignalSpy changed(&options, &MacroOptionsPanel::changed);
        MacroSettings stored;
        stored.DelayType = kDelayDefault;
        stored.DefaultDelay = 250;
        stored.LoopType = 2;
        stored.LoopTime = 7;
        options.showSettings(stored);
        // A change would write the macro while the page is still opening it.
        QCOMPARE(changed.count(), 0);
        const MacroSettings shown = options.settings();
        QCOMPARE(shown.DelayType, kDelayDefault);
        QCOMPARE(shown.DefaultDelay, 250);
        QCOMPARE(shown.LoopType, 2);
        QCOMPARE(shown.LoopTime, 7);

        options.recordDelayBox()->click();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(options.settings().DelayType, kDelayRecorded);
        QVERIFY(!options.defaultDelayBox()->isChecked());
    }

    void optionsKeepTheFieldsWithinTheirLimits_data()
    {
        QTest::addColumn<int>("defaultDelay");
        QTest::addColumn<int>("loopTime");
        QTest::addColumn<int>("savedDelay");
        QTest::addColumn<int>("savedLoops");
        QTest::newRow("within") << 65535 << 255 << 65535 << 255;
        QTest::newRow("above") << 70000 << 300 << 65535 << 255;
        QTest::newRow("below") << -5 << 0 << 0 << 1;
    }

    void optionsKeepTheFieldsWithinTheirLimits()
    {
        // A hand-edited macro file may hold anything; what is written back stays in range.
        QFETCH(int, defaultDelay);
        QFETCH(int, loopTime);
        QWidget page;
        MacroOptionsPanel options(&page);
        MacroSettings stored;
        stored.DefaultDelay = defaultDelay;
        stored.LoopTime = loopTime;
        options.showSettings(stored);
        QTEST(options.settings().DefaultDelay, "savedDelay");
        QTEST(options.settings().LoopTime, "savedLoops");
        options.loopTimeEdit()->clear();
        QCOMPARE(options.settings().LoopTime, kMinLoopTime);
    }

    void stepEditsChangeOnlyASelectedStepOfTheirKind()
    {
        QWidget page;
        MacroKeyInput keys(&page);
        MacroStepEditor editor(keys, &page);
        MacroStepForm &form = *editor.form();
        QSignalSpy changed(&editor, &MacroStepEditor::stepsChanged);
        const QVector<MacroEvent> steps = {encodeDelay(100), encodeMove(MoveDirection::Right, 5), keyStep(kUsageA, false)};
        editor.setSteps(steps, 0);

        // Not editing: the fields change nothing.
        QTest::keyClicks(form.delayEdit(), "30");
        QCOMPARE(editor.steps(), steps);

        QVERIFY(editor.beginEdit());
        editor.showEditor();
        QVERIFY(form.delayEdit()->isVisibleTo(&page));
        QTest::keyClicks(form.distanceEdit(), "9"); // a move's field, a delay edited
        form.moveMenu()->actions().at(2)->trigger();
        editor.editKey(kKeyB, 0);
        QCOMPARE(editor.steps(), steps);
        form.delayEdit()->clear();
        QTest::keyClicks(form.delayEdit(), "40");
        QCOMPARE(editor.steps()[0], encodeDelay(40));

        // A key step takes its key from the keyboard, and stays a release.
        editor.selectRow(2);
        QVERIFY(keys.isGrabbing());
        editor.editKey(kKeyB, 0);
        QCOMPARE(editor.steps()[2], keyStep(kUsageB, false));
        // Deselected (Ctrl+click) its fields still show, but there is no step to change.
        editor.table()->selectionModel()->select(editor.table()->model()->index(2, 0),
                                                 QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        QCOMPARE(editor.selectedRow(), -1);
        editor.editKey(kKeyA, 0);
        QCOMPARE(editor.steps()[2], keyStep(kUsageB, false));

        QCOMPARE(editor.endEdit(), -1);
        QVERIFY(!keys.isGrabbing());
        // An edit is written by "SAVE", not as it happens.
        QCOMPARE(changed.count(), 0);
    }

    void libraryOpensTheMacroAskedForElseTheFirstElseNone()
    {
        TempAppFolder folder(true);
        for (const QString name : {"alpha", "beta"}) {
            QVERIFY(saveMacro(name, MacroSettings(), {}));
            QVERIFY(addMacroName(name));
        }
        QWidget page;
        MacroLibraryPanel library(&page);
        QSignalSpy opened(&library, &MacroLibraryPanel::currentChanged);
        library.reload("beta");
        QCOMPARE(lastAnnounced(opened), QString("beta"));
        QCOMPARE(library.nameEdit()->text(), QString("beta"));
        QCOMPARE(library.list()->currentItem()->text(), QString("beta"));
        library.reload("gone");
        QCOMPARE(lastAnnounced(opened), QString("alpha"));
        QCOMPARE(library.current(), QString("alpha"));

        // Listed again in batch mode, the entries keep their tick boxes; out of it, none shows.
        library.setBatch(true);
        library.reload("alpha");
        QCOMPARE(library.list()->item(1)->checkState(), Qt::Unchecked);
        library.setBatch(false);
        QVERIFY(!library.list()->item(1)->data(Qt::CheckStateRole).isValid());

        BoxAnswers yes; // each delete asks first
        library.deleteCurrent();
        QCOMPARE(lastAnnounced(opened), QString("beta"));
        library.deleteCurrent();
        QCOMPARE(lastAnnounced(opened), QString());
        QVERIFY(library.current().isEmpty());
        QVERIFY(library.nameEdit()->text().isEmpty());
        QVERIFY(!library.hasMacros());
        QVERIFY(!macroFileExists("alpha") && !macroFileExists("beta"));
    }
};

QTEST_MAIN(TestMacroParts)
#include "gui_test_macro_parts.moc"
