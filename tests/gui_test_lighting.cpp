// The lighting page and the colour editor: the controls each effect shows, where every edit
// goes, the editor's fields in step, and an edit on profile 2 reaching the simulated mouse.

#include "app/mousecfg_widget.h"
#include "device/device_state.h"
#include "device/download_worker.h"
#include "device/lighting_encoding.h"
#include "device/transfer.h"
#include "panels/color_areas.h"
#include "panels/tarn_color_area.h"
#include "panels/tarn_color_window.h"
#include "sim/sim_hotplug_source.h"
#include "sim/simulated_mouse.h"
#include "storage/app_paths.h"
#include "storage/colour_arithmetic.h"
#include "model/lighting_effects.h"
#include "storage/storage_keys.h"
#include "support/test_env.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// A prepared application folder with the shipped model description; `showSleep` is written
// into it when given.
struct ModelFolder {
    explicit ModelFolder(int showSleep = -1) : folder(true)
    {
        // The folder's own copy: without one the shipped file is in force, and must stay untouched.
        const QString model = folder.filePath("DefaultProfile.bin");
        QFile::remove(model);
        QFile::copy(QStringLiteral(MOUSECFG_APP_DIR) + "/DefaultProfile.bin", model);
        QFile::setPermissions(model, QFile::ReadOwner | QFile::WriteOwner);
        if (showSleep >= 0)
            QSettings(model, QSettings::IniFormat).setValue("PROFILE/" + kKeyShowSleep, showSleep);
    }
    TempAppFolder folder;
};

// Five default profiles with distinct lighting per slot, profile 3 active.
ProfileSet sampleSet()
{
    ProfileSet set;
    resetProfileSet(set);
    for (int p = 0; p < kProfileSlotCount; ++p) {
        ProfileData &d = set.profiles[size_t(p)];
        d.LedMode = 1;
        d.LedMoveOFF = 255;
        d.LedSleepTime = 2;
        for (int e = 0; e < kLedModeCount; ++e)
            d.ledInfo[size_t(e)] = {QColor(20 * p, 100 + e, 50), 360, 0, 0, 1 + e % 3, 1 + (e + p) % 5};
    }
    set.ProfileID = 2;
    return set;
}

// The panel showing one record of a set, as the window's refresh routine hands it over.
struct PanelRig {
    explicit PanelRig(int lightingSlotIndex = 2, double scale = 1.0) : panel(scale)
    {
        PanelContext context;
        context.working = &set;
        context.current = &set.current();
        context.lighting = &set.profiles[size_t(lightingSlotIndex)];
        panel.refreshFromProfile(context);
    }
    ProfileSet set = sampleSet();
    TarnColorWindow panel;
    ProfileData &record() { return *panel.boundProfile(); }
    QAction *menuAction(int mode) const
    {
        for (QAction *a : panel.effectMenu()->actions())
            if (a->data().toInt() == mode)
                return a;
        return nullptr;
    }
    void choose(int mode)
    {
        QAction *action = menuAction(mode);
        QVERIFY(action);
        action->trigger();
    }
    bool shown(QWidget *w) const { return w->isVisibleTo(const_cast<TarnColorWindow *>(&panel)); }
};

// Runs `step` on the colour editor once it is open (exec() blocks the caller until then).
void onColourEditor(std::function<void(TarnColorArea &)> step)
{
    QTimer::singleShot(0, [step] {
        auto *editor = qobject_cast<TarnColorArea *>(QApplication::activeModalWidget());
        QVERIFY(editor);
        step(*editor);
    });
}

void typeHex(TarnColorArea &editor, const QString &text)
{
    QLineEdit *field = editor.hexField();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

QList<int> boxValues(const TarnColorArea &editor)
{
    QList<int> values;
    for (int b = 0; b < TarnColorArea::BoxCount; ++b)
        values << editor.spinBox(TarnColorArea::Box(b))->value();
    return values;
}

} // namespace

class TestLighting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("GSETTINGS_BACKEND", "memory"); // profile changes give the host a pointer speed
        qunsetenv("DISPLAY");
        installQuietPollerLog();
    }
    void init() { g_mouseOff.store(false); }

    // ---------------------------------------------------------------- the page

    void eachEffectShowsItsControls()
    {
        ModelFolder model;
        PanelRig rig;
        const QRect upper = scaledRect(30, 97, 228, 25, 1.0);
        const QRect lower = scaledRect(30, 156, 228, 25, 1.0);

        rig.choose(0); // OFF
        QCOMPARE(int(rig.record().LedMode), 0);
        QCOMPARE(rig.panel.effectButton()->text(), QString("OFF"));
        for (QWidget *w : {static_cast<QWidget *>(rig.panel.brightnessSlider()), static_cast<QWidget *>(rig.panel.speedSlider()),
                           static_cast<QWidget *>(rig.panel.colorSwatch()), static_cast<QWidget *>(rig.panel.brightnessLabel()),
                           static_cast<QWidget *>(rig.panel.speedLabel()), static_cast<QWidget *>(rig.panel.colorLabel())})
            QVERIFY(!rig.shown(w));

        rig.choose(2); // BREATHING: the speed control takes the brightness control's place
        QVERIFY(rig.shown(rig.panel.speedSlider()));
        QVERIFY(!rig.shown(rig.panel.brightnessSlider()));
        QVERIFY(rig.shown(rig.panel.colorSwatch()));
        QCOMPARE(rig.panel.speedSlider()->geometry(), upper);
        QCOMPARE(rig.panel.speedLabel()->geometry().y(), 78);
        QCOMPARE(rig.panel.speedSlider()->value(), rig.record().ledInfo[2].breath);
        QCOMPARE(rig.panel.speedValueLabel()->text(), QString::number(rig.record().ledInfo[2].breath));
        QCOMPARE(rig.panel.speedValueLabel()->geometry().y(), 100); // its level moves with it
        QVERIFY(!rig.shown(rig.panel.brightnessValueLabel()));

        rig.choose(4); // RAINBOW starts from the normal layout again
        QCOMPARE(rig.panel.brightnessSlider()->geometry(), upper);
        QCOMPARE(rig.panel.speedSlider()->geometry(), lower);
        QVERIFY(rig.shown(rig.panel.brightnessSlider()) && rig.shown(rig.panel.speedSlider()));
        QVERIFY(!rig.shown(rig.panel.colorSwatch()));
        QCOMPARE(rig.panel.brightnessSlider()->value(), rig.record().ledInfo[4].bright);

        rig.choose(11); // REACTIVE: brightness only
        QVERIFY(rig.shown(rig.panel.brightnessSlider()) && !rig.shown(rig.panel.speedSlider()));
        QCOMPARE(int(rig.record().LedMode), 11);
        // The menu marks the effect in force.
        QVERIFY(rig.menuAction(11)->isChecked());
        QVERIFY(!rig.menuAction(4)->isChecked());
    }

    void effectsOutsideTheMenuAndDamagedModes()
    {
        ModelFolder model;
        PanelRig rig;
        rig.record().LedMode = 6;
        rig.panel.refresh();
        QCOMPARE(rig.panel.effectButton()->text(), QString("Horizontal WAVE"));
        QVERIFY(rig.shown(rig.panel.brightnessSlider()) && rig.shown(rig.panel.speedSlider()));
        QVERIFY(!rig.shown(rig.panel.colorSwatch()));
        QCOMPARE(rig.panel.speedSlider()->value(), rig.record().ledInfo[6].breath);
        for (QAction *a : rig.panel.effectMenu()->actions())
            QVERIFY(!a->isChecked());

        // A stored mode past the table shows no controls, and no slider or report writes past
        // the fourteen records.
        rig.record().LedMode = 20;
        rig.panel.refresh();
        const ProfileData before = rig.record();
        QVERIFY(!rig.shown(rig.panel.brightnessSlider()) && !rig.shown(rig.panel.speedSlider()));
        QVERIFY(!rig.shown(rig.panel.colorSwatch()));
        rig.panel.brightnessSlider()->setValue(3);
        rig.panel.speedSlider()->setValue(5);
        rig.panel.slotSendLedState(QColor(1, 2, 3));
        rig.panel.setEffect(14);
        QVERIFY(rig.record() == before);
    }

    void moveOffAndSleep()
    {
        ModelFolder model;
        PanelRig rig;
        QVERIFY(!rig.panel.moveOffBox()->isChecked()); // 255 shows unchecked
        rig.panel.moveOffBox()->click();
        QCOMPARE(int(rig.record().LedMoveOFF), 0);
        rig.panel.moveOffBox()->click();
        QCOMPARE(int(rig.record().LedMoveOFF), 255);
        rig.record().LedMoveOFF = 0;
        rig.panel.refresh();
        QVERIFY(rig.panel.moveOffBox()->isChecked());

        QCOMPARE(rig.panel.minutesLabel()->text(), QString("2 MINUTE"));
        rig.panel.sleepSlider()->setValue(7);
        QCOMPARE(int(rig.record().LedSleepTime), 7);
        QCOMPARE(rig.panel.minutesLabel()->text(), QString("7 MINUTE"));
        QVERIFY(rig.shown(rig.panel.sleepSlider()) && rig.shown(rig.panel.moveOffBox()));
    }

    void modelWithoutSleepHidesTheSleepControls()
    {
        ModelFolder model(0);
        PanelRig rig;
        for (QWidget *w : {static_cast<QWidget *>(rig.panel.sleepLabel()), static_cast<QWidget *>(rig.panel.sleepSlider()),
                           static_cast<QWidget *>(rig.panel.minutesLabel()), static_cast<QWidget *>(rig.panel.moveOffBox())}) {
            QVERIFY(w->geometry().isEmpty());
            QVERIFY(!rig.shown(w));
        }
        QVERIFY(rig.shown(rig.panel.effectButton()));
    }

    void everyEditGoesToTheLightingSlotOnly()
    {
        ModelFolder model;
        PanelRig rig(2); // the active slot 2 is the lighting slot
        const ProfileSet before = rig.set;
        // Showing a record never changes it, even with values outside the sliders' ranges.
        rig.set.profiles[2].ledInfo[1].bright = 0;
        rig.panel.refresh();
        QCOMPARE(rig.set.profiles[2].ledInfo[1].bright, 0);
        rig.set.profiles[2].ledInfo[1].bright = before.profiles[2].ledInfo[1].bright;

        rig.choose(1);
        rig.panel.brightnessSlider()->setValue(3);
        rig.choose(2);
        rig.panel.speedSlider()->setValue(5);
        rig.panel.sleepSlider()->setValue(9);
        rig.panel.moveOffBox()->click();
        rig.panel.slotSendLedState(QColor(9, 8, 7));
        for (int p : {0, 1, 3, 4})
            QVERIFY2(rig.set.profiles[size_t(p)] == before.profiles[size_t(p)], qPrintable(QString("slot %1 changed").arg(p)));
        const ProfileData &edited = rig.set.profiles[2];
        QCOMPARE(edited.ledInfo[1].bright, 3);
        QCOMPARE(edited.ledInfo[2].breath, 5);
        QCOMPARE(edited.ledInfo[2].color, QColor(9, 8, 7));
        QCOMPARE(edited.ledInfo[2].h, 360); // the editor's h, s, v stay as they were
        QCOMPARE(int(edited.LedSleepTime), 9);
        QCOMPARE(int(edited.LedMoveOFF), 0);
        QCOMPARE(int(edited.LedMode), 2);

        // "7130": the window hands slot 0 over; the same edits land there.
        PanelRig first(0);
        first.choose(4);
        first.panel.speedSlider()->setValue(1);
        QCOMPARE(int(first.set.profiles[0].LedMode), 4);
        QCOMPARE(first.set.profiles[0].ledInfo[4].breath, 1);
        QVERIFY(first.set.profiles[2] == before.profiles[2]);
    }

    void swatchOpensTheEditorOnTheEffectsColour()
    {
        ModelFolder model;
        PanelRig rig;
        rig.choose(1);
        const QColor start = rig.record().ledInfo[1].color;
        QColor opened;
        onColourEditor([&opened](TarnColorArea &editor) {
            opened = editor.preview()->oldColor();
            typeHex(editor, "00ff80");
            editor.okButton()->click();
        });
        rig.panel.colorSwatch()->click();
        QCOMPARE(opened, start);
        QCOMPARE(rig.record().ledInfo[1].color, QColor(0, 255, 128));

        // Cancel keeps the colour; APPLY stores it at once, and a later Cancel keeps what was applied.
        onColourEditor([](TarnColorArea &editor) {
            typeHex(editor, "123456");
            editor.cancelButton()->click();
        });
        rig.panel.colorSwatch()->click();
        QCOMPARE(rig.record().ledInfo[1].color, QColor(0, 255, 128));
        onColourEditor([](TarnColorArea &editor) {
            typeHex(editor, "abcdef");
            editor.applyButton()->click();
            typeHex(editor, "000001");
            editor.cancelButton()->click();
        });
        rig.panel.colorSwatch()->click();
        QCOMPARE(rig.record().ledInfo[1].color, QColor(0xab, 0xcd, 0xef));
    }

    // ---------------------------------------------------------------- the colour editor

    void hexFieldRulesAndTheOtherFieldsFollow()
    {
        ModelFolder model;
        TarnColorArea editor(nullptr, 1.0);
        typeHex(editor, "f0a");
        QCOMPARE(editor.hexField()->text(), QString("f0a")); // the text being typed stays
        QCOMPARE(editor.color(), QColor(255, 0, 170));
        QCOMPARE(boxValues(editor).mid(3), QList<int>({255, 0, 170}));
        QCOMPARE(boxValues(editor).mid(0, 3), QList<int>({QColor(255, 0, 170).hsvHue(), 255, 255}));
        QCOMPARE(editor.hueStrip()->hue(), QColor(255, 0, 170).hsvHue());

        typeHex(editor, "1234");
        QCOMPARE(editor.color(), QColor(0, 18, 52));
        QCOMPARE(boxValues(editor).mid(3), QList<int>({0, 18, 52}));

        // Emptied and left: "000000", and black everywhere.
        typeHex(editor, "");
        QCOMPARE(editor.hexField()->text(), QString());
        QTest::keyClick(editor.hexField(), Qt::Key_Return);
        QCOMPARE(editor.hexField()->text(), QString("000000"));
        QCOMPARE(boxValues(editor).mid(1), QList<int>({0, 0, 0, 0, 0}));

        // A short text is rewritten as six digits when editing ends.
        typeHex(editor, "f0a");
        QTest::keyClick(editor.hexField(), Qt::Key_Return);
        QCOMPARE(editor.hexField()->text(), QString("FF00AA"));
    }

    void boxesAndPresetsKeepEverythingInStep()
    {
        ModelFolder model;
        TarnColorArea editor(nullptr, 1.0);
        QTest::mouseClick(editor.preset(4), Qt::LeftButton); // yellow
        QCOMPARE(boxValues(editor), QList<int>({60, 255, 255, 255, 255, 0}));
        QCOMPARE(editor.hexField()->text(), QString("FFFF00"));
        QCOMPARE(editor.color(), QColor(255, 255, 0));
        QCOMPARE(editor.square()->hue(), 60);

        editor.spinBox(TarnColorArea::BoxG)->setValue(0); // red from green: hue 0
        QCOMPARE(editor.hexField()->text(), QString("FF0000"));
        QCOMPARE(editor.spinBox(TarnColorArea::BoxH)->value(), 0);

        editor.spinBox(TarnColorArea::BoxV)->setValue(128);
        QCOMPARE(editor.spinBox(TarnColorArea::BoxR)->value(), 128);
        QCOMPARE(editor.hexField()->text(), QString("800000"));
        QCOMPARE(editor.square()->pointY(), squarePixels(128, 1.0));

        // A hue of 360 is shown as 0.
        editor.spinBox(TarnColorArea::BoxH)->setValue(360);
        QCOMPARE(editor.spinBox(TarnColorArea::BoxH)->value(), 0);
        QSignalSpy spy(editor.preview(), &PreviewColorArea::svChangedSignal);
        editor.preview()->svChangedSlot(360, 128, 128);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 0);
        QCOMPARE(editor.preview()->newColor(), QColor(255, 0, 0));
        QCOMPARE(editor.spinBox(TarnColorArea::BoxH)->value(), 0);

        // Black keeps the hue the strip shows: the square is not thrown back to red.
        editor.spinBox(TarnColorArea::BoxH)->setValue(200);
        editor.spinBox(TarnColorArea::BoxV)->setValue(0);
        QCOMPARE(editor.spinBox(TarnColorArea::BoxH)->value(), 200);
        QCOMPARE(editor.hueStrip()->hue(), 200);
    }

    void squareCornersAtEveryScale()
    {
        ModelFolder model;
        for (double scale : {1.0, 2.0}) {
            TarnColorArea editor(nullptr, scale);
            editor.spinBox(TarnColorArea::BoxH)->setValue(120);
            SVColorArea *square = editor.square();
            QCOMPARE(square->width(), int(128 * scale));
            QTest::mouseClick(square, Qt::LeftButton, Qt::NoModifier, QPoint(square->width() - 1, 0));
            QCOMPARE(editor.spinBox(TarnColorArea::BoxS)->value(), 255);
            QCOMPARE(editor.spinBox(TarnColorArea::BoxV)->value(), 255);
            QCOMPARE(editor.color(), QColor(0, 255, 0));
            QTest::mouseClick(square, Qt::LeftButton, Qt::NoModifier, QPoint(square->width() / 2, square->height() - 1));
            QCOMPARE(editor.spinBox(TarnColorArea::BoxV)->value(), 0);
            QCOMPARE(editor.hexField()->text(), QString("000000"));
            QCOMPARE(editor.spinBox(TarnColorArea::BoxH)->value(), 120);
        }
    }

    void execReturnsOneWithThePreviewsColour()
    {
        ModelFolder model;
        TarnColorArea editor(nullptr, 1.0);
        editor.setInitialColor(QColor(10, 20, 30));
        QCOMPARE(editor.preview()->oldColor(), QColor(10, 20, 30));
        QTimer::singleShot(0, &editor, [&editor] {
            QTest::mouseClick(editor.preset(2), Qt::LeftButton);
            editor.okButton()->click();
        });
        QCOMPARE(editor.exec(), 1);
        QCOMPARE(editor.color(), QColor(0, 0, 255));
        QTimer::singleShot(0, &editor, [&editor] { editor.cancelButton()->click(); });
        QCOMPARE(editor.exec(), 0);
    }

    // ---------------------------------------------------------------- end to end

    void editOnProfile2ReachesTheMouse()
    {
        ModelFolder model;
        SimulatedMouse mouse{SimOptions()};
        SimHotplugSource hotplug(&mouse);
        auto window = std::make_unique<MousecfgWidget>(mouse, &hotplug);
        MousecfgWidget &w = *window;
        auto *panel = w.findChild<TarnColorWindow *>();
        QVERIFY(panel);
        QVERIFY(panel->isVisibleTo(&w)); // page 0 is the lighting page
        // Inside the window, above the bottom buttons.
        QVERIFY(panel->geometry().bottom() < w.button(MousecfgWidget::BtnApply)->geometry().top());
        QVERIFY(panel->rect().contains(panel->moveOffBox()->geometry()));

        w.deviceStatus().slotRefreshProfile(1); // profile 2 current
        QCOMPARE(panel->boundProfile(), &w.workingSet().profiles[1]);
        const ProfileData profile1 = w.workingSet().profiles[0];

        auto choose = [panel](int mode) {
            for (QAction *a : panel->effectMenu()->actions())
                if (a->data().toInt() == mode)
                    a->trigger();
            QCOMPARE(int(panel->boundProfile()->LedMode), mode);
        };
        auto pickColour = [panel](const QString &hex) {
            onColourEditor([hex](TarnColorArea &editor) {
                typeHex(editor, hex);
                editor.okButton()->click();
            });
            panel->colorSwatch()->click();
        };
        choose(1);
        const int brightness = panel->brightnessSlider()->value() % 3 + 1;
        panel->brightnessSlider()->setValue(brightness);
        pickColour("12ab34");
        choose(2);
        const int speed = panel->speedSlider()->value() % 5 + 1;
        panel->speedSlider()->setValue(speed);
        pickColour("c0ffee");
        panel->sleepSlider()->setValue(6);

        // Apply as the window does: the panels' values, then the download worker.
        w.copyPanelValues();
        ProfileSet working = w.workingSet();
        ProfileSet saved = working;
        VerifiedTransfer transfer(w.deviceLink());
        QCOMPARE(int(runDownloadWorker(working, saved, true, readAppSettings(), transfer, &w.deviceStatus())), 0);

        const BlockImage block = mouse.blockImage(SimLightingWrite);
        const SimLightingEffect full = lightingEffect(block, 1);
        QVERIFY(full.present);
        QCOMPARE(QList<int>({full.red, full.green, full.blue}), QList<int>({0x12, 0xab, 0x34}));
        QCOMPARE(full.brightness, brightness);
        const SimLightingEffect breathing = lightingEffect(block, 2);
        QCOMPARE(QList<int>({breathing.red, breathing.green, breathing.blue}), QList<int>({0xc0, 0xff, 0xee}));
        QCOMPARE(breathing.speed, speed);
        const ProfileData &profile2 = w.workingSet().profiles[1];
        for (int effect : kLightingBlockOrder)
            QCOMPARE(lightingEffect(block, effect).raw, lightingDescriptor(profile2, effect));
        const SimSettings settings = mouse.settings();
        QCOMPARE(int(settings.currentProfile), 1);
        QCOMPARE(int(settings.lightingCode), int(lightingEffectCode(2)));
        QCOMPARE(int(settings.ledSleepMinutes), 6);

        QVERIFY(w.workingSet().profiles[0] == profile1); // profile 1's lighting untouched
        QVERIFY(profile2.ledInfo[1].color != profile1.ledInfo[1].color);
        window.reset();
    }
};

QTEST_MAIN(TestLighting)
#include "gui_test_lighting.moc"
