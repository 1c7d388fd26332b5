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
