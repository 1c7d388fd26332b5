// The key capture dialogs fed with key events as the window system delivers them (native scan
// code = evdev code + 8), and the macro picker.

#include "panels/tarn_combo_key_window.h"
#include "panels/tarn_fire_key_window.h"
#include "panels/tarn_macro_select.h"
#include "panels/tarn_single_key_window.h"
#include "platform/key_capture.h"
#include "storage/app_paths.h"
#include "storage/macro_file.h"
#include "storage/profile_data.h"
#include "support/test_env.h"
#include "widgets/tarn_push_button.h"

#include <linux/input-event-codes.h>

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include <memory>

namespace {

void key(QWidget *dialog, QEvent::Type type, int evdev, bool repeat = false, const QString &text = QString(),
         int qtKey = 0)
{
    QKeyEvent event(type, qtKey, Qt::NoModifier, quint32(evdev + 8), 0, 0, text, repeat);
    QCoreApplication::sendEvent(dialog->windowHandle(), &event);
}
void press(QWidget *dialog, int evdev, bool repeat = false) { key(dialog, QEvent::KeyPress, evdev, repeat); }
void release(QWidget *dialog, int evdev) { key(dialog, QEvent::KeyRelease, evdev); }

template <typename Dialog>
std::unique_ptr<Dialog> shown()
{
    auto dialog = std::make_unique<Dialog>();
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    return dialog;
}

} // namespace

class TestKeyDialogs : public QObject {
    Q_OBJECT
    std::unique_ptr<TempAppFolder> m_folder;

private slots:
    void init() { m_folder = std::make_unique<TempAppFolder>(true); }
    void cleanup() { m_folder.reset(); }

    // The last key touched is captured; a held key's repeats change nothing; keypad keys and
    // their navigation twins are told apart.
    void singleKey()
    {
        auto dialog = shown<TarnSingleKeyWindow>();
        QCOMPARE(int(dialog->keyCode()), 0);
        press(dialog.get(), KEY_KP7);
        QCOMPARE(int(dialog->keyCode()), 235);
        QCOMPARE(dialog->keyLabel()->text(), QString("Num 7"));
        press(dialog.get(), KEY_HOME);
        QCOMPARE(int(dialog->keyCode()), 71);
        QCOMPARE(dialog->keyLabel()->text(), QString("Home"));
        // Esc is captured like any key, not taken as Cancel.
        press(dialog.get(), KEY_ESC);
        QVERIFY(dialog->isVisible());
        QCOMPARE(int(dialog->keyCode()), 1);

        auto again = std::make_unique<TarnSingleKeyWindow>();
        again->preset(30);
        QCOMPARE(again->keyLabel()->text(), QString("A"));
        QCOMPARE(int(again->keyCode()), 30);
    }

    void singleKeyIgnoresAutoRepeat()
    {
        auto dialog = shown<TarnSingleKeyWindow>();
        press(dialog.get(), KEY_B);
        dialog->preset(30); // what a stale repeat would have to overwrite
        press(dialog.get(), KEY_B, true);
        QCOMPARE(int(dialog->keyCode()), 30);
        release(dialog.get(), KEY_B); // a new pair (key up) counts
        QCOMPARE(int(dialog->keyCode()), 48);
    }

    // Ctrl, A, release A, B gives Ctrl + B; releasing everything and Shift gives Shift alone.
    void comboFollowsTheLastPress()
    {
        auto dialog = shown<TarnComboKeyWindow>();
        press(dialog.get(), KEY_LEFTCTRL);
        press(dialog.get(), KEY_LEFTCTRL, true);
        press(dialog.get(), KEY_A);
        release(dialog.get(), KEY_A);
        press(dialog.get(), KEY_B);
        QCOMPARE(dialog->keyLabel()->text(), QString("LCtr + B"));
        QCOMPARE(dialog->comboKeys(), (ComboKeys{0, 1, 0, 0, 1}));
        QCOMPARE(int(dialog->hotKeyCodes()[kComboMainRow][0]), 48);
        release(dialog.get(), KEY_B);
        release(dialog.get(), KEY_LEFTCTRL);
        QCOMPARE(dialog->keyLabel()->text(), QString("LCtr + B")); // releasing never shortens it
        press(dialog.get(), KEY_LEFTSHIFT);
        QCOMPARE(dialog->keyLabel()->text(), QString("LShift"));
        QCOMPARE(dialog->comboKeys(), (ComboKeys{1, 0, 0, 0, 0}));
    }

    // Right Ctrl is shown by the left key's name and marked 2; with both hands the right name.
    // A modifier released that was pressed before the dialog opened leaves the chord intact.
    void comboHands()
    {
        auto dialog = shown<TarnComboKeyWindow>();
        release(dialog.get(), KEY_LEFTALT); // held before the dialog opened
        press(dialog.get(), KEY_RIGHTCTRL);
        press(dialog.get(), KEY_A);
        QCOMPARE(dialog->keyLabel()->text(), QString("LCtr + A"));
        QCOMPARE(dialog->comboKeys(), (ComboKeys{0, 2, 0, 0, 1}));
        press(dialog.get(), KEY_LEFTCTRL);
        QCOMPARE(dialog->keyLabel()->text(), QString("RCtr + A"));
        release(dialog.get(), KEY_LEFTCTRL);
        release(dialog.get(), KEY_RIGHTCTRL);
        release(dialog.get(), KEY_RIGHTCTRL);
        press(dialog.get(), KEY_RIGHTALT);
        QCOMPARE(dialog->keyLabel()->text(), QString("LAlt + A"));
        QCOMPARE(dialog->comboKeys(), (ComboKeys{0, 0, 0, 2, 1}));
    }

    // A stored Ctrl + A is shown; the next key starts a new chord.
    void comboPreset()
    {
        ButtonInfo button;
        button.KeyInfo[0] = {224, 5, 0x80};
        button.KeyInfo[1] = {4, 5, 0x80};
        button.KeyInfo[2] = {4, 5, 0x00};
        button.KeyInfo[3] = {224, 5, 0x00};
        auto dialog = shown<TarnComboKeyWindow>();
        dialog->preset(button);
        QCOMPARE(dialog->keyLabel()->text(), QString("LCtr + A"));
        QVERIFY(dialog->comboKeys()[1] != 0 && dialog->comboKeys()[kComboMainRow] == 1);
        press(dialog.get(), KEY_X);
        QCOMPARE(dialog->keyLabel()->text(), QString("X"));
        QCOMPARE(dialog->comboKeys(), (ComboKeys{0, 0, 0, 0, 1}));
    }

    // The fire key: modes exclusive, capture only in Keyboard Key mode, digits typed into Times
    // or Delay stay in the field, the Return ending an entry is not captured.
    void fireKey()
    {
        auto dialog = shown<TarnFireKeyWindow>();
        QSignalSpy values(dialog.get(), &TarnFireKeyWindow::SetFireKeyValue);
        QCOMPARE(dialog->mode(), FireMode::Left);
        QCOMPARE(dialog->timesText(), QString("3"));
        QCOMPARE(dialog->delayText(), QString("100"));
        press(dialog.get(), KEY_A);
        QCOMPARE(int(dialog->keyCode()), 0); // mouse-button mode: no capture

        dialog->modeBox(FireMode::KeyboardKey)->click();
        QCOMPARE(dialog->mode(), FireMode::KeyboardKey);
        QVERIFY(!dialog->modeBox(FireMode::Left)->isChecked());
        QVERIFY(!values.isEmpty());
        QCOMPARE(values.last().at(1).toInt(), int(FireMode::KeyboardKey));
        press(dialog.get(), KEY_KP7);
        QCOMPARE(int(dialog->keyCode()), 235);
        QCOMPARE(dialog->keyLabel()->text(), QString("Num 7"));

        dialog->timesEdit()->setFocus();
        QVERIFY(dialog->timesEdit()->hasFocus());
        key(dialog.get(), QEvent::KeyPress, KEY_5, false, "5", Qt::Key_5);
        QCOMPARE(int(dialog->keyCode()), 235);
        QCOMPARE(dialog->timesText(), QString("35"));
        QCOMPARE(values.last().at(2).toInt(), 35);
        key(dialog.get(), QEvent::KeyPress, KEY_ENTER, false, "\r", Qt::Key_Return);
        QVERIFY(dialog->keyLabel()->hasFocus());
        key(dialog.get(), QEvent::KeyRelease, KEY_ENTER, false, QString(), Qt::Key_Return);
        QCOMPARE(int(dialog->keyCode()), 235);
        press(dialog.get(), KEY_SPACE);
        QCOMPARE(int(dialog->keyCode()), 57);

        dialog->modeBox(FireMode::Right)->click();
        QCOMPARE(dialog->mode(), FireMode::Right);
        QCOMPARE(int(dialog->keyCode()), 0);
        QVERIFY(dialog->keyLabel()->text().isEmpty());
        dialog->modeBox(FireMode::Right)->click(); // clicking the chosen mode keeps it
        QVERIFY(dialog->modeBox(FireMode::Right)->isChecked());
    }

    void fireKeyPreset()
    {
        ButtonInfo button;
        button.Fun = 12;
        button.Res1 = 44; // Space
        button.LoopNumber = 9;
        auto dialog = shown<TarnFireKeyWindow>();
        dialog->preset(button);
        QCOMPARE(dialog->mode(), FireMode::KeyboardKey);
        QCOMPARE(int(dialog->keyCode()), 57);
        QCOMPARE(dialog->keyLabel()->text(), QString("Space"));
        QCOMPARE(dialog->timesText(), QString("9"));
        QCOMPARE(dialog->delayText(), QString("10"));
        button.Res1 = 0;
        dialog->preset(button);
        QCOMPARE(dialog->mode(), FireMode::Left);
        QVERIFY(dialog->modeBox(FireMode::Left)->isChecked());
    }

    // The grab goes with the dialog however it closes.
    void grabReleasedOnEveryClose()
    {
        QCOMPARE(KeyCapture::grabbingCount(), 0);
        auto accepted = shown<TarnSingleKeyWindow>();
        QCOMPARE(KeyCapture::grabbingCount(), 1);
        accepted->accept();
        QCOMPARE(KeyCapture::grabbingCount(), 0);

        auto rejected = shown<TarnComboKeyWindow>();
        QCOMPARE(KeyCapture::grabbingCount(), 1);
        rejected->reject();
        QCOMPARE(KeyCapture::grabbingCount(), 0);

        auto closed = shown<TarnFireKeyWindow>();
        closed->close();
        QCOMPARE(KeyCapture::grabbingCount(), 0);

        auto deleted = shown<TarnSingleKeyWindow>();
        QCOMPARE(KeyCapture::grabbingCount(), 1);
        deleted.reset();
        QCOMPARE(KeyCapture::grabbingCount(), 0);

        // A modal run ended by its own Cancel button.
        TarnComboKeyWindow modal;
        QTimer::singleShot(0, &modal, [&modal] {
            QVERIFY(KeyCapture::grabbingCount() == 1);
            modal.findChild<QToolButton *>("dlgRejectBtn")->click();
        });
        QCOMPARE(modal.exec(), int(QDialog::Rejected));
        QCOMPARE(KeyCapture::grabbingCount(), 0);
    }

    // The picker offers the library in its order, skipping empty slots, and returns its choice.
    void macroPicker()
    {
        QSettings ini(AppPaths::configsFolder() + "/Config.ini", QSettings::IniFormat);
        ini.setValue(macroListKey(0), "Reload");
        ini.setValue(macroListKey(2), "Spray");
        ini.setValue(macroListKey(7), "Wall");
        ini.sync();
        TarnMacroSelect picker(QString(), TarnMacroSelect::heading(false), QString(), 1, 0);
        QStringList names;
        for (QAction *a : picker.nameMenu()->actions())
            names << a->text();
        QCOMPARE(names, QStringList({"Reload", "Spray", "Wall"}));
        QVERIFY(picker.macroName().isEmpty());
        picker.nameMenu()->actions().at(1)->trigger();
        QCOMPARE(picker.macroName(), QString("Spray"));
        QCOMPARE(picker.nameButton()->text(), QString("Spray"));
        picker.modeBox(2)->click();
        QCOMPARE(picker.loopMode(), 2);
        QVERIFY(!picker.modeBox(0)->isChecked());
        picker.modeBox(2)->click(); // a click on the ticked choice keeps it
        QCOMPARE(picker.loopMode(), 2);
        picker.loopEdit()->clear();
        QCOMPARE(picker.loopCount(), 0);

        // Re-opened on a bound button: its name, count and mode.
        TarnMacroSelect again(QString(), TarnMacroSelect::heading(true), "Wall", 12, 1);
        QCOMPARE(again.macroName(), QString("Wall"));
        QCOMPARE(again.nameButton()->text(), QString("Wall"));
        QCOMPARE(again.loopCount(), 12);
        QCOMPARE(again.loopMode(), 1);
        QVERIFY(again.modeBox(1)->isChecked() && !again.modeBox(0)->isChecked());
        QCOMPARE(TarnMacroSelect::heading(true), QString("GUNFILE SELECT"));
    }
};

QTEST_MAIN(TestKeyDialogs)
#include "gui_test_key_dialogs.moc"
