// The macro page in the main window on the simulated mouse: recording with native key events,
// the locked navigation, hand-made steps from the mouse command tree, step editing, the
// library (new, rename, import, export, batch), the gun set editor, and a recorded macro bound
// to a button reaching the mouse through Apply, also after a rename.

#include "app/mousecfg_widget.h"
#include "device/download_worker.h"
#include "device/transfer.h"
#include "model/function_catalogue.h"
#include "panels/macro_dialog.h"
#include "panels/tarn_btn_window.h"
#include "panels/tarn_gunset_dialog.h"
#include "panels/tarn_tree_widget.h"
#include "platform/key_capture.h"
#include "sim/sim_hotplug_source.h"
#include "sim/simulated_mouse.h"
#include "storage/app_paths.h"
#include "storage/data_paths.h"
#include "storage/macro_file.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <linux/input-event-codes.h>

#include <functional>
#include <memory>

namespace {

constexpr uint8_t kUsageA = 4, kUsageB = 5;

// A data folder of its own with the shipped model description and settings template.
struct DataFolder {
    DataFolder()
    {
        AppPaths::setDataDirOverride(dir.path());
        AppPaths::init();
        QFile::copy(QStringLiteral(MOUSECFG_APP_DIR) + "/DefaultProfile.bin", dir.path() + "/DefaultProfile.bin");
        AppPaths::prepareDataFolder();
    }
    QTemporaryDir dir;
};

// The simulated mouse and the window on it, on its macro page.
struct Rig {
    Rig() : hotplug(&mouse), window(std::make_unique<MousecfgWidget>(mouse, &hotplug))
    {
        window->showPage(PageMacro);
        window->show();
        page = window->macroPage();
    }
    QWindow *handle() const { return window->windowHandle(); }
    void click(MacroDialog::Button which) const { page->button(which)->click(); }

    SimulatedMouse mouse;
    SimHotplugSource hotplug;
    std::unique_ptr<MousecfgWidget> window;
    MacroDialog *page = nullptr;
};

// A key event as X11 delivers it: the evdev code + 8 as native scan code, the server's time.
void sendKey(QWindow *window, QEvent::Type type, int evdev, quint64 time, bool repeat = false)
{
    QKeyEvent event(type, 0, Qt::NoModifier, quint32(evdev + 8), 0, 0, QString(), repeat);
    event.setTimestamp(time);
    QCoreApplication::sendEvent(window, &event);
}

// Answers the modal dialogs that open while it lives: message boxes are read and closed,
// anything else goes to `handler`.
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(std::function<void(QWidget *)> handler = nullptr) : m_handler(std::move(handler))
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
        m_timer.start(5);
    }
    QStringList messages;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_handled)
            return;
        if (auto *box = qobject_cast<TarnMessageBox *>(modal)) {
            messages << box->findChild<QLabel *>("msgBoxInfoLabel2")->text();
            box->accept();
            return;
        }
        m_handled = modal;
        // Outside this timer's event: Qt does not deliver it again while it is being handled, and
        // a box the handler opens must still be answered.
        if (m_handler)
            QTimer::singleShot(0, this, [this, modal] { m_handler(modal); });
    }
    std::function<void(QWidget *)> m_handler;
    QPointer<QWidget> m_handled;
    QTimer m_timer;
};

QVector<MacroEvent> slotEvents(const SimulatedMouse &mouse, int slot)
{
    const std::vector<MacroEvent> events = mouse.macroSlot(slot);
    return QVector<MacroEvent>(events.begin(), events.end());
}

MacroEvent delay(int ms)
{
    return encodeDelay(ms);
}

QStringList namesOnPage(const MacroDialog &page)
{
    QStringList names;
    for (int i = 0; i < page.macroList()->count(); ++i)
        names << page.macroList()->item(i)->text();
    return names;
}

// Clicks a row of the mouse command tree (press and release, as the mouse does).
void clickTreeItem(TarnTreeWidget *tree, QTreeWidgetItem *item)
{
    const QPoint centre = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

QTreeWidgetItem *topItem(TarnTreeWidget *tree, const QString &text)
{
    const QList<QTreeWidgetItem *> found = tree->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

void writeMacro(const QString &name, int delayType, const QVector<MacroEvent> &steps)
{
    MacroSettings settings;
    settings.DelayType = delayType;
    QVERIFY(saveMacro(name, settings, steps));
    QVERIFY(addMacroName(name));
}

// The window's navigation controls that recording locks.
bool navigationEnabled(const MousecfgWidget &window)
{
    return window.button(MousecfgWidget::BtnLighting)->isEnabled() && window.button(MousecfgWidget::BtnApply)->isEnabled() &&
           window.languageButton()->isEnabled() && window.closeButton()->isEnabled();
}

} // namespace

class TestMacroPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("GSETTINGS_BACKEND", "memory");
        qunsetenv("DISPLAY");
    }

    void recordingTakesRealDelaysAndLocksTheWindow()
    {
        DataFolder data;
        Rig rig;
        MacroDialog &page = *rig.page;
        rig.click(MacroDialog::BtnNew);
        QCOMPARE(page.currentMacro(), QString("name_1"));
        page.recordDelayBox()->click();
        QCOMPARE(page.delayType(), 1);

        rig.click(MacroDialog::BtnStart);
        QVERIFY(page.isRecording());
        QCOMPARE(page.button(MacroDialog::BtnStart)->text(), QString("STOP"));
        QVERIFY(!navigationEnabled(*rig.window));
        QVERIFY(!page.button(MacroDialog::BtnNew)->isEnabled());
        QVERIFY(page.button(MacroDialog::BtnStart)->isEnabled());
        QCOMPARE(KeyCapture::grabbingCount(), 1);

        sendKey(rig.handle(), QEvent::KeyPress, KEY_A, 1000);
        // Held: X11 repeats a key as release and press pairs, both marked as repeats.
        for (quint64 t = 1030; t < 1200; t += 30) {
            sendKey(rig.handle(), QEvent::KeyRelease, KEY_A, t, true);
            sendKey(rig.handle(), QEvent::KeyPress, KEY_A, t, true);
        }
        sendKey(rig.handle(), QEvent::KeyRelease, KEY_A, 1250);
        sendKey(rig.handle(), QEvent::KeyPress, KEY_B, 1253);
        sendKey(rig.handle(), QEvent::KeyRelease, KEY_B, 1253);

        // The pointer still reaches "STOP".
        QTest::mouseClick(page.button(MacroDialog::BtnStart), Qt::LeftButton);
        QVERIFY(!page.isRecording());
        QVERIFY(navigationEnabled(*rig.window));
        QCOMPARE(KeyCapture::grabbingCount(), 0);
        const QVector<MacroEvent> expected = {keyStep(kUsageA, true), delay(250), keyStep(kUsageA, false),
                                              delay(10),              keyStep(kUsageB, true), delay(10),
                                              keyStep(kUsageB, false)};
        const MacroData stored = loadMacro("name_1");
        QCOMPARE(stored.steps, expected);
        QCOMPARE(stored.settings.DelayType, 1);
        QCOMPARE(readMacroWriteSign("name_1"), 1);
    }

    void eventsWithoutTimestampsAreTimedByTheClock()
    {
        // Idle waiting costs no processor time: a processor-time clock would record 10 ms here.
        DataFolder data;
        Rig rig;
        rig.click(MacroDialog::BtnNew);
        rig.page->recordDelayBox()->click();
        rig.click(MacroDialog::BtnStart);
        QElapsedTimer waited;
        waited.start();
        sendKey(rig.handle(), QEvent::KeyPress, KEY_A, 0);
        QTest::qWait(160);
        sendKey(rig.handle(), QEvent::KeyRelease, KEY_A, 0);
        const qint64 elapsed = waited.elapsed();
        rig.click(MacroDialog::BtnStart);
        const QVector<MacroEvent> steps = loadMacro("name_1").steps;
        QCOMPARE(steps.size(), 3);
        QVERIFY2(delayMs(steps[1]) >= 150 && delayMs(steps[1]) <= elapsed, qPrintable(QString::number(delayMs(steps[1]))));
    }

    void unreleasedKeyIsWarnedAndStillSaved()
    {
        DataFolder data;
        Rig rig;
        rig.click(MacroDialog::BtnNew);
        rig.click(MacroDialog::BtnStart);
        sendKey(rig.handle(), QEvent::KeyPress, KEY_LEFTCTRL, 10);
        sendKey(rig.handle(), QEvent::KeyPress, KEY_A, 20);
        sendKey(rig.handle(), QEvent::KeyRelease, KEY_A, 30);
        ModalWatcher watcher;
        rig.click(MacroDialog::BtnStart);
        QCOMPARE(watcher.messages, QStringList{"ONE OR MORE KEYS WERE NOT RELEASED."});
        QCOMPARE(loadMacro("name_1").steps.size(), 3);

        // Balanced: no warning.
        rig.click(MacroDialog::BtnStart);
        sendKey(rig.handle(), QEvent::KeyPress, KEY_RIGHTCTRL, 10);
        sendKey(rig.handle(), QEvent::KeyRelease, KEY_RIGHTCTRL, 30);
        rig.click(MacroDialog::BtnStart);
        QCOMPARE(watcher.messages.size(), 1);
        QCOMPARE(loadMacro("name_1").steps, (QVector<MacroEvent>{keyStep(228, true), keyStep(228, false)}));
    }

    void handMadeStepsFromTheTree()
    {
        DataFolder data;
        Rig rig;
        MacroDialog &page = *rig.page;
        // Without a macro the tree does nothing.
        rig.click(MacroDialog::BtnMouseAction);
        QVERIFY(page.showsMouseTree());
        TarnTreeWidget *tree = page.mouseTree();
        QVERIFY(tree->isVisible());
        QVERIFY(!page.macroList()->isVisible());
        clickTreeItem(tree, topItem(tree, "LEFT CLICK"));
        QVERIFY(page.steps().isEmpty());

        rig.click(MacroDialog::BtnNew);
        page.recordDelayBox()->click();
        QTreeWidgetItem *left = topItem(tree, "LEFT CLICK");
        QTreeWidgetItem *right = topItem(tree, "RIGHT CLICK");
        clickTreeItem(tree, right);
        QVERIFY(right->isExpanded());
        clickTreeItem(tree, left); // collapsed: opens it, closes the others
        QVERIFY(left->isExpanded());
        QVERIFY(!right->isExpanded());
        QVERIFY(page.steps().isEmpty());
        clickTreeItem(tree, left); // open: a whole click
        const QVector<MacroEvent> click = {buttonStep(1, true), delay(10), buttonStep(1, false), delay(10)};
        QCOMPARE(loadMacro("name_1").steps, click);
        QCOMPARE(page.selectedRow(), 3);

        // After the selected row, each part with its delay.
        page.SelectRow(0);
        auto *up = static_cast<TarnTreeItem *>(topItem(tree, "MOVE UP"));
        up->distanceEdit()->setText("3");
        clickTreeItem(tree, up);
        page.SelectRow(-1);
        clickTreeItem(tree, left->child(1)); // "BOUNCE UP", at the top
        rig.click(MacroDialog::BtnInsertDelay);
        const QVector<MacroEvent> expected = {buttonStep(1, false), delay(10), delay(10), buttonStep(1, true),
                                              encodeMove(MoveDirection::Up, 3), delay(10), delay(10),
                                              buttonStep(1, false), delay(10)};
        QCOMPARE(loadMacro("name_1").steps, expected);
        QCOMPARE(page.selectedRow(), 2);

        // Reordering and removal are written as they happen.
        page.SelectRow(4);
        rig.click(MacroDialog::BtnTop);
        QCOMPARE(page.selectedRow(), 0);
        QCOMPARE(loadMacro("name_1").steps.first(), encodeMove(MoveDirection::Up, 3));
        page.SelectRow(8);
        rig.click(MacroDialog::BtnDeleteStep);
        QCOMPARE(page.selectedRow(), 7);
        QCOMPARE(loadMacro("name_1").steps.size(), 8);
        rig.click(MacroDialog::BtnClear);
        QVERIFY(loadMacro("name_1").steps.isEmpty());
    }

    void editingAStepLocksTheWindowUntilSaveOrCancel()
    {
        DataFolder data;
        writeMacro("edit", 1, {keyStep(kUsageA, false), delay(100), encodeMove(MoveDirection::Right, 5), buttonStep(1, true)});
        Rig rig;
        MacroDialog &page = *rig.page;
        QCOMPARE(page.currentMacro(), QString("edit"));
        page.SelectRow(0);
        rig.click(MacroDialog::BtnEdit);
        QVERIFY(page.isEditing());
        QVERIFY(!navigationEnabled(*rig.window));
        QVERIFY(!page.button(MacroDialog::BtnImport)->isVisible());
        QVERIFY(!page.defaultDelayBox()->isVisible());
        QVERIFY(page.button(MacroDialog::BtnSave)->isEnabled());
        QVERIFY(!page.button(MacroDialog::BtnTop)->isEnabled());
        // A key step takes the next key through the capture; it stays a release.
        QVERIFY(page.isCapturing());
        sendKey(rig.handle(), QEvent::KeyPress, KEY_B, 5);
        QCOMPARE(page.steps()[0], keyStep(kUsageB, false));

        page.SelectRow(1); // another row shows its own editor
        QVERIFY(!page.isCapturing());
        QVERIFY(page.editDelay()->isVisible());
        QCOMPARE(page.editDelay()->text(), QString("100"));
        page.editDelay()->clear();
        QTest::keyClicks(page.editDelay(), "5"); // below 10 ms: not taken
        QCOMPARE(page.steps()[1], delay(100));
        QTest::keyClicks(page.editDelay(), "30");
        QCOMPARE(page.steps()[1], delay(530));

        page.SelectRow(2);
        QVERIFY(page.editMoveDistance()->isVisible());
        page.editMoveMenu()->actions().at(2)->trigger(); // "MOVE UP"
        page.editMoveDistance()->clear();
        QTest::keyClicks(page.editMoveDistance(), "7");
        QCOMPARE(page.steps()[2], encodeMove(MoveDirection::Up, 7));

        page.SelectRow(3);
        page.editButtonMenu()->actions().at(2)->trigger(); // "RIGHT CLICK"
        QCOMPARE(page.steps()[3], buttonStep(2, true));

        // Nothing is written until "SAVE".
        QCOMPARE(loadMacro("edit").steps[0], keyStep(kUsageA, false));
        rig.click(MacroDialog::BtnSave);
        QVERIFY(!page.isEditing());
        QVERIFY(navigationEnabled(*rig.window));
        QVERIFY(page.button(MacroDialog::BtnImport)->isVisible());
        const QVector<MacroEvent> saved = {keyStep(kUsageB, false), delay(530), encodeMove(MoveDirection::Up, 7),
                                           buttonStep(2, true)};
        QCOMPARE(loadMacro("edit").steps, saved);

        // "CANCEL" goes back to the file.
        page.SelectRow(1);
        rig.click(MacroDialog::BtnEdit);
        page.editDelay()->clear();
        QTest::keyClicks(page.editDelay(), "900");
        QCOMPARE(page.steps()[1], delay(900));
        rig.click(MacroDialog::BtnCancel);
        QCOMPARE(page.steps(), saved);
        QCOMPARE(loadMacro("edit").steps, saved);
        QVERIFY(navigationEnabled(*rig.window));
    }

    void loadingByTheEditorsRules()
    {
        DataFolder data;
        writeMacro("clicks", 0, {buttonStep(1, true), delay(40), buttonStep(1, false)});
        writeMacro("timed", 2, {buttonStep(4, true), delay(40), buttonStep(4, false)});
        Rig rig;
        MacroDialog &page = *rig.page;
        page.selectMacro("clicks");
        // A pressed button stays a press; with no delay type the inserted delay is dropped.
        QCOMPARE(page.steps(), (QVector<MacroEvent>{buttonStep(1, true), buttonStep(1, false)}));
        QVERIFY(!page.recordDelayBox()->isChecked() && !page.defaultDelayBox()->isChecked());
        page.selectMacro("timed");
        QCOMPARE(page.steps(), (QVector<MacroEvent>{buttonStep(4, true), delay(40), buttonStep(4, false)}));
        QVERIFY(page.defaultDelayBox()->isChecked());

        // The delay boxes exclude each other; the loop buttons too, and none is allowed.
        page.recordDelayBox()->click();
        QVERIFY(!page.defaultDelayBox()->isChecked());
        page.loopBox(2)->click();
        page.loopBox(3)->click();
        QVERIFY(!page.loopBox(2)->isChecked());
        QCOMPARE(loadMacro("timed").settings.LoopType, 3);
        page.loopBox(3)->click();
        QCOMPARE(loadMacro("timed").settings.LoopType, 0);
        QCOMPARE(loadMacro("timed").settings.DelayType, 1);
    }

    void newRenameAndDelete()
    {
        DataFolder data;
        writeMacro("name_1", 0, {});
        writeMacro("name_3", 0, {});
        writeMacro("spray", 0, {});
        Rig rig;
        MacroDialog &page = *rig.page;
        rig.click(MacroDialog::BtnNew);
        QCOMPARE(page.currentMacro(), QString("name_2"));
        QCOMPARE(page.nameEdit()->text(), QString("name_2"));
        QCOMPARE(listMacroNames(), (QStringList{"name_1", "name_3", "spray", "name_2"}));

        // A clash takes "_2"; a refused name is shown storage's message and nothing changes.
        page.nameEdit()->setText("spray");
        rig.click(MacroDialog::BtnRename);
        QCOMPARE(page.currentMacro(), QString("spray_2"));
        QVERIFY(macroFileExists("spray_2") && !macroFileExists("name_2"));
        QCOMPARE(namesOnPage(page), (QStringList{"name_1", "name_3", "spray", "spray_2"}));
        {
            ModalWatcher watcher;
            page.nameEdit()->setText("../up");
            rig.click(MacroDialog::BtnRename);
            QCOMPARE(watcher.messages.size(), 1);
            QVERIFY(watcher.messages.first().contains("cannot be used"));
        }
        QCOMPARE(page.currentMacro(), QString("spray_2"));
        QCOMPARE(page.nameEdit()->maxLength(), 20);

        {
            ModalWatcher yes; // "Delete the macro ...?"
            rig.click(MacroDialog::BtnDeleteMacro);
        }
        QVERIFY(!macroFileExists("spray_2"));
        QCOMPARE(listMacroNames(), (QStringList{"name_1", "name_3", "spray"}));
        QCOMPARE(page.currentMacro(), QString("name_1"));

        for (int i = 0; i < 47; ++i)
            addMacroName(QString("filler%1").arg(i));
        ModalWatcher watcher;
        rig.click(MacroDialog::BtnNew);
        rig.click(MacroDialog::BtnGunSet);
        QCOMPARE(watcher.messages, (QStringList{"TOO MANY MACROS: NO MORE CAN BE CREATED!", "TOO MANY MACROS: NO MORE CAN BE CREATED!"}));
        QCOMPARE(macroCount(), 50);
    }

    // A rename reaches the buttons of the working set and of every stored profile file; a delete
    // asks, then turns them into "Button Off" everywhere; a clash suffix keeps 20 characters.
    void libraryChangesFollowTheButtons()
    {
        DataFolder data;
        const QString longName = "abcdefghijklmnopqrst"; // 20 characters
        writeMacro("burst", 0, {});
        writeMacro("other", 0, {});
        writeMacro(longName, 0, {});
        ProfileData bound;
        resetProfile(bound);
        bound.buttonInfo[3].Fun = kFunMacro;
        bound.buttonInfo[3].macroname = "burst";
        bound.buttonInfo[5].Fun = kFunGunSet;
        bound.buttonInfo[5].macroname = "burst";
        bound.buttonInfo[6].Fun = kFunMacro;
        bound.buttonInfo[6].macroname = "other";
        ProfileData plain;
        resetProfile(plain);
        // The simulated mouse's product, so that the files go where the window looks.
        QSettings(settingsFilePath(), QSettings::IniFormat).setValue("Config/CurrentProductName", "DRUV M7 Wireless");
        QVERIFY(QDir().mkpath(productProfileFolder()));
        QVERIFY(writeProfileFile(bound, slotProfilePath("Profile 1")));
        QVERIFY(writeProfileFile(bound, productProfilePath("Stored A")));
        QVERIFY(writeProfileFile(plain, productProfilePath("Stored B")));
        writeStoredProfileList({"Stored A", "Stored B"});
        auto bytes = [](const QString &name) {
            QFile f(productProfilePath(name));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray plainBefore = bytes("Stored B");
        auto stored = [](const QString &name) {
            ProfileData p;
            readProfileFile(p, productProfilePath(name));
            return p;
        };

        Rig rig;
        MacroDialog &page = *rig.page;
        const ProfileSet &working = rig.window->workingSet();
        QCOMPARE(working.profiles[0].buttonInfo[3].macroname, QString("burst"));
        auto choose = [&](const QString &name) {
            const QList<QListWidgetItem *> items = page.macroList()->findItems(name, Qt::MatchExactly);
            QCOMPARE(items.size(), 1);
            emit page.macroList()->itemClicked(items.first());
            QCOMPARE(page.currentMacro(), name);
        };

        // Renamed onto a 20-character name that exists: the suffix replaces its end.
        choose("burst");
        page.nameEdit()->setText(longName);
        rig.click(MacroDialog::BtnRename);
        QCOMPARE(page.currentMacro(), QString("abcdefghijklmnopqr_2"));
        QVERIFY(macroFileExists("abcdefghijklmnopqr_2") && !macroFileExists("burst"));
        for (const ProfileData &p : {working.profiles[0], stored("Profile 1"), stored("Stored A")}) {
            QCOMPARE(p.buttonInfo[3].macroname, QString("abcdefghijklmnopqr_2"));
            QCOMPARE(p.buttonInfo[5].macroname, QString("abcdefghijklmnopqr_2"));
            QCOMPARE(p.buttonInfo[6].macroname, QString("other"));
        }
        QCOMPARE(bytes("Stored B"), plainBefore);

        // Delete, answered no: nothing changes.
        QTimer::singleShot(50, [] {
            if (auto *box = qobject_cast<TarnMessageBox *>(QApplication::activeModalWidget()))
                box->done(0);
        });
        rig.click(MacroDialog::BtnDeleteMacro);
        QVERIFY(macroFileExists("abcdefghijklmnopqr_2"));
        QCOMPARE(working.profiles[0].buttonInfo[3].Fun, kFunMacro);

        // Answered yes: the macro goes, and its buttons become "Button Off" everywhere.
        {
            ModalWatcher yes;
            rig.click(MacroDialog::BtnDeleteMacro);
            QCOMPARE(yes.messages.size(), 1);
            QVERIFY(yes.messages.first().contains("abcdefghijklmnopqr_2"));
        }
        QVERIFY(!macroFileExists("abcdefghijklmnopqr_2"));
        QVERIFY(!listMacroNames().contains("abcdefghijklmnopqr_2"));
        for (const ProfileData &p : {working.profiles[0], stored("Profile 1"), stored("Stored A")}) {
            for (int b : {3, 5}) {
                QCOMPARE(p.buttonInfo[size_t(b)].Fun, kFunButtonOff);
                QVERIFY(p.buttonInfo[size_t(b)].macroname.isEmpty());
            }
            QCOMPARE(p.buttonInfo[6].macroname, QString("other"));
            QCOMPARE(p.buttonInfo[0].Fun, kFunLeft);
        }
        QCOMPARE(bytes("Stored B"), plainBefore);
        // The button panel shows it when the page is left.
        rig.window->showPage(PageCustomize);
        QCOMPARE(rig.window->buttonPanel()->label(0, 3)->text(), QString("Button Off"));
    }

    void importExportAndBatch()
    {
        DataFolder data;
        writeMacro("kept", 0, {keyStep(kUsageA, true)});
        QTemporaryDir outside;
        auto external = [&](const QString &name, uint8_t usage) {
            const QString path = outside.filePath(name + ".MSMACRO");
            QSettings file(path, QSettings::IniFormat);
            file.setValue("Setting/Count", 1);
            file.setValue("Setting/Map_0", 132);
            file.setValue("Setting/DataL_0", usage);
            return path;
        };
        Rig rig;
        MacroDialog &page = *rig.page;
        QStringList chosen;
        QString exportFolder;
        MacroFileDialogs dialogs;
        dialogs.openFile = [&](QWidget *, const QString &, const QString &) { return chosen.value(0); };
        dialogs.openFiles = [&](QWidget *, const QString &, const QString &) { return chosen; };
        dialogs.saveFile = [&](QWidget *, const QString &, const QString &proposed, const QString &) {
            return outside.filePath("single-" + proposed);
        };
        dialogs.folder = [&](QWidget *, const QString &, const QString &) { return exportFolder; };
        page.setFileDialogs(dialogs);

        ModalWatcher watcher;
        chosen = QStringList{external("kept", kUsageB)};
        rig.click(MacroDialog::BtnImport);
        QCOMPARE(watcher.messages, QStringList{"A macro of this name already exists!"});
        QCOMPARE(loadMacro("kept").steps, (QVector<MacroEvent>{keyStep(kUsageA, true)}));
        chosen = QStringList{external("solo", kUsageB)};
        rig.click(MacroDialog::BtnImport);
        QCOMPARE(page.currentMacro(), QString("solo"));
        QCOMPARE(page.steps(), (QVector<MacroEvent>{keyStep(kUsageB, true)}));
        rig.click(MacroDialog::BtnExport);
        QVERIFY(QFileInfo::exists(outside.filePath("single-solo.MSMACRO")));

        rig.click(MacroDialog::BtnBatch);
        QVERIFY(page.isBatch());
        QVERIFY(!page.button(MacroDialog::BtnNew)->isEnabled());
        QVERIFY(!page.button(MacroDialog::BtnStart)->isEnabled());
        QVERIFY(page.button(MacroDialog::BtnImport)->isEnabled());
        QCOMPARE(page.macroList()->item(0)->checkState(), Qt::Unchecked);
        watcher.messages.clear();
        chosen = QStringList{external("kept", kUsageB), external("b1", kUsageA), external("b2", kUsageA)};
        rig.click(MacroDialog::BtnImport);
        QCOMPARE(watcher.messages.size(), 1); // one notice for what was skipped
        QVERIFY(watcher.messages.first().contains("kept.MSMACRO"));
        QCOMPARE(listMacroNames(), (QStringList{"kept", "solo", "b1", "b2"}));
        QCOMPARE(loadMacro("kept").steps, (QVector<MacroEvent>{keyStep(kUsageA, true)}));

        QDir(outside.path()).mkdir("batch");
        exportFolder = outside.filePath("batch");
        page.macroList()->item(0)->setCheckState(Qt::Checked);
        page.macroList()->item(3)->setCheckState(Qt::Checked);
        rig.click(MacroDialog::BtnExport);
        QCOMPARE(QDir(exportFolder).entryList(QDir::Files), (QStringList{"b2.MSMACRO", "kept.MSMACRO"}));
        rig.click(MacroDialog::BtnBatch);
        QVERIFY(!page.isBatch());
        QVERIFY(page.button(MacroDialog::BtnNew)->isEnabled());
    }

    void gunSetDialogMakesAUniqueRecoilMacro()
    {
        DataFolder data;
        writeMacro("ak", 0, {});
        Rig rig;
        MacroDialog &page = *rig.page;
        QStringList nested;
        ModalWatcher watcher([&](QWidget *modal) {
            auto *dialog = qobject_cast<TarnGunsetDialog *>(modal);
            if (!dialog)
                return;
            QCOMPARE(dialog->bulletCount(), 5);
            dialog->yesButton()->click(); // no name yet: a warning, the dialog stays open
            QVERIFY(dialog->isVisible());
            dialog->nameEdit()->setText("ak");
            dialog->bulletMenu()->actions().at(2)->trigger(); // 3 bullets
            QVERIFY(!dialog->spinBox(3, 0)->isVisible());
            dialog->spinBox(0, 1)->setValue(-3);
            dialog->spinBox(0, 2)->setValue(4);
            dialog->spinBox(2, 0)->setValue(250);
            dialog->yesButton()->click();
        });
        rig.click(MacroDialog::BtnGunSet);
        QCOMPARE(watcher.messages, QStringList{"Please enter a file name."});
        QCOMPARE(page.currentMacro(), QString("ak_2"));
        QVERIFY(page.recordDelayBox()->isChecked());
        QCOMPARE(listMacroNames(), (QStringList{"ak", "ak_2"}));
        const MacroEvent press = buttonStep(1, true), release = buttonStep(1, false);
        QVector<MacroEvent> expected;
        expected << press << release << MacroEvent{kMacroMove, 0, 253} << MacroEvent{kMacroMove, 4, 0}
                 << MacroEvent{kMacroDelay, 10, 0} << press << release << MacroEvent{kMacroDelay, 10, 0} << press
                 << release << MacroEvent{kMacroDelay, 25, 0};
        QCOMPARE(page.steps(), expected);
        QCOMPARE(readMacroSteps("ak_2"), expected);
        QCOMPARE(readMacroWriteSign("ak_2"), 0);
    }

    void recordedMacroReachesTheMouseAlsoAfterARename()
    {
        DataFolder data;
        Rig rig;
        MousecfgWidget &window = *rig.window;
        MacroDialog &page = *rig.page;
        rig.click(MacroDialog::BtnNew);
        page.recordDelayBox()->click();
        rig.click(MacroDialog::BtnStart);
        sendKey(rig.handle(), QEvent::KeyPress, KEY_A, 500);
        sendKey(rig.handle(), QEvent::KeyRelease, KEY_A, 620);
        rig.click(MacroDialog::BtnStart);
        page.SelectRow(2);
        rig.click(MacroDialog::BtnMouseAction);
        clickTreeItem(page.mouseTree(), topItem(page.mouseTree(), "MOVE DOWN"));
        const QVector<MacroEvent> recorded = readMacroSteps("name_1");
        QCOMPARE(recorded, (QVector<MacroEvent>{keyStep(kUsageA, true), delay(120), keyStep(kUsageA, false),
                                                encodeMove(MoveDirection::Down, 10), delay(10)}));

        // Bound as the macro picker binds it, stored as the working set, taken by the window.
        ProfileSet set = window.workingSet();
        ButtonInfo &button = set.current().buttonInfo[2];
        button.Fun = kFunMacro;
        button.macroname = "name_1";
        button.LoopNumber = 2;
        button.Res1 = 0;
        button.KeyNumber = recorded.size();
        for (int i = 0; i < recorded.size(); ++i)
            button.KeyInfo[static_cast<size_t>(i)] = recorded[i];
        QCOMPARE(saveProfileSetForApply(set), StorageResult::Ok);
        window.deviceStatus().reload();

        auto apply = [&] {
            window.copyPanelValues();
            ProfileSet working = window.workingSet();
            ProfileSet saved = working;
            VerifiedTransfer transfer(window.deviceLink());
            return runDownloadWorker(working, saved, true, readAppSettings(), transfer, &window.deviceStatus());
        };
        QCOMPARE(apply(), uint8_t(0));
        QCOMPARE(rig.mouse.blockClosings(0x05), 1);
        QCOMPARE(slotEvents(rig.mouse, 0), recorded);
        const SimButtonBlock block = rig.mouse.buttonBlock();
        QVERIFY(std::any_of(block.entries.begin(), block.entries.end(), [](const SimButtonEntry &entry) {
            return entry.kind == SimButtonKind::Macro && entry.macroSlot == 0 && entry.loopCount == 2;
        }));

        // Renamed: the button follows, and the next Apply sends the macro again.
        page.nameEdit()->setText("burst");
        rig.click(MacroDialog::BtnRename);
        QCOMPARE(page.currentMacro(), QString("burst"));
        QCOMPARE(window.workingSet().current().buttonInfo[2].macroname, QString("burst"));
        QCOMPARE(apply(), uint8_t(0));
        QCOMPARE(rig.mouse.blockClosings(0x05), 2);
        QCOMPARE(slotEvents(rig.mouse, 0), recorded);
    }
};

QTEST_MAIN(TestMacroPage)
#include "gui_test_macro_page.moc"
