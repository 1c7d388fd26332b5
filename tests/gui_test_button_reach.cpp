// What the button panel offers reaches the mouse: every label of every group, given every
// catalogue entry its menu offers and applied through the window's Apply, changes the button
// block the simulated mouse decodes; labels say what they hold.

#include "support/box_answers.h"
#include "support/window_rig.h"

#include "device/button_encoding.h"
#include "device/device_state.h"
#include "model/button_reach.h"
#include "model/sensor_tables.h"
#include "panels/tarn_btn_window.h"
#include "panels/tarn_combo_key_window.h"
#include "panels/tarn_fire_key_window.h"
#include "panels/tarn_macro_select.h"
#include "panels/tarn_single_key_window.h"
#include "panels/tarn_sniper_window.h"
#include "sim/block_decoder.h"
#include "storage/macro_file.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"

#include <linux/input-event-codes.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

namespace {

void press(QWidget *dialog, int evdev)
{
    QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, quint32(evdev + 8), 0, 0);
    QCoreApplication::sendEvent(dialog->windowHandle(), &event);
}

void accept(QDialog *dialog) { dialog->findChild<QToolButton *>("dlgAcceptBtn")->click(); }

// While it lives, every dialog an entry opens is answered as a user would: F5; Ctrl + Shift + A;
// fire Space 5 times 50 ms apart; the sniper's second step; macro "burst" 3 times.
class DialogAnswers {
public:
    DialogAnswers()
    {
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start();
    }
    int sniperStep = -1;

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal->property("answered").toBool())
            return;
        modal->setProperty("answered", true);
        if (auto *d = qobject_cast<TarnSingleKeyWindow *>(modal)) {
            press(d, KEY_F5);
            accept(d);
        } else if (auto *d = qobject_cast<TarnComboKeyWindow *>(modal)) {
            press(d, KEY_LEFTCTRL);
            press(d, KEY_LEFTSHIFT);
            press(d, KEY_A);
            accept(d);
        } else if (auto *d = qobject_cast<TarnFireKeyWindow *>(modal)) {
            d->modeBox(FireMode::KeyboardKey)->click();
            press(d, KEY_SPACE);
            d->timesEdit()->setText("5");
            d->delayEdit()->setText("50");
            accept(d);
        } else if (auto *d = qobject_cast<TarnSniperWindow *>(modal)) {
            d->slider()->setValue(d->slider()->minimum() + 1);
            sniperStep = d->value();
            d->okButton()->click();
        } else if (auto *d = qobject_cast<TarnMacroSelect *>(modal)) {
            d->nameMenu()->actions().at(0)->trigger();
            d->loopEdit()->setText("3");
            accept(d);
        } else {
            modal->setProperty("answered", false); // a message box: BoxAnswers' part
        }
    }
    QTimer m_timer;
};

// Every entry action of a menu and its submenus, in menu order.
QList<TarnAction *> offeredEntries(QMenu *menu)
{
    QList<TarnAction *> entries;
    for (QAction *a : menu->actions()) {
        if (a->menu())
            entries << offeredEntries(a->menu());
        else if (auto *entry = qobject_cast<TarnAction *>(a))
            entries << entry;
    }
    return entries;
}

// What the mouse must hold for a button given `info` (the dialogs answered as above).
void verifyEntry(const SimButtonEntry &sent, const ButtonInfo &info, int sensorId, int button)
{
    const QByteArray where = QByteArray("button ") + QByteArray::number(button) + " function " +
                             QByteArray::number(info.Fun);
    switch (info.Fun) {
    case kFunSingleKey:
        QVERIFY2(sent.kind == SimButtonKind::Key && sent.key == 62, where); // F5
        break;
    case kFunComboKey:
        QVERIFY2(sent.kind == SimButtonKind::Chord && sent.modifiers == 3 && sent.key == 4, where);
        break;
    case kFunFireKey:
        QVERIFY2(sent.kind == SimButtonKind::Fire && sent.key == 44 && sent.loopCount == 5 && sent.fireDelay == 5,
                 where);
        break;
    case kFunSniper:
        QVERIFY2(sent.kind == SimButtonKind::Sniper && sent.sniperCode == sniperCode(sensorId, info.Res1), where);
        break;
    case kFunMacro:
        QVERIFY2(sent.kind == SimButtonKind::Macro && sent.macroSlot == 0 && sent.loopCount == 3, where);
        break;
    default: {
        const ButtonFunctionRow *row = findButtonFunction(info.Fun);
        QVERIFY2(row, where);
        QVERIFY2(sent.bytes == row->bytes, where);
    }
    }
}

} // namespace

class TestButtonReach : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("GSETTINGS_BACKEND", "memory");
        qunsetenv("DISPLAY");
    }
    void init() { g_mouseOff.store(false); }

    // Each offered entry, given to every offered label of a group and applied, is what the mouse
    // holds at each of those buttons' slots; the side view offers nothing, and a side label given
    // an entry anyway stores nothing.
    void everyOfferedEntryReachesTheMouse()
    {
        WindowDataFolder data({{"Config/Diff", 0}});
        QVERIFY(saveMacro("burst", MacroSettings(), {{0x84, 4, 0}, {0x04, 4, 0}}));
        QVERIFY(addMacroName("burst"));
        SimOptions quick;
        quick.faults.latencyMs = 1;
        WindowRig rig(quick);
        MousecfgWidget &w = *rig.window;
        TarnBtnWindow &panel = *w.buttonPanel();
        QTRY_VERIFY(!rig.mouse.receivedReports().empty()); // the poller's first query
        w.showPage(PageCustomize);
        BoxAnswers boxes;
        DialogAnswers dialogs;
        const ButtonReach reach = modelButtonReach();
        const int sensorId = readAppSettings().sensorId;

        int applies = 0;
        for (int group = 0; group < kButtonGroupCount; ++group) {
            if (group == 2)
                w.SelBtnChanged(0, ViewUpDown);
            else
                w.setFrontView(group == 0);
            QCOMPARE(panel.shownGroup(), group);
            QVector<int> offered;
            for (int i = 0; panel.label(group, i); ++i) {
                if (panel.label(group, i)->isVisibleTo(&panel))
                    offered << i;
            }
            QMenu *menu = group == 2 ? panel.scrollMenu() : panel.mainMenu();
            const QList<TarnAction *> entries = offeredEntries(menu);
            QVERIFY(entries.size() >= (group == 2 ? 11 : 40));
            if (group == 1) {
                QVERIFY(offered.isEmpty());
                QVERIFY(panel.sideNotice()->isVisibleTo(&panel));
                const ProfileSet before = w.workingSet();
                for (int i = 0; panel.label(1, i); ++i) {
                    panel.slotMouseEnter(panel.label(1, i));
                    entries.first()->trigger();
                }
                QVERIFY(w.workingSet() == before);
                continue;
            }
            QCOMPARE(offered.size(), group == 0 ? modelFrontButtons().size() : 2);

            for (TarnAction *entry : entries) {
                const int fun = entry->entry().fun;
                for (int i : offered) {
                    panel.slotMouseEnter(panel.label(group, i));
                    entry->trigger();
                }
                QTest::mouseClick(w.button(MousecfgWidget::BtnApply), Qt::LeftButton);
                ++applies;
                const SimButtonBlock block = rig.mouse.buttonBlock();
                const ProfileData &current = w.workingSet().current();
                int refused = 0;
                for (int i : offered) {
                    const int b = group * kButtonGroupSize + i;
                    const ButtonInfo &info = current.buttonInfo[size_t(b)];
                    // Only the click the profile may not lose keeps Left.
                    if (info.Fun != fun) {
                        QCOMPARE(info.Fun, kFunLeft);
                        ++refused;
                    }
                    const int slot = buttonDeviceSlot(b, reach);
                    QVERIFY(slot >= 0);
                    verifyEntry(block.entries[size_t(slot)], info, sensorId, b);
                    if (QTest::currentTestFailed())
                        return;
                }
                QVERIFY(refused <= 1);
            }
        }
        QVERIFY(applies > 40);
        QVERIFY(w.savedSet() == w.workingSet()); // every Apply succeeded
    }

    // Labels keep the entry's text; the tooltip and accessible name say what is assigned.
    void labelsSayWhatIsAssigned()
    {
        WindowDataFolder data;
        QVERIFY(saveMacro("burst", MacroSettings(), {{0x84, 4, 0}, {0x04, 4, 0}}));
        QVERIFY(addMacroName("burst"));
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        TarnBtnWindow &panel = *w.buttonPanel();
        w.showPage(PageCustomize);
        DialogAnswers dialogs;
        auto give = [&](int i, int fun) {
            panel.slotMouseEnter(panel.label(0, i));
            panel.action(fun)->trigger();
        };
        give(1, kFunSingleKey);
        give(2, kFunComboKey);
        give(3, kFunMacro);
        give(4, 45);
        const struct {
            int index;
            const char *text;
            const char *says;
        } expected[] = {{1, "SINGLE KEY", "F5"},
                        {2, "COMBO KEY", "Ctrl + Shift + A"},
                        {3, "burst", "Macro \"burst\", 3 times"},
                        {4, "Mute", "Mute"}};
        for (const auto &e : expected) {
            TarnPushButton *label = panel.label(0, e.index);
            QCOMPARE(label->text(), QString(e.text));
            QCOMPARE(label->toolTip(), QString(e.says));
            QCOMPARE(label->accessibleName(), QString(e.says));
        }
        // Another profile's labels say what that profile holds.
        ProfileData other = w.workingSet().current();
        other.buttonInfo[1] = other.buttonInfo[2];
        panel.setProfile(&other);
        QCOMPARE(panel.label(0, 1)->toolTip(), QString("Ctrl + Shift + A"));
        w.refreshPanels();
        QCOMPARE(panel.label(0, 1)->toolTip(), QString("F5"));
    }
};

QTEST_MAIN(TestButtonReach)
#include "gui_test_button_reach.moc"
