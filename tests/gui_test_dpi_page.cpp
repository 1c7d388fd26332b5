// The DPI page: the stage rows on each sensor's range, the stage count, the edits that reach the
// copy Apply takes, the report-rate and pointer panels, and an Apply through the window whose
// result on the simulated mouse (receiver and cable) is what the page shows.

#include "support/box_answers.h"
#include "support/window_rig.h"

#include "app/mousecfg_widget.h"
#include "panels/tarn_point_speed.h"
#include "panels/tarn_report_rate.h"
#include "device/device_state.h"
#include "model/sensor_tables.h"
#include "panels/dpi_entry.h"
#include "panels/tarn_dpi_window.h"
#include "panels/tarn_single_dpi.h"
#include "storage/settings_file.h"
#include "widgets/tarn_label.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"
#include "widgets/tarn_two_bar_slider.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QWheelEvent>
#include <QtTest>


namespace {

ProfileData stagesProfile()
{
    ProfileData profile;
    for (int i = 0; i < kDpiStageCount; ++i) {
        DpiInfo &stage = profile.dpiInfo[size_t(i)];
        stage.used = 1;
        stage.link = i % 2 == 0 ? 1 : 0;
        stage.x = uint32_t(20 + 10 * i);
        stage.y = stage.link ? stage.x : stage.x + 5;
    }
    profile.dpi = 1;
    profile.pollrate = 1;
    profile.mousespeed = 10;
    profile.scrollspeed = 3;
    return profile;
}

// A press on one bar of a two-bar slider, `fraction` of the way along.
void pressBar(TarnTwoBarSlider *slider, bool yBar, double fraction)
{
    const QPoint at(int(slider->width() * fraction), yBar ? slider->height() * 3 / 4 : slider->height() / 4);
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, at);
}

int labelNumber(const QLabel *label)
{
    const QString text = label->text();
    return text.mid(text.lastIndexOf(':') + 1).trimmed().toInt();
}

} // namespace

class TestDpiPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("GSETTINGS_BACKEND", "memory");
        qunsetenv("DISPLAY");
    }
    void init() { g_mouseOff.store(false); }

    void rowsFollowTheSensor()
    {
        WindowDataFolder data;
        TarnDPIWindow panel(ProfileData(), 1.0);
        QCOMPARE(panel.sensor(), 3325); // until the model's sensor is named
        ProfileData profile;
        profile.dpiInfo[0].x = 14;
        profile.dpiInfo[0].y = 14;
        profile.dpiInfo[1].x = 21;
        profile.dpiInfo[1].y = 21;
        panel.loadProfile(profile, 3104);
        TarnSingleDPI *row = panel.row(0);
        QCOMPARE(row->xLabel()->text(), QString("X:500"));
        QCOMPARE(row->dpiLabel()->text(), QString("DPI : 500"));
        QCOMPARE(row->minLabel()->text(), QString("500"));
        QCOMPARE(row->maxLabel()->text(), QString("4200"));
        QCOMPARE(row->slider()->minimum(), 14);
        QCOMPARE(row->slider()->maximum(), 105);
        QVERIFY(!row->linkBox()->isHidden());

        panel.loadProfile(profile, 3212);
        QCOMPARE(panel.row(1)->yLabel()->text(), QString("Y:800"));
        QVERIFY(panel.row(1)->linkBox()->isHidden());

        // The 3327's top step depends on the model.
        panel.setSensor(3327, "K308-RGB");
        QCOMPARE(row->slider()->maximum(), 92);
        QCOMPARE(row->maxLabel()->text(), QString("12400"));

        // An unknown sensor keeps the range and its labels and shows DPI 0.
        panel.setSensor(1234, "K308-RGB");
        QCOMPARE(row->slider()->maximum(), 92);
        QCOMPARE(row->maxLabel()->text(), QString("12400"));
        QCOMPARE(row->xLabel()->text(), QString("X:0"));
        QCOMPARE(row->dpiLabel()->text(), QString("DPI : 0"));
    }

    void stageCountShowsRowsAndKeepsTheOthers()
    {
        WindowDataFolder data;
        // The shipped model has six stages.
        TarnDPIWindow panel(stagesProfile(), 1.0);
        panel.resize(456, 386);
        QCOMPARE(panel.stageCount(), 6);

        panel.setStageCount(4);
        for (int i = 0; i < kDpiStageCount; ++i)
            QCOMPARE(panel.row(i)->geometry().isEmpty(), i >= 4);
        ProfileData applied;
        panel.copyValuesInto(applied);
        QCOMPARE(applied.dpiInfo, stagesProfile().dpiInfo); // hidden rows keep their values

        // No count (no model description, or none in it) shows all eight, as eight are sent;
        // a count past the rows never reaches past them.
        for (int count : {0, 9, 200, -1}) {
            panel.setStageCount(count);
            QCOMPARE(panel.stageCount(), kDpiStageCount);
            QVERIFY(!panel.row(kDpiStageCount - 1)->geometry().isEmpty());
        }
        QVERIFY(!panel.row(kDpiStageCount));
        QVERIFY(!panel.row(-1));
        // All eight fit the panel, one below the other.
        for (int i = 0; i < kDpiStageCount; ++i) {
            const QRect r = panel.row(i)->geometry();
            QVERIFY2(r.bottom() < 386, qPrintable(QString::number(i)));
            if (i > 0)
                QVERIFY(r.top() > panel.row(i - 1)->geometry().bottom());
        }
    }

    void editsReachTheCopyApplyTakes()
    {
        WindowDataFolder data;
        TarnDPIWindow panel(ProfileData(), 1.0);
        panel.loadProfile(stagesProfile(), 3389);
        panel.resize(456, 386);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));

        // Stage 2 (X and Y apart): the X bar moves X only.
        TarnSingleDPI *row = panel.row(1);
        QSignalSpy dpiSignals(row, &TarnSingleDPI::DPISignal);
        pressBar(row->slider(), false, 0.5);
        const int x = row->slider()->xValue();
        QVERIFY(x > 200 && x < 280);
        QCOMPARE(int(panel.profileData().dpiInfo[1].x), x);
        QCOMPARE(int(panel.profileData().dpiInfo[1].y), 35);
        QCOMPARE(labelNumber(row->xLabel()), dpiForStep(x, 3389));
        QCOMPARE(dpiSignals.count(), 1);
        pressBar(row->slider(), true, 0.25);
        QCOMPARE(int(panel.profileData().dpiInfo[1].y), row->slider()->yValue());
        QCOMPARE(int(panel.profileData().dpiInfo[1].x), x);

        // Linking moves Y onto X, and the stage holds what the handles show.
        QSignalSpy links(row, &TarnSingleDPI::LinkSignal);
        row->linkBox()->click();
        QCOMPARE(links.count(), 1);
        QCOMPARE(int(panel.profileData().dpiInfo[1].link), 1);
        QCOMPARE(row->slider()->yValue(), x);
        QCOMPARE(int(panel.profileData().dpiInfo[1].y), x);
        QCOMPARE(row->yLabel()->text(), QString("Y:%1").arg(dpiForStep(x, 3389)));
        // Linked, either bar moves both.
        pressBar(row->slider(), true, 0.1);
        QCOMPARE(panel.profileData().dpiInfo[1].x, panel.profileData().dpiInfo[1].y);
        row->linkBox()->click();
        QCOMPARE(int(panel.profileData().dpiInfo[1].link), 0);

        row->enableBox()->click();
        QCOMPARE(int(panel.profileData().dpiInfo[1].used), 0);

        // The active stage: its radio button, or a press on the row; the row lights up.
        panel.row(4)->selector()->click();
        QCOMPARE(int(panel.profileData().dpi), 4);
        QVERIFY(panel.row(4)->isActive());
        QVERIFY(!panel.row(1)->isActive());
        QSignalSpy pressed(&panel, &TarnDPIWindow::MouseinSignal);
        QTest::mouseClick(panel.row(6)->dpiLabel(), Qt::LeftButton);
        QCOMPARE(int(panel.profileData().dpi), 6);
        QCOMPARE(pressed.count(), 1);
        QVERIFY(panel.selectorGroup()->button(6)->isChecked());
        // The active row's DPI text is drawn in the theme colour, the others' in white.
        const auto hasColour = [](QWidget *w, const QColor &c) {
            const QImage image = w->grab().toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y).rgb() == c.rgb())
                        return true;
            return false;
        };
        QVERIFY(hasColour(panel.row(6)->dpiLabel(), themeColour()));
        QVERIFY(!hasColour(panel.row(4)->dpiLabel(), themeColour()));

        ProfileData applied;
        panel.copyValuesInto(applied);
        QCOMPARE(int(applied.dpi), 6);
        QCOMPARE(applied.dpiInfo, panel.profileData().dpiInfo);

        // A stored active stage past the eight rows lights none and checks no radio button.
        ProfileData odd = stagesProfile();
        odd.dpi = 9;
        panel.loadProfile(odd, 3389);
        for (int i = 0; i < kDpiStageCount; ++i)
            QVERIFY(!panel.row(i)->isActive());
        QVERIFY(!panel.selectorGroup()->checkedButton());
    }

    void reportRateAndLift()
    {
        WindowDataFolder data;
        ProfileData profile;
        profile.pollrate = 2;
        TarnReportRate panel(profile, 1.0);
        QCOMPARE(panel.rateButton()->text(), QString("500 HZ"));
        QStringList texts;
        for (QAction *action : panel.rateMenu()->actions())
            texts << action->text();
        QCOMPARE(texts, QStringList({"125 HZ", "250 HZ", "500 HZ", "1000 HZ"}));
        QCOMPARE(panel.rateMenu()->width(), 150);

        // A code outside the table keeps the text and takes the code.
        profile.pollrate = 3;
        panel.refresh(profile, 1);
        QCOMPARE(int(panel.rateCode()), 3);
        QCOMPARE(panel.rateButton()->text(), QString("500 HZ"));

        // A choice changes the panel's code only; the profile gets it when Apply copies it.
        panel.rateMenu()->actions().at(0)->trigger();
        QCOMPARE(int(panel.rateCode()), 8);
        QCOMPARE(panel.rateButton()->text(), QString("125 HZ"));
        QCOMPARE(int(profile.pollrate), 3);
        panel.copyValuesInto(profile);
        QCOMPARE(int(profile.pollrate), 8);

        // Lift: 1 and 2 select their button, anything else is 2 mm.
        QVERIFY(panel.liftButton(0)->isChecked());
        QCOMPARE(int(panel.lift()), 1);
        for (quint8 lift : {quint8(0), quint8(3), quint8(255)}) {
            panel.refresh(profile, lift);
            QCOMPARE(int(panel.lift()), 2);
            QVERIFY(panel.liftButton(1)->isChecked());
        }
        QSignalSpy lifts(&panel, &TarnReportRate::RefreshLift);
        panel.liftButton(0)->click();
        QCOMPARE(lifts.count(), 1);
        QCOMPARE(int(lifts.at(0).at(0).value<quint8>()), 1);
        // The choice is kept, but laid out without room.
        QVERIFY(panel.liftButton(0)->geometry().isEmpty());
    }

    void pointerAndScrollSpeedStayInRange()
    {
        WindowDataFolder data;
        ProfileData profile;
        profile.mousespeed = 0;
        profile.scrollspeed = 30;
        TarnPointSpeed panel(&profile, 1.0);
        QCOMPARE(panel.slider()->value(), 1);
        QCOMPARE(panel.spinBox()->value(), 20);
        // Showing the record writes nothing back.
        QCOMPARE(int(profile.mousespeed), 0);
        QCOMPARE(int(profile.scrollspeed), 30);

        panel.slider()->setValue(25);
        QCOMPARE(panel.slider()->value(), 20);
        QCOMPARE(int(profile.mousespeed), 20);
        panel.slider()->setValue(7);
        QCOMPARE(int(profile.mousespeed), 7);
        panel.spinBox()->setValue(0);
        QCOMPARE(panel.spinBox()->value(), 1);
        QCOMPARE(int(profile.scrollspeed), 1);
        panel.spinBox()->stepBy(4);
        QCOMPARE(int(profile.scrollspeed), 5);

        // A refresh moves the edits to the new record.
        ProfileData other;
        other.mousespeed = 12;
        other.scrollspeed = 2;
        panel.refresh(&other);
        panel.spinBox()->setValue(9);
        QCOMPARE(int(other.scrollspeed), 9);
        QCOMPARE(int(profile.scrollspeed), 5);
        ProfileData applied;
        panel.copyValuesInto(applied);
        QCOMPARE(int(applied.mousespeed), 12);
        QCOMPARE(int(applied.scrollspeed), 9);
    }

    void keysWheelAndTypedFiguresReachTheMouse()
    {
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &window = *rig.window;
        BoxAnswers boxes;
        window.showPage(PageDpi);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        TarnDPIWindow &dpi = *window.dpiWindow();
        QCOMPARE(dpi.sensor(), 3389); // 50 DPI a step up to 16000, then 100
        for (int i = 0; i < 5; ++i) {
            if (dpi.row(i)->linkBox()->isChecked())
                dpi.row(i)->linkBox()->click();
        }

        // Arrows move the X bar one sensor step each, Page Up/Down ten.
        TarnTwoBarSlider *first = dpi.row(0)->slider();
        const int x0 = first->xValue();
        const int y0 = first->yValue();
        QVERIFY(x0 + 12 <= first->maximum());
        first->setFocus();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_PageUp})
            QTest::keyClick(first, key);
        QCOMPARE(first->xValue(), x0 + 12);
        QCOMPARE(first->yValue(), y0);
        QCOMPARE(dpi.row(0)->xLabel()->text(), QString("X:%1").arg(dpiForStep(x0 + 12, 3389)));
        QTest::keyClick(first, Qt::Key_PageDown);
        QTest::keyClick(first, Qt::Key_Right);
        QTest::keyClick(first, Qt::Key_Right);
        QTest::keyClick(first, Qt::Key_Right);

        // The wheel over the Y bar: one step a notch; half notches add up.
        TarnTwoBarSlider *second = dpi.row(1)->slider();
        const int x1 = second->xValue();
        const int y1 = second->yValue();
        const QPointF overY(second->width() / 2.0, second->height() * 0.75);
        for (int delta : {120, 60, 60, -120, 120}) {
            QWheelEvent wheel(overY, QPointF(second->mapToGlobal(overY.toPoint())), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(second, &wheel);
        }
        QCOMPARE(second->yValue(), y1 + 2);
        QCOMPARE(second->xValue(), x1);

        // A typed figure snaps to the nearest step the sensor takes and shows what it became:
        // the "DPI" figure sets X and Y, the X figure X alone.
        TarnSingleDPI *third = dpi.row(2);
        QTest::mouseDClick(third->dpiLabel(), Qt::LeftButton);
        QVERIFY(third->entry()->isVisible());
        QTest::keyClicks(third->entry(), "1020");
        QTest::keyClick(third->entry(), Qt::Key_Return);
        QVERIFY(!third->entry()->isVisible());
        QCOMPARE(third->dpiLabel()->text(), QString("DPI : 1000"));
        QCOMPARE(third->xLabel()->text(), QString("X:1000"));
        QVERIFY(QApplication::focusWidget() != window.nameEdit());

        TarnSingleDPI *fourth = dpi.row(3);
        const int y3 = fourth->slider()->yValue();
        QTest::mouseDClick(fourth->xLabel(), Qt::LeftButton);
        QTest::keyClicks(fourth->entry(), "17049");
        QTest::keyClick(fourth->entry(), Qt::Key_Enter);
        QCOMPARE(fourth->xLabel()->text(), QString("X:17000"));
        QCOMPARE(fourth->slider()->yValue(), y3);

        // Escape leaves the stage as it was.
        TarnSingleDPI *fifth = dpi.row(4);
        const int x4 = fifth->slider()->xValue();
        const int y4 = fifth->slider()->yValue();
        QTest::mouseDClick(fifth->dpiLabel(), Qt::LeftButton);
        QTest::keyClicks(fifth->entry(), "5000");
        QTest::keyClick(fifth->entry(), Qt::Key_Escape);
        QVERIFY(!fifth->entry()->isVisible());

        QTest::mouseClick(window.button(MousecfgWidget::BtnApply), Qt::LeftButton);
        QVERIFY(boxes.texts.isEmpty());
        const SimDpiBlock block = rig.mouse.dpiBlock(3389);
        QCOMPARE(block.stages[0].xStep, x0 + 5);
        QCOMPARE(block.stages[0].yStep, y0);
        QCOMPARE(block.stages[1].xStep, x1);
        QCOMPARE(block.stages[1].yStep, y1 + 2);
        QCOMPARE(block.stages[2].xStep, 20);
        QCOMPARE(block.stages[2].yStep, 20);
        QCOMPARE(block.stages[3].xStep, 330);
        QCOMPARE(block.stages[3].yStep, y3);
        QCOMPARE(block.stages[4].xStep, x4);
        QCOMPARE(block.stages[4].yStep, y4);
    }

    void keysStopAtTheRangeAndLinkedStagesMoveTogether()
    {
        WindowDataFolder data;
        TarnDPIWindow panel(ProfileData(), 1.0);
        ProfileData profile;
        profile.dpiInfo[0] = {1, 1, 0, 3, 3};
        profile.dpiInfo[1].x = 0; // never set: step 0 has no resolution on this sensor
        profile.dpiInfo[1].y = 0;
        panel.loadProfile(profile, 3389);
        TarnSingleDPI *row = panel.row(0);
        TarnTwoBarSlider *slider = row->slider();
        QSignalSpy moved(row, &TarnSingleDPI::DPISignal);
        QTest::keyClick(slider, Qt::Key_Home);
        QTest::keyClick(slider, Qt::Key_Down);
        QCOMPARE(slider->xValue(), 2); // the range's first step
        QCOMPARE(slider->yValue(), 2); // linked
        QTest::keyClick(slider, Qt::Key_End);
        QTest::keyClick(slider, Qt::Key_PageUp);
        QCOMPARE(slider->xValue(), 480);
        QCOMPARE(panel.profileData().dpiInfo[0].y, 480u);
        QCOMPARE(moved.count(), 2); // presses that change nothing say nothing

        // A typed figure past either end of the range takes that end.
        row->typeDpi(TarnSingleDPI::Typed::Both);
        QTest::keyClicks(row->entry(), "1");
        QTest::keyClick(row->entry(), Qt::Key_Return);
        QCOMPARE(slider->xValue(), 2);
        QCOMPARE(row->dpiLabel()->text(), QString("DPI : 100"));
        row->typeDpi(TarnSingleDPI::Typed::Y);
        QTest::keyClicks(row->entry(), "99999");
        QTest::keyClick(row->entry(), Qt::Key_Return);
        QCOMPARE(slider->yValue(), 480); // linked: both
        QCOMPARE(slider->xValue(), 480);

        // A stage the model never set is no "0 DPI".
        QVERIFY(!panel.row(1)->dpiLabel()->text().contains('0'));
        QVERIFY(!panel.row(1)->xLabel()->text().contains('0'));
    }

    void applyThroughTheWindowSendsWhatThePageShows_data()
    {
        QTest::addColumn<bool>("cable");
        QTest::newRow("receiver") << false;
        QTest::newRow("cable") << true;
    }
    void applyThroughTheWindowSendsWhatThePageShows()
    {
        QFETCH(bool, cable);
        WindowDataFolder data;
        SimOptions options;
        options.receiver = !cable;
        options.cable = cable;
        WindowRig rig(options);
        MousecfgWidget &window = *rig.window;
        BoxAnswers boxes;
        window.showPage(PageDpi);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        TarnDPIWindow &dpi = *window.dpiWindow();
        QCOMPARE(dpi.sensor(), 3389); // "MouseSenSor/1" of the settings
        QCOMPARE(dpi.stageCount(), 6);
        QVERIFY(dpi.isVisible());
        QVERIFY(window.reportRate()->isVisible());
        QVERIFY(window.pointSpeed()->isVisible());

        // "125 HZ", then OK: OK sends the scroll speed edited in place, with the old rate.
        const quint8 oldRate = window.workingSet().current().pollrate;
        QVERIFY(oldRate != 8);
        window.reportRate()->rateMenu()->actions().at(0)->trigger();
        window.pointSpeed()->spinBox()->setValue(7);
        window.okProfiles();
        QCOMPARE(int(rig.mouse.settings().scrollSpeed[0]), 7);
        QCOMPARE(rig.mouse.settings().pollRate[0], oldRate);
        window.show();
        QTest::mouseClick(window.button(MousecfgWidget::BtnApply), Qt::LeftButton);
        QCOMPARE(simReportRateHz(rig.mouse.settings().pollRate[0]), 125);

        // Stage 2 on, its X bar moved; stage 4 made active; 250 Hz; lift 1 mm.
        TarnSingleDPI *row = dpi.row(1);
        if (!row->enableBox()->isChecked())
            row->enableBox()->click();
        pressBar(row->slider(), false, 0.6);
        dpi.row(3)->selector()->click();
        window.reportRate()->rateMenu()->actions().at(1)->trigger();
        window.reportRate()->liftButton(0)->click();
        QCOMPARE(int(window.workingSet().LiftHigh), 1);
        QTest::mouseClick(window.button(MousecfgWidget::BtnApply), Qt::LeftButton);
        QVERIFY(boxes.texts.isEmpty());

        const SimSettings settings = rig.mouse.settings();
        QCOMPARE(simReportRateHz(settings.pollRate[0]), 250);
        QCOMPARE(int(settings.dpiStage), 3);
        QCOMPARE(int(settings.liftHigh), 1);
        const SimDpiBlock block = rig.mouse.dpiBlock(3389);
        QCOMPARE(int(block.stageCount), 6);
        for (int i = 0; i < kDpiStageCount; ++i) {
            const SimDpiStage &stage = block.stages[size_t(i)];
            const TarnSingleDPI *shown = dpi.row(i);
            QCOMPARE(stage.enabled, i < 6 && shown->enableBox()->isChecked());
            QCOMPARE(dpiForStep(stage.xStep, 3389), labelNumber(shown->xLabel()));
            QCOMPARE(dpiForStep(stage.yStep, 3389), labelNumber(shown->yLabel()));
        }
        QVERIFY(block.stages[1].enabled);
        QCOMPARE(block.stages[1].xStep, row->slider()->xValue());
        QVERIFY(row->slider()->xValue() > 200);
        QVERIFY(dpi.row(3)->isActive());
    }
};

QTEST_MAIN(TestDpiPage)
#include "gui_test_dpi_page.moc"
