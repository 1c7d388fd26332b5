// The button panel: its layout from the model description, its refusals and notices, the
// window's hot-spots and views choosing its buttons, and assignments of every kind applied to
// the simulated mouse and stored.

#include "app/mousecfg_widget.h"
#include "device/button_encoding.h"
#include "device/device_state.h"
#include "device/download_worker.h"
#include "model/sensor_tables.h"
#include "device/transfer.h"
#include "panels/tarn_btn_window.h"
#include "panels/tarn_combo_key_window.h"
#include "panels/tarn_fire_key_window.h"
#include "panels/tarn_macro_select.h"
#include "panels/tarn_single_key_window.h"
#include "panels/tarn_sniper_window.h"
#include "sim/block_decoder.h"
#include "sim/sim_hotplug_source.h"
#include "sim/simulated_mouse.h"
#include "storage/app_paths.h"
#include "storage/macro_file.h"
#include "storage/model_description.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "storage/storage_keys.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"

#include <linux/input-event-codes.h>

#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

constexpr int kModelDpi = 90; // "MouseDpi" of the shipped model: ButtonCount is stored xor it

// A data folder of its own with the shipped model description, the settings template and slot
// 1 on the default profile file.
struct DataFolder {
    DataFolder()
    {
        AppPaths::setDataDirOverride(dir.path());
        AppPaths::init();
        QFile::copy(QStringLiteral(MOUSECFG_APP_DIR) + "/DefaultProfile.bin", modelPath());
        QFile(modelPath()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        AppPaths::prepareDataFolder();
        QSettings ini(settingsFilePath(), QSettings::IniFormat);
        ini.setValue(keySlotName(0), kDefaultProfileName);
        ini.sync();
        writeDefaultProfileFile();
    }
    QString modelPath() const { return dir.path() + "/DefaultProfile.bin"; }
    // A model with n front buttons, the ones in `absent` having no label, macros as given.
    void setModel(int n, QList<int> absent = {}, bool macrosDisabled = false) const
    {
        QSettings model(modelPath(), QSettings::IniFormat);
        model.setValue("PROFILE/ButtonCount", n ^ kModelDpi);
        model.setValue("PROFILE/MouseDpi", kModelDpi);
        for (int i = 0; i < kModelButtonSlots; ++i)
            model.setValue(QString("PROFILE/BUTTON_INFO_%1_Matrix2").arg(i), i < n && !absent.contains(i) ? i : 255);
        model.setValue("PROFILE/DisableMacro", macrosDisabled ? 1 : 0);
    }
    void addMacro(const QString &name, const QVector<MacroEvent> &steps) const
    {
        QVERIFY(saveMacro(name, MacroSettings(), steps));
        QVERIFY(addMacroName(name));
    }
    QTemporaryDir dir;
};

QVector<MacroEvent> keySteps(int count)
{
    QVector<MacroEvent> steps;
    for (int i = 0; i < count; ++i)
        steps.append({uint8_t(i % 2 ? 0x04 : 0x84), uint8_t(4 + (i / 2) % 26), 0});
    return steps;
}

// Runs `act` on the next modal dialog of type T once the panel has opened it.
template <typename T>
void whenModal(std::function<void(T *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

void press(QWidget *dialog, int evdev, QEvent::Type type = QEvent::KeyPress)
{
    QKeyEvent event(type, 0, Qt::NoModifier, quint32(evdev + 8), 0, 0);
    QCoreApplication::sendEvent(dialog->windowHandle(), &event);
}

void accept(QDialog *dialog)
{
    dialog->findChild<QToolButton *>("dlgAcceptBtn")->click();
}

QString messageOf(TarnMessageBox *box)
{
    return box->findChild<QLabel *>("msgBoxInfoLabel2")->text();
}

// The entry for `fun` chosen on a label, as the pointer and the menu do it.
void choose(TarnBtnWindow &panel, int group, int index, int fun)
{
    panel.slotMouseEnter(panel.label(group, index));
    panel.action(fun)->trigger();
}

} // namespace

class TestButtonPanel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("GSETTINGS_BACKEND", "memory");
        qunsetenv("DISPLAY");
    }
    void init()
    {
        g_mouseOff.store(false);
        qRegisterMetaType<TarnPushButton *>();
    }

    // Up to 9 labels spread over the panel, 10 stacked from the top; an entry of 255 has none.
    void labelLayout()
    {
        DataFolder data;
        ProfileData profile;
        data.setModel(9);
        {
            TarnBtnWindow panel(&profile, nullptr, 1.0);
            QCOMPARE(panel.height(), 440);
            for (int c = 0; c < 9; ++c) {
                const QRect r = panel.label(0, c)->geometry();
                QCOMPARE(r.top(), int(17 + 47 * c)); // gap (440 - 270) / 10
                QCOMPARE(r.left(), 56);
                QCOMPARE(r.size(), QSize(220, 30));
            }
            QVERIFY(panel.label(0, 9)->geometry().isEmpty());
        }
        data.setModel(10);
        {
            TarnBtnWindow panel(&profile, nullptr, 1.0);
            QCOMPARE(panel.height(), 520);
            for (int c = 0; c < 10; ++c)
                QCOMPARE(panel.label(0, c)->geometry().top(), 30 + 50 * c);
        }
        data.setModel(4, {1});
        {
            TarnBtnWindow panel(&profile, nullptr, 2.0);
            panel.selectGroup(0, 0);
            QVERIFY(panel.label(0, 1)->geometry().isEmpty());
            QVERIFY(panel.label(0, 1)->isHidden());
            // Three present labels spread over 880 pixels, numbered 1..3 in order.
            const int gap = (880 - 60 * 3) / 4;
            QCOMPARE(panel.label(0, 2)->geometry().top(), gap * 2 + 60);
            QCOMPARE(panel.label(0, 2)->geometry().width(), 440);
        }
    }

    // The main menu lists "Macro Manager" only while the model allows macros.
    void macroEntryFollowsTheModel()
    {
        DataFolder data;
        ProfileData profile;
        data.setModel(7, {}, true);
        TarnBtnWindow off(&profile, nullptr, 1.0);
        QVERIFY(!off.mainMenu()->actions().contains(off.action(kFunMacro)));
        QVERIFY(off.mainMenu()->actions().contains(off.action(kFunButtonOff)));
        data.setModel(7, {}, false);
        off.retranslate();
        QVERIFY(off.mainMenu()->actions().contains(off.action(kFunMacro)));
        QCOMPARE(off.mainMenu()->actions().size(), 14);
        QCOMPARE(off.scrollMenu()->actions().size(), 11);
    }

    // The last Left is kept (with the notice asked for); Left again is allowed; cancelling a
    // dialog keeps the button's function; labels show readable texts for any code.
    void refusalsAndLabels()
    {
        DataFolder data;
        ProfileData profile;
        profile.buttonInfo[0].Fun = 1;
        profile.buttonInfo[1].Fun = 52; // a wheel function on a front button
        profile.buttonInfo[2].Fun = 99; // a code the catalogue does not know
        TarnBtnWindow panel(&profile, nullptr, 1.0);
        QCOMPARE(panel.label(0, 0)->text(), QString("Left"));
        QCOMPARE(panel.label(0, 1)->text(), QString("Scroll Up"));
        QCOMPARE(panel.label(0, 2)->text(), QString("Function 99"));

        QSignalSpy oneClick(&panel, &TarnBtnWindow::PopOneClickBox);
        QSignalSpy highlight(&panel, &TarnBtnWindow::SelBtnControl);
        choose(panel, 0, 0, 2);
        QCOMPARE(oneClick.size(), 1);
        QCOMPARE(profile.buttonInfo[0].Fun, 1);
        QCOMPARE(highlight.size(), 2); // on, then off
        QCOMPARE(highlight.last().at(1).toBool(), false);
        QCOMPARE(panel.selectedIndex(), TarnBtnWindow::kNoSelection);
        choose(panel, 0, 0, 1);
        QCOMPARE(oneClick.size(), 1);
        choose(panel, 0, 1, 1); // a second Left: the first may change now
        choose(panel, 0, 0, 45);
        QCOMPARE(profile.buttonInfo[0].Fun, 45);
        QCOMPARE(panel.label(0, 0)->text(), QString("Mute"));

        whenModal<TarnSingleKeyWindow>([](TarnSingleKeyWindow *d) {
            press(d, KEY_A);
            d->reject();
        });
        choose(panel, 0, 2, kFunSingleKey);
        QCOMPARE(profile.buttonInfo[2].Fun, 99);
        QCOMPARE(panel.label(0, 2)->text(), QString("Function 99"));
    }

    // Gun sets are refused for the left button; without macros the macro page is asked for; a
    // macro longer than a button's 63 steps is bound cut, and the user is told which.
    void macrosAndGunSets()
    {
        DataFolder data;
        ProfileData profile;
        profile.buttonInfo[0].Fun = 1;
        profile.buttonInfo[1].Fun = 1;
        TarnBtnWindow panel(&profile, nullptr, 1.0);
        QSignalSpy macroTab(&panel, &TarnBtnWindow::GotoMacroTab);

        QString warning;
        whenModal<TarnMessageBox>([&warning](TarnMessageBox *box) {
            warning = messageOf(box);
            box->accept();
        });
        choose(panel, 0, 0, kFunGunSet);
        QCOMPARE(warning, QString("Left Button Can not be Gun Function."));
        QCOMPARE(profile.buttonInfo[0].Fun, 1);

        choose(panel, 0, 1, kFunMacro);
        QCOMPARE(macroTab.size(), 1);
        QCOMPARE(profile.buttonInfo[1].Fun, 1);

        data.addMacro("Spray", keySteps(4));
        data.addMacro("Marathon", keySteps(80));
        QString notice;
        whenModal<TarnMacroSelect>([&notice](TarnMacroSelect *picker) {
            picker->nameMenu()->actions().at(1)->trigger();
            picker->loopEdit()->setText("4");
            whenModal<TarnMessageBox>([&notice](TarnMessageBox *box) {
                notice = messageOf(box);
                box->accept();
            });
            accept(picker);
        });
        choose(panel, 0, 1, kFunMacro);
        const ButtonInfo &bound = profile.buttonInfo[1];
        QCOMPARE(bound.Fun, kFunMacro);
        QCOMPARE(bound.macroname, QString("Marathon"));
        QCOMPARE(bound.LoopNumber, 4);
        QCOMPARE(bound.KeyNumber, 63);
        QVERIFY(notice.contains("Marathon"));
        QVERIFY(notice.contains("63"));
        QCOMPARE(panel.label(0, 1)->text(), QString("Marathon"));

        // Re-opened: the picker shows the binding; cancelled, nothing changes.
        whenModal<TarnMacroSelect>([](TarnMacroSelect *picker) {
            QCOMPARE(picker->macroName(), QString("Marathon"));
            QCOMPARE(picker->loopCount(), 4);
            picker->reject();
        });
        choose(panel, 0, 1, kFunMacro);
        QCOMPARE(profile.buttonInfo[1].macroname, QString("Marathon"));
        QCOMPARE(panel.label(0, 1)->text(), QString("Marathon"));
    }

    // The window's hot-spots and views choose the panel's group and button; a row under the
    // pointer lights its hot-spot.
    void windowFollowsThePanel()
    {
        DataFolder data;
        SimulatedMouse mouse{SimOptions()};
        SimHotplugSource hotplug(&mouse);
        MousecfgWidget w(mouse, &hotplug);
        TarnBtnWindow *panel = w.buttonPanel();
        QVERIFY(panel);
        w.showPage(PageCustomize);
        QVERIFY(panel->parentWidget()->isVisible() || panel->isVisibleTo(&w));
        w.SelBtnChanged(2, ViewFront);
        QCOMPARE(panel->shownGroup(), 0);
        QCOMPARE(int(panel->selectedIndex()), 2);
        QVERIFY(panel->label(0, 2)->isOn());
        w.SelBtnChanged(1, ViewUpDown);
        QCOMPARE(panel->shownGroup(), 2);
        QCOMPARE(int(panel->selectedIndex()), 1);
        QVERIFY(panel->label(2, 1)->isVisibleTo(panel) && !panel->label(0, 0)->isVisibleTo(panel));
        w.setFrontView(false);
        QCOMPARE(panel->shownGroup(), 1);
        QVERIFY(panel->label(1, 19)->isVisibleTo(panel));
        QVERIFY(panel->label(1, 19)->geometry().bottom() < panel->height()); // reachable by scrolling
        w.setFrontView(true);
        QCOMPARE(panel->shownGroup(), 0);

        w.SelBtnChanged(0, ViewFront);
        emit panel->label(0, 3)->OverSignal(panel->label(0, 3), true);
        QVERIFY(w.hotspot(ViewFront, 3)->isOn());
        emit panel->label(0, 3)->OverSignal(panel->label(0, 3), false);
        QVERIFY(!w.hotspot(ViewFront, 3)->isOn());
        QVERIFY(w.hotspot(ViewFront, 0)->isOn());
    }

    // Every kind of function assigned through the panel, applied as the window applies, reaches
    // the mouse as the device encodes it; the stored profile reads back the same.
    void assignedFunctionsReachTheMouse()
    {
        DataFolder data;
        data.addMacro("Reload", keySteps(6));
        SimulatedMouse mouse{SimOptions()};
        SimHotplugSource hotplug(&mouse);
        MousecfgWidget w(mouse, &hotplug);
        TarnBtnWindow &panel = *w.buttonPanel();
        w.showPage(PageCustomize);

        whenModal<TarnSingleKeyWindow>([](TarnSingleKeyWindow *d) {
            press(d, KEY_F5);
            accept(d);
        });
        choose(panel, 0, 1, kFunSingleKey);
        whenModal<TarnComboKeyWindow>([](TarnComboKeyWindow *d) {
            press(d, KEY_LEFTCTRL);
            press(d, KEY_RIGHTSHIFT);
            press(d, KEY_A);
            accept(d);
        });
        choose(panel, 0, 2, kFunComboKey);
        whenModal<TarnFireKeyWindow>([](TarnFireKeyWindow *d) {
            d->modeBox(FireMode::KeyboardKey)->click();
            press(d, KEY_SPACE);
            d->timesEdit()->setText("5");
            d->delayEdit()->setText("50");
            accept(d);
        });
        choose(panel, 0, 3, kFunFireKey);
        int sniperStep = -1;
        whenModal<TarnSniperWindow>([&sniperStep](TarnSniperWindow *d) {
            d->slider()->setValue(d->slider()->minimum() + 1);
            sniperStep = d->value();
            d->okButton()->click();
        });
        choose(panel, 0, 4, kFunSniper);
        choose(panel, 0, 5, 43); // Volume Up
        whenModal<TarnMacroSelect>([](TarnMacroSelect *picker) {
            picker->nameMenu()->actions().at(0)->trigger();
            picker->loopEdit()->setText("2");
            accept(picker);
        });
        choose(panel, 0, 6, kFunMacro);
        w.SelBtnChanged(1, ViewUpDown);
        choose(panel, 2, 1, 44); // the wheel's down: Volume Down

        const ProfileData &current = w.workingSet().current();
        QCOMPARE(panel.label(0, 1)->text(), QString("SINGLE KEY"));
        QCOMPARE(panel.label(0, 6)->text(), QString("Reload"));
        QCOMPARE(current.buttonInfo[4].Fun, kFunSniper);
        QCOMPARE(int(current.buttonInfo[4].Res1), sniperStep);

        // Apply as the window will: panel values, then the download worker.
        w.copyPanelValues();
        ProfileSet working = w.workingSet();
        ProfileSet saved = working;
        VerifiedTransfer transfer(w.deviceLink());
        QCOMPARE(int(runDownloadWorker(working, saved, true, readAppSettings(), transfer, &w.deviceStatus())), 0);

        const SimButtonBlock block = decodeButtonBlock(mouse.blockImage(0x03));
        const ButtonMatrix matrix = buttonMatrixTable();
        auto entry = [&](int button) { return block.entries[size_t(button < 16 ? matrix[size_t(button)] : button - 18)]; };
        QCOMPARE(entry(0).kind, SimButtonKind::MouseButton);
        QCOMPARE(entry(1).kind, SimButtonKind::Key);
        QCOMPARE(entry(1).key, 62); // F5
        QCOMPARE(entry(2).kind, SimButtonKind::Chord);
        QCOMPARE(entry(2).modifiers, 3); // Ctrl + Shift (the right Shift stored as the left)
        QCOMPARE(entry(2).key, 4);
        QCOMPARE(entry(3).kind, SimButtonKind::Fire);
        QCOMPARE(entry(3).key, 44);
        QCOMPARE(entry(3).loopCount, 5);
        QCOMPARE(entry(3).fireDelay, 5);
        QCOMPARE(entry(4).kind, SimButtonKind::Sniper);
        QCOMPARE(entry(4).sniperCode, int(sniperCode(readAppSettings().sensorId, uint8_t(sniperStep))));
        QCOMPARE(entry(5).kind, SimButtonKind::Consumer);
        QCOMPARE(entry(5).usage, 0xE9);
        QCOMPARE(entry(6).kind, SimButtonKind::Macro);
        QCOMPARE(entry(6).macroSlot, 0);
        QCOMPARE(entry(6).loopCount, 2);
        QCOMPARE(entry(41).kind, SimButtonKind::Consumer);
        QCOMPARE(entry(41).usage, 0xEA);
        // The macro's key steps, with the 10 ms pauses the device plays between them.
        QVector<MacroEvent> sentKeys;
        for (const MacroEvent &step : decodeMacroSlot(mouse.blockImage(0x05), 0)) {
            if (step.Map != kMacroDelay)
                sentKeys << step;
        }
        QCOMPARE(sentKeys, keySteps(6));

        // The stored profile reads back to the same assignments.
        ProfileSet reloaded;
        loadProfileSet(reloaded);
        for (int b : {1, 2, 3, 4, 5, 6, 41}) {
            const ButtonInfo &was = working.profiles[0].buttonInfo[size_t(b)];
            const ButtonInfo &now = reloaded.profiles[0].buttonInfo[size_t(b)];
            QCOMPARE(now.Fun, was.Fun);
            QCOMPARE(now.Res1, was.Res1);
            QCOMPARE(now.LoopNumber, was.LoopNumber);
            QCOMPARE(now.KeyNumber, was.KeyNumber);
            QCOMPARE(now.macroname, was.macroname);
            QVERIFY(now.KeyInfo == was.KeyInfo);
        }
        QCOMPARE(reloaded.profiles[0].buttonInfo[2].KeyInfo[1], (MacroEvent{224, 5, 0x80}));
    }
};

QTEST_MAIN(TestButtonPanel)
#include "gui_test_button_panel.moc"
