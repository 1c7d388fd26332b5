#include "app/window_rules.h"

#include <QtTest>

class TestWindowRules : public QObject {
    Q_OBJECT
private slots:
    void scaleSteps()
    {
        // 144 logical DPI: step 2, a 1498 × 960 window.
        const ScaleStep at144 = scaleForRatio(144.0 / 96.0);
        QCOMPARE(at144.step, 2);
        QCOMPARE(scaled(kDesignWidth, at144.factor), 1498);
        QCOMPARE(scaled(kDesignHeight, at144.factor), 960);
        // Bounds are exclusive: exactly 1.1 is already step 1.
        QCOMPARE(scaleForRatio(1.0).step, 0);
        QCOMPARE(scaleForRatio(1.0999).step, 0);
        QCOMPARE(scaleForRatio(1.1).step, 1);
        QCOMPARE(scaleForRatio(2.0).factor, 2.0);
        QCOMPARE(scaleForRatio(4.79).step, 15);
        QCOMPARE(scaleForRatio(4.8).step, 16);
        QCOMPARE(scaleForRatio(9.0).factor, 5.0);
    }

    void scaleStepIsCappedToTheScreen()
    {
        // 2.0 on a 1600 x 1000 screen whose panel takes 40 pixels: 1.5 is the largest that fits.
        QCOMPARE(stepFittingScreen(4, QSize(1600, 960)), 2);
        QCOMPARE(stepFittingScreen(4, QSize(1600, 959)), 1);
        // Exactly the window's size fits; a step that fits is kept, never raised.
        QCOMPARE(stepFittingScreen(4, QSize(1998, 1280)), 4);
        QCOMPARE(stepFittingScreen(1, QSize(4000, 4000)), 1);
        // Width alone can decide.
        QCOMPARE(stepFittingScreen(16, QSize(1300, 4000)), 1);
        // A screen smaller than the design grid still gets the window at 1.0; a step out of the
        // table is bounded first.
        QCOMPARE(stepFittingScreen(4, QSize(800, 600)), 0);
        QCOMPARE(stepFittingScreen(40, QSize(100000, 100000)), kLastScaleStep);
        QCOMPARE(stepFittingScreen(-3, QSize(1600, 1000)), 0);
    }

    void placementKeepsTheWindowOnScreen()
    {
        // Centred on the available room, which need not start at 0, 0.
        QCOMPARE(windowPlacement(QSize(999, 640), QRect(0, 0, 1599, 1000)), QPoint(300, 180));
        QCOMPARE(windowPlacement(QSize(1000, 600), QRect(1920, 30, 1600, 970)), QPoint(2220, 215));
        // Larger than the room: the top-left corner (title and close button) stays on it.
        QCOMPARE(windowPlacement(QSize(1998, 1280), QRect(0, 0, 1600, 1000)), QPoint(0, 0));
        QCOMPARE(windowPlacement(QSize(999, 1280), QRect(100, 40, 1600, 1000)), QPoint(400, 40));
        // Exactly the room's size.
        QCOMPARE(windowPlacement(QSize(1600, 1000), QRect(0, 0, 1600, 1000)), QPoint(0, 0));
    }

    void rectanglesTruncateEachProduct()
    {
        QCOMPARE(scaledRect(637, 99, 300, 400, 1.25), QRect(796, 123, 375, 500));
        QCOMPARE(scaledRect(75, 587, 71, 34, 1.75), QRect(131, 1027, 124, 59));
    }

    void pagesShowTheirOwnControls()
    {
        const PageVisibility lighting = pageVisibility(PageLighting, true);
        QVERIFY(lighting.lightingPanel && lighting.frontPicture && lighting.modelLabel);
        QVERIFY(!lighting.buttonPanel && !lighting.dpiPanels && !lighting.macroEditor && !lighting.sidePicture);

        const PageVisibility side = pageVisibility(PageCustomize, false);
        QVERIFY(side.sidePicture && side.sideHotspots && side.buttonPanel && side.viewButtons);
        QVERIFY(!side.frontPicture && !side.frontHotspots && !side.lightingPanel);

        const PageVisibility dpi = pageVisibility(PageDpi, true);
        QVERIFY(dpi.dpiPanels && !dpi.frontPicture && !dpi.modelLabel);

        const PageVisibility macro = pageVisibility(PageMacro, true);
        QVERIFY(macro.macroEditor && !macro.dpiPanels && !macro.lightingPanel && !macro.modelLabel);
    }

    void upDownImagesFollowTheProduct()
    {
        QCOMPARE(upDownHotspotImages("SELKA FPS").up.first(), QString("btn_up4.png"));
        QCOMPARE(upDownHotspotImages("selka").up.first(), QString("btn_up2.png")); // case-sensitive
        QCOMPARE(upDownHotspotImages("").down, QStringList({"btn_down2.png", "btn_down1.png", "btn_down1.png"}));
    }

    void trayActivation()
    {
        QCOMPARE(trayAction(QSystemTrayIcon::Trigger, false, false), TrayAction::ShowWindow);
        QCOMPARE(trayAction(QSystemTrayIcon::DoubleClick, true, false), TrayAction::HideWindow);
        QCOMPARE(trayAction(QSystemTrayIcon::Trigger, true, true), TrayAction::None);
        QCOMPARE(trayAction(QSystemTrayIcon::Context, false, false), TrayAction::None);
        QCOMPARE(trayAction(QSystemTrayIcon::MiddleClick, true, false), TrayAction::None);
    }

    void dragThreshold()
    {
        QVERIFY(!dragMoves(3, 0));
        QVERIFY(!dragMoves(2, -2));
        QVERIFY(dragMoves(5, 0));
        QVERIFY(dragMoves(-3, 2));
    }
};

QTEST_GUILESS_MAIN(TestWindowRules)
#include "gui_test_window_rules.moc"
