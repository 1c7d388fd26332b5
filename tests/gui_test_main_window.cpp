// The main window on the simulated mouse: tray, hot-plug warnings, dragging, language, battery.

#include "app/mousecfg_widget.h"
#include "app/window_messages.h"
#include "device/device_link.h"
#include "device/device_state.h"
#include "sim/block_decoder.h"
#include "sim/sim_hotplug_source.h"
#include "sim/simulated_mouse.h"
#include "support/window_rig.h"
#include "storage/app_paths.h"
#include "storage/data_paths.h"
#include "storage/settings_file.h"
#include "panels/macro_dialog.h"
#include "panels/tarn_dpi_window.h"
#include "panels/tarn_single_dpi.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_two_bar_slider.h"
#include "widgets/skin.h"
#include "widgets/theme.h"
#include "widgets/tarn_processbar.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_status_text.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// A data folder of its own with the shipped model description and settings template, plus
// any settings the test wants.
struct DataFolder {
    explicit DataFolder(const QMap<QString, QVariant> &settings = {})
    {
        AppPaths::setDataDirOverride(dir.path());
        AppPaths::init();
        QFile::copy(QStringLiteral(MOUSECFG_APP_DIR) + "/DefaultProfile.bin", dir.path() + "/DefaultProfile.bin");
        AppPaths::prepareDataFolder();
        QSettings ini(settingsFilePath(), QSettings::IniFormat);
        for (auto it = settings.begin(); it != settings.end(); ++it)
            ini.setValue(it.key(), it.value());
    }
    QTemporaryDir dir;
};

// The simulated mouse, its hot-plug source and the window on them.
using Rig = WindowRig;

SimOptions noMouse()
{
    SimOptions simOptions;
    simOptions.receiver = false;
    return simOptions;
}

void sendMouse(QWidget *window, QEvent::Type type, const QPoint &global, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, window->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(window, &event);
}

QStringList menuTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text();
    return texts;
}

int storedLanguage()
{
    return QSettings(AppPaths::configsFolder() + "/LangConfig.ini", QSettings::IniFormat).value("Config/LangID", -1).toInt();
}

// A content panel that records what the window hands it.
class ProbePanel : public QWidget, public ProfilePanel {
public:
    using QWidget::QWidget;
    void refreshFromProfile(const PanelContext &context) override
    {
        ++refreshes;
        last = context;
    }
    void copyValuesInto(ProfileData &profile) const override { profile.pollrate = 2; }
    void retranslatePanel() override { ++retranslations; }
    int refreshes = 0;
    int retranslations = 0;
    PanelContext last;
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Profile changes give the host a pointer speed: never the real desktop's.
        qputenv("GSETTINGS_BACKEND", "memory");
        qunsetenv("DISPLAY");
    }

    void init() { g_mouseOff.store(false); }

    void trayClicksHideAndShowTheWindow()
    {
        DataFolder data;
        Rig rig;
        MousecfgWidget &w = *rig.window;
        w.setTrayAvailable(true);
        QCOMPARE(w.mouseCount(), 1);
        QTRY_VERIFY(w.isVisible()); // the start-up check shows it

        emit w.trayIcon()->activated(QSystemTrayIcon::Trigger);
        QVERIFY(!w.isVisible());
        emit w.trayIcon()->activated(QSystemTrayIcon::Context);
        QVERIFY(!w.isVisible());
        emit w.trayIcon()->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w.isVisible());
        QVERIFY(!w.warningBox()); // a mouse is there: no warning

        // The close button hides; the tray brings it back.
        QTest::mouseClick(w.closeButton(), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        w.loadConfigAction()->trigger();
        QVERIFY(w.isVisible());
        // "&Load Config", "Start with the desktop", "Automatic switching…", "&Quit"
        QCOMPARE(w.trayMenu()->actions().size(), 4);
    }

    void withoutMouseTheWarningShowsAndAcceptingHides()
    {
        DataFolder data;
        Rig rig(noMouse());
        MousecfgWidget &w = *rig.window;
        w.setTrayAvailable(true);
        QCOMPARE(w.mouseCount(), 0);
        QVERIFY(!w.isVisible());
        QTRY_VERIFY(w.warningBox());
        QVERIFY(w.isVisible() && w.isWarningOpen());
        QCOMPARE(w.warningBox()->kind(), int(TarnMessageBox::Receiver));
        QVERIFY(w.warningBox()->findChild<QLabel *>("msgBoxInfoLabel2")->text() == "Receiver disconnected!");

        // While the box is open the tray does not hide the window, and a second warning opens no
        // second box.
        emit w.trayIcon()->activated(QSystemTrayIcon::Trigger);
        QVERIFY(w.isVisible());
        TarnMessageBox *box = w.warningBox();
        w.deviceStatus().slotWarning();
        QCOMPARE(w.warningBox(), box);
        QCOMPARE(w.findChildren<TarnMessageBox *>().size(), 1);

        QSignalSpy closed(&w, &MousecfgWidget::warningClosed);
        QTest::mouseClick(box->findChild<QToolButton *>("msgBoxYesBtn"), Qt::LeftButton);
        QCOMPARE(closed.size(), 1);
        QCOMPARE(closed.at(0).at(0).toInt(), 1);
        QVERIFY(!w.isVisible()); // still no mouse
        QVERIFY(!w.isWarningOpen());

        // "&Load Config" brings window and box back.
        w.loadConfigAction()->trigger();
        QVERIFY(w.isVisible());
        QVERIFY(w.warningBox());
    }

    void withoutATrayTheWindowIsMinimisedInsteadOfHidden()
    {
        DataFolder data;
        Rig rig(noMouse());
        MousecfgWidget &w = *rig.window;
        w.setTrayAvailable(false);
        QTRY_VERIFY(w.warningBox());
        QTest::mouseClick(w.warningBox()->findChild<QToolButton *>("msgBoxYesBtn"), Qt::LeftButton);
        QVERIFY(w.isVisible());
        QVERIFY(w.isMinimized());
        w.showNormal();
        QTest::mouseClick(w.closeButton(), Qt::LeftButton);
        QVERIFY(w.isVisible() && w.isMinimized());
    }

    // --simulate=unplug=N: the link that takes the N-th report goes away, reported through the
    // hot-plug source: with the receiver alone the window warns; with both links it falls back to
    // the receiver without a warning.
    void unplugFaultReachesTheWindow()
    {
        DataFolder data;
        SimOptions alone;
        alone.faults.unplug = 1; // the poller's first battery query
        Rig rig(alone);
        QTRY_VERIFY_WITH_TIMEOUT(rig.window->warningBox(), 3000);
        QCOMPARE(rig.window->mouseCount(), 0);

        SimOptions both;
        both.cable = true;
        both.faults.unplug = 1;
        Rig fallBack(both);
        QTRY_COMPARE_WITH_TIMEOUT(fallBack.window->connectionStateValue(), 2, 3000); // the receiver alone
        QVERIFY(!fallBack.mouse.isPlugged(SimLink::Cable));
        QCOMPARE(fallBack.window->mouseCount(), 1);
        QVERIFY(!fallBack.window->warningBox());
    }

    void unplugWarnsAndPlugBackClosesTheWarning()
    {
        DataFolder data;
        Rig rig;
        MousecfgWidget &w = *rig.window;
        QTRY_VERIFY(w.isVisible());
        QVERIFY(w.receiverIcon()->isVisibleTo(&w));
        w.showPage(PageDpi);

        rig.mouse.unplug(SimLink::Receiver);
        QElapsedTimer sinceUnplug;
        sinceUnplug.start();
        qint64 warnedAfter = -1;
        QTimer boxWatch;
        boxWatch.setInterval(2);
        connect(&boxWatch, &QTimer::timeout, [&] {
            if (w.warningBox() && warnedAfter < 0)
                warnedAfter = sinceUnplug.elapsed();
        });
        boxWatch.start();
        QCOMPARE(w.mouseCount(), 0);
        QVERIFY(!w.isMouseBack());
        QVERIFY(!w.receiverIcon()->isVisibleTo(&w));
        QTRY_VERIFY_WITH_TIMEOUT(warnedAfter >= 0, 1000);
        boxWatch.stop();
        qInfo("\"Dongle Disconnect!\" %lld ms after the unplug", warnedAfter);
        // Due 200 ms after the removal; the bound leaves room for a busy machine.
        QVERIFY2(warnedAfter <= 400, qPrintable(QString::number(warnedAfter)));

        // The mouse comes back: the box closes by itself (accepted) soon after the window
        // marked the mouse as back, and the window is refreshed on the first page.
        QSignalSpy closed(&w, &MousecfgWidget::warningClosed);
        rig.mouse.plug(SimLink::Receiver);
        QElapsedTimer sinceBack;
        QTimer watch;
        watch.setInterval(2);
        connect(&watch, &QTimer::timeout, [&] {
            if (w.isMouseBack() && !sinceBack.isValid())
                sinceBack.start();
        });
        watch.start();
        qint64 closedAfter = -1;
        connect(&w, &MousecfgWidget::warningClosed, [&] { closedAfter = sinceBack.isValid() ? sinceBack.elapsed() : -2; });
        QTRY_COMPARE_WITH_TIMEOUT(closed.size(), 1, 2000);
        qInfo("the watched box closed %lld ms after the mouse-back flag", closedAfter);
        // The box looks every 100 ms.
        QVERIFY2(closedAfter >= 0 && closedAfter <= 200, qPrintable(QString::number(closedAfter)));
        QCOMPARE(closed.at(0).at(0).toInt(), 1);
        QVERIFY(w.isVisible());
        QCOMPARE(w.mouseCount(), 1);
        QCOMPARE(w.currentPage(), int(PageLighting));
        QVERIFY(w.isFrontView());
        QCOMPARE(w.selectedHotspot(ViewFront), 0);
        QVERIFY(w.receiverIcon()->isVisibleTo(&w));
        QVERIFY(w.deviceLink().commandHandle());
    }

    void mouseSelectorSwitchesMice()
    {
        DataFolder data;
        Rig rig;
        MousecfgWidget &w = *rig.window;
        QVERIFY(!w.mouseSelector()->isVisibleTo(&w)); // one mouse: no selector
        QVERIFY(!w.windowIcon().isNull());            // found in the skin folder, wherever we run

        // A second known mouse on the same receiver: the selector appears with both names.
        MouseListEntry second = builtInMouseEntry();
        copyBounded(second.name, QByteArray("Second Mouse"));
        QVERIFY(w.deviceLink().addMouse(second));
        w.deviceLink().enumerateMice();
        w.deviceLink().refreshMouseList();
        QCOMPARE(w.mouseCount(), 2);
        QVERIFY(w.mouseSelector()->isVisibleTo(&w));
        QCOMPARE(w.mouseSelector()->text(), QString("DRUV M7 Wireless"));
        const QList<QAction *> actions = w.mouseMenu()->actions();
        QCOMPARE(actions.size(), 2);

        emit w.mouseMenu()->triggered(actions.at(1));
        QCOMPARE(w.mouseSelector()->text(), QString("Second Mouse"));
        QCOMPARE(readCurrentProductName(), QString("Second Mouse"));
        QVERIFY(w.deviceLink().commandHandle());
    }

    void mouseBackBeforeTheWarningIsDue()
    {
        DataFolder data;
        Rig rig;
        MousecfgWidget &w = *rig.window;
        QTRY_VERIFY(w.isVisible());
        rig.mouse.unplug(SimLink::Receiver);
        rig.mouse.plug(SimLink::Receiver); // back at once: the removal's warning is not due yet
        QTRY_VERIFY(w.isMouseBack());
        QTRY_VERIFY(!w.warningBox() && !w.isWarningOpen());
        QCOMPARE(w.mouseCount(), 1);
        emit w.trayIcon()->activated(QSystemTrayIcon::Trigger);
        QVERIFY(!w.isVisible());
    }

    void dragMovesPastFourPixels()
    {
        DataFolder data;
        Rig rig;
        MousecfgWidget &w = *rig.window;
        w.show();
        const QPoint start = w.pos();
        const QPoint press = w.mapToGlobal(QPoint(450, 300)); // open surface of the window

        sendMouse(&w, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&w, QEvent::MouseMove, press + QPoint(3, 0), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(w.pos(), start);
        sendMouse(&w, QEvent::MouseMove, press + QPoint(2, 2), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(w.pos(), start);
        sendMouse(&w, QEvent::MouseMove, press + QPoint(5, 0), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(w.pos(), start + QPoint(5, 0));
        sendMouse(&w, QEvent::MouseMove, press + QPoint(-20, 30), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(w.pos(), start + QPoint(-20, 30));
        sendMouse(&w, QEvent::MouseButtonRelease, press + QPoint(-20, 30), Qt::LeftButton, Qt::NoButton);
        // After the release a move (even with a button held, pressed elsewhere) does not drag.
        sendMouse(&w, QEvent::MouseMove, press + QPoint(60, 60), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(w.pos(), start + QPoint(-20, 30));
    }

    void languageSwitchWithoutTranslationFile()
    {
        DataFolder data({{"FONT_LIST/LANGNUM", 3},
                         {"FONT_LIST/LangName_0", "English"},
                         {"FONT_LIST/LangFile_0", "none_en"},
                         {"FONT_LIST/LangName_1", "Deutsch"},
                         {"FONT_LIST/LangFile_1", "none_de"},
                         {"FONT_LIST/LangName_2", "Escape"},
                         {"FONT_LIST/LangFile_2", "../../escape"}});
        {
            Rig rig;
            MousecfgWidget &w = *rig.window;
            QCOMPARE(w.languageMenu()->actions().size(), 3);
            QCOMPARE(w.languageButton()->text(), QString("English"));
            const QString tab = w.button(MousecfgWidget::BtnLighting)->text();
            QCOMPARE(tab, QString("LIGHTING"));

            w.languageMenu()->actions().at(1)->trigger();
            QCOMPARE(w.languageButton()->text(), QString("Deutsch"));
            QCOMPARE(w.currentLanguage(), 1);
            QCOMPARE(storedLanguage(), 1);
            QCOMPARE(w.button(MousecfgWidget::BtnLighting)->text(), tab);

            // A file name that would leave the lang folder is never loaded.
            QVERIFY(w.languageTable().translationPath(2).isEmpty());
            w.languageMenu()->actions().at(2)->trigger();
            QCOMPARE(storedLanguage(), 2);
            QCOMPARE(w.button(MousecfgWidget::BtnLighting)->text(), tab);
        }
        // The next start takes the saved index and again finds no file.
        Rig again;
        QCOMPARE(again.window->currentLanguage(), 2);
        QCOMPARE(again.window->languageButton()->text(), QString("Escape"));
        QCOMPARE(again.window->button(MousecfgWidget::BtnDpi)->text(), QString("DPI"));
    }

    void languageSwitchLoadsTheTranslation()
    {
        // The build's own lrelease, of the Qt it builds with.
        const QString lrelease = QStringLiteral(MOUSECFG_LRELEASE);
        if (!QFileInfo(lrelease).isExecutable())
            QSKIP("lrelease (Qt Linguist tools) is not installed");
        DataFolder data({{"FONT_LIST/LANGNUM", 2},
                         {"FONT_LIST/LangName_0", "English"},
                         {"FONT_LIST/LangFile_0", "missing_en"},
                         {"FONT_LIST/LangName_1", "Deutsch"},
                         {"FONT_LIST/LangFile_1", "test_de"},
                         {"FONT_LIST/FONT_SIZE_1", 20}});
        const QString lang = data.dir.path() + "/lang";
        QDir().mkpath(lang);
        QFile ts(lang + "/test_de.ts");
        QVERIFY(ts.open(QIODevice::WriteOnly));
        ts.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"de\">\n"
                 "<context><name>MousecfgWidget</name>\n"
                 "<message><source>LIGHTING</source><translation>BELEUCHTUNG</translation></message>\n"
                 "<message><source>MOUSE OFF</source><translation>MAUS AUS</translation></message>\n"
                 "</context>\n</TS>\n");
        ts.close();
        QCOMPARE(QProcess::execute(lrelease, {"-silent", ts.fileName(), "-qm", lang + "/test_de.qm"}), 0);

        Rig rig;
        MousecfgWidget &w = *rig.window;
        w.deviceStatus().slotRefreshBatteryStatus(0, 0, 0);
        QCOMPARE(w.batteryBar()->ownText(), QString("MOUSE OFF"));
        w.languageMenu()->actions().at(1)->trigger();
        QCOMPARE(w.button(MousecfgWidget::BtnLighting)->text(), QString("BELEUCHTUNG"));
        QCOMPARE(w.batteryBar()->ownText(), QString("MAUS AUS"));
        QCOMPARE(w.button(MousecfgWidget::BtnDpi)->text(), QString("DPI")); // untranslated stays
        QCOMPARE(w.versionLabel()->font().pixelSize(), 20);

        // Back to a language whose file is missing: the German translation stays in force, even
        // through a later re-translation.
        w.languageMenu()->actions().at(0)->trigger();
        QCOMPARE(storedLanguage(), 0);
        QCOMPARE(w.languageButton()->text(), QString("English"));
        w.retranslate();
        QCOMPARE(w.button(MousecfgWidget::BtnLighting)->text(), QString("BELEUCHTUNG"));
    }

    void languageAndThemeIndicesOutsideTheirTables()
    {
        // More languages than the ten slots, a saved index past the table, a theme past its table.
        QMap<QString, QVariant> settings{{"FONT_LIST/LANGNUM", 50}, {"Config/GColorID", 99}};
        for (int i = 0; i < kLanguageSlots; ++i)
            settings.insert(QString("FONT_LIST/LangName_%1").arg(i), QString("L%1").arg(i));
        DataFolder data(settings);
        writeLanguage(57);
        QString outsideStyle;
        {
            Rig rig;
            MousecfgWidget &w = *rig.window;
            QCOMPARE(w.languageMenu()->actions().size(), kLanguageSlots);
            QCOMPARE(w.currentLanguage(), 57);
            QVERIFY(w.languageButton()->text().isEmpty());
            QVERIFY(w.languageTable().translationPath(57).isEmpty());
            QVERIFY(w.languageTable().name(-1).isEmpty());
            QCOMPARE(storedLanguage(), 57); // kept until the user picks a language
            outsideStyle = w.languageMenu()->styleSheet();
            w.languageMenu()->actions().at(9)->trigger();
            QCOMPARE(storedLanguage(), 9);
        }
        QSettings(settingsFilePath(), QSettings::IniFormat).setValue("Config/GColorID", 0);
        Rig first;
        QCOMPARE(first.window->languageMenu()->styleSheet(), outsideStyle);
    }

    void batteryDisplay()
    {
        DataFolder data({{"Config/BatteryFull", 4200}});
        Rig rig;
        MousecfgWidget &w = *rig.window;
        TarnProcessbar *bar = w.batteryBar();

        w.deviceStatus().slotRefreshBatteryStatus(1, 0, 4); // raw 1024, 4224 mV: full
        QCOMPARE(bar->value(), 100);
        QVERIFY(w.chargingIcon()->isVisibleTo(&w));
        QCOMPARE(readBattery(), 100);
        QVERIFY(bar->isTextVisible());
        QCOMPARE(bar->format(), QString("%p%"));

        w.deviceStatus().slotRefreshBatteryStatus(0, 7, 3); // raw 775
        QCOMPARE(bar->value(), 10);
        QVERIFY(!w.chargingIcon()->isVisibleTo(&w));
        w.deviceStatus().slotRefreshBatteryStatus(0, 8, 3); // raw 776
        QCOMPARE(bar->value(), 20);
        QCOMPARE(w.lastBatteryLevel(), 20);
        QCOMPARE(readBattery(), 20);

        w.deviceStatus().slotRefreshBatteryStatus(0, 0, 0);
        QCOMPARE(bar->ownText(), QString("MOUSE OFF"));
        QVERIFY(!bar->isTextVisible());
        QVERIFY(g_mouseOff.load());
        QVERIFY(bar->styleSheet().contains("rgb(100,100,100)"));
        QCOMPARE(readBattery(), 20); // an off mouse reports no level

        w.deviceStatus().slotRefreshBatteryStatus(0, 0xCA, 3);
        QVERIFY(bar->ownText().isEmpty());
        QVERIFY(!g_mouseOff.load());
        QCOMPARE(bar->value(), 80);

        // Write status 0 marks the next send as a full one.
        writeDiff(0);
        w.deviceStatus().slotRefreshWriteStatus(1);
        QCOMPARE(readDiff(), 0);
        w.deviceStatus().slotRefreshWriteStatus(0);
        QCOMPARE(readDiff(), 1);
    }

    void batteryThresholdAndCableFromTheDevice()
    {
        DataFolder data({{"Config/BatteryFull", 4300}});
        SimOptions simOptions;
        simOptions.cable = true;
        simOptions.battery = {0, 0, 4};
        Rig rig(simOptions);
        MousecfgWidget &w = *rig.window;
        QCOMPARE(w.connectionStateValue(), 1);
        QVERIFY(!w.batteryBar()->isVisibleTo(&w)); // hidden while the cable is attached
        w.deviceStatus().slotRefreshBatteryStatus(1, 0, 4);        // 4224 mV below a 4300 threshold
        QCOMPARE(w.lastBatteryLevel(), 90);
        QCOMPARE(w.batteryBar()->value(), 100);     // the cable charges it
        QVERIFY(w.batteryBar()->format().isEmpty());

        rig.mouse.unplug(SimLink::Cable);
        QCOMPARE(w.connectionStateValue(), 2);
        QVERIFY(w.batteryBar()->isVisibleTo(&w));
        QVERIFY(w.receiverIcon()->isVisibleTo(&w));
        rig.mouse.plug(SimLink::Cable);
        rig.mouse.unplug(SimLink::Receiver);
        QCOMPARE(w.connectionStateValue(), 0);
        QVERIFY(!w.receiverIcon()->isVisibleTo(&w));
        QVERIFY(!w.batteryBar()->isVisibleTo(&w));
        rig.mouse.unplug(SimLink::Cable);
        QCOMPARE(w.connectionStateValue(), 3);
        QCOMPARE(w.mouseCount(), 0);
    }

    void pollerFeedsTheBatteryBar()
    {
        DataFolder data;
        SimOptions simOptions;
        simOptions.battery = {0, 0, 0}; // a sleeping mouse
        Rig rig(simOptions);
        QTRY_COMPARE_WITH_TIMEOUT(rig.window->batteryBar()->ownText(), QString("MOUSE OFF"), 2000);
        QVERIFY(g_mouseOff.load());
    }

    void profileChangedOnTheMouseIsFollowed()
    {
        DataFolder data;
        Rig rig;
        MousecfgWidget &w = *rig.window;
        QCOMPARE(int(w.workingSet().ProfileID), 0);
        rig.mouse.sendNotice(2, 0, 1, 0);
        QTRY_COMPARE_WITH_TIMEOUT(int(w.workingSet().ProfileID), 2, 3000);
        QVERIFY(w.profileSlotButton(2)->isOn());
        QVERIFY(!w.profileSlotButton(0)->isOn());
        w.deviceStatus().slotRefreshStatus(7, 0, 1, 0); // no such profile: ignored
        QCOMPARE(int(w.workingSet().ProfileID), 2);
    }

    void pagesViewsAndHotspots()
    {
        DataFolder data;
        Rig rig;
        MousecfgWidget &w = *rig.window;
        w.show();
        QVERIFY(w.frontPicture()->isVisibleTo(&w));
        QVERIFY(!w.frontPicture()->pixmap(Qt::ReturnByValue).isNull());
        // The side picture is decoded when its view is first shown.
        QVERIFY(w.sidePicture()->pixmap(Qt::ReturnByValue).isNull());
        QTest::mousePress(w.button(MousecfgWidget::BtnDpi), Qt::LeftButton);
        QCOMPARE(w.currentPage(), int(PageDpi));
        QVERIFY(!w.frontPicture()->isVisibleTo(&w));
        QVERIFY(w.button(MousecfgWidget::BtnDpi)->isOn());
        QVERIFY(!w.button(MousecfgWidget::BtnLighting)->isOn());

        // The button panel asks for the macro page when there is no macro to pick.
        w.slotGotoMacro();
        QCOMPARE(w.currentPage(), int(PageMacro));
        w.showPage(PageCustomize);
        QCOMPARE(w.currentPage(), int(PageCustomize));
        QVERIFY(w.hotspot(ViewFront, 0)->isVisibleTo(&w));
        QVERIFY(!w.hotspot(ViewSide, 0)->isVisibleTo(&w));
        QVERIFY(w.sidePicture()->pixmap(Qt::ReturnByValue).isNull());
        QTest::mouseClick(w.sideViewButton(), Qt::LeftButton);
        QVERIFY(!w.isFrontView());
        QVERIFY(w.sidePicture()->isVisibleTo(&w));
        const QImage side = w.sidePicture()->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(side, loadSkinImage(mouseSidePicturePath(readCurrentProductName()), side.size()));
        QVERIFY(!side.isNull());
        QVERIFY(w.hotspot(ViewSide, 0)->isVisibleTo(&w));
        QVERIFY(!w.hotspot(ViewUpDown, 0)->isVisibleTo(&w));
        QVERIFY(w.sideViewButton()->isOn() && !w.frontViewButton()->isOn());

        // A slot button switches to its slot and is then the only one marked.
        QTest::mouseClick(w.profileSlotButton(2), Qt::LeftButton);
        QCOMPARE(int(w.workingSet().ProfileID), 2);
        for (int k = 0; k < kProfileSlotCount; ++k)
            QCOMPARE(w.profileSlotButton(k)->isOn(), k == 2);

        // A page or hot-spot past its table changes nothing.
        w.showPage(7);
        QCOMPARE(w.currentPage(), int(PageCustomize));
        w.SelBtnChanged(3, ViewSide);
        w.SelBtnChanged(kHotspotsPerView, ViewSide);
        w.SelBtnChanged(0, 5);
        QCOMPARE(w.selectedHotspot(ViewSide), 3);
        QVERIFY(w.hotspot(ViewSide, 3)->isOn());
        w.SelBtnChanged(1, ViewUpDown);
        QVERIFY(!w.hotspot(ViewSide, 3)->isOn());
        QVERIFY(w.hotspot(ViewUpDown, 1)->isOn());

        // Hovering a front hot-spot swaps in that button's picture and back.
        const QImage plain = w.frontPicture()->pixmap(Qt::ReturnByValue).toImage();
        w.slotMouseOver(w.hotspot(ViewFront, 2), true);
        QVERIFY(w.frontPicture()->pixmap(Qt::ReturnByValue).toImage() != plain);
        w.slotMouseOver(w.hotspot(ViewFront, 2), false);
        QCOMPARE(w.frontPicture()->pixmap(Qt::ReturnByValue).toImage(), plain);
    }

    void layoutFollowsTheScaleStep()
    {
        DataFolder data;
        SimulatedMouse mouse;
        MousecfgWidget w(mouse, nullptr, 2);
        QCOMPARE(w.scaleFactor(), 1.5);
        QCOMPARE(w.size(), QSize(1498, 960));
        QCOMPARE(w.batteryBar()->geometry(), QRect(112, 880, 106, 51));
        QCOMPARE(w.button(MousecfgWidget::BtnMacro)->geometry(), QRect(103, 288, 231, 43));
        // OK and Cancel would cover LOAD1 and SAVE: they take no room.
        QVERIFY(w.button(MousecfgWidget::BtnOk)->geometry().isEmpty());
        QCOMPARE(w.button(MousecfgWidget::BtnLoadConfig)->geometry(), QRect(658, 882, 114, 45));
    }

    void windowTooLargeForItsScreenTakesASmallerStep()
    {
        DataFolder data;
        SimulatedMouse mouse;
        MousecfgWidget w(mouse, nullptr, 4);
        QCOMPARE(w.scaleFactor(), 2.0);
        // A 1600 x 1000 screen with a 40-pixel panel: at 2.0 title and Apply would lie off it.
        const QRect room(0, 40, 1600, 960);
        w.placeOnScreen(room);
        QCOMPARE(w.scaleStep(), 2);
        QVERIFY2(room.contains(w.frameGeometry()), qPrintable(QString("%1,%2 %3x%4").arg(w.x()).arg(w.y()).arg(w.width()).arg(w.height())));
        // Laid out again at the new step, the panels too.
        QCOMPARE(w.size(), QSize(1498, 960));
        QCOMPARE(w.button(MousecfgWidget::BtnLoadConfig)->geometry(), QRect(658, 882, 114, 45));
        QCOMPARE(w.dpiWindow()->geometry(), scaledRect(286, 75, 456, 386, 1.5));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.scaleStep(), 2);
        QVERIFY(w.rect().contains(w.button(MousecfgWidget::BtnApply)->geometry()));
    }

    void pageSwitchLeavesNoFieldWithTheKeyboard()
    {
        DataFolder data;
        Rig rig;
        MousecfgWidget &w = *rig.window;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QString name = w.nameEdit()->text();
        const QStringList library = menuTexts(w.profileFileMenu());
        const QString stored = settingsFilePath();
        QFile before(stored);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray settingsBefore = before.readAll();
        before.close();

        for (int page : {PageDpi, PageMacro, PageLighting, PageCustomize, PageDpi, PageLighting}) {
            // A field of the page before has the keyboard (the DPI sliders take it too).
            if (w.currentPage() == PageDpi)
                w.dpiWindow()->row(0)->slider()->setFocus();
            QTest::mouseClick(w.button(page), Qt::LeftButton);
            QCOMPARE(w.currentPage(), page);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY2(!focus || focus == &w, focus ? focus->metaObject()->className() : "");
            QVERIFY(!w.nameEdit()->hasSelectedText());
            // What the user types next goes nowhere near the profile name.
            QTest::keyClicks(&w, "xyz");
            QTest::keyClick(&w, Qt::Key_Return);
            QCOMPARE(w.nameEdit()->text(), name);
        }

        // The macro page's name field while no macro is chosen: disabled, drawn as disabled, and
        // a click on it takes the keyboard away from the profile name.
        QTest::mouseClick(w.button(PageMacro), Qt::LeftButton);
        TarnLineEdit *macroName = w.macroPage()->nameEdit();
        if (macroName->isEnabled())
            QSKIP("the fresh macro library has a macro chosen");
        const QImage disabledLook = macroName->grab().toImage();
        macroName->setEnabled(true);
        const QImage enabledLook = macroName->grab().toImage();
        macroName->setEnabled(false);
        const QPoint inside(macroName->width() / 2, macroName->height() / 2);
        QVERIFY(disabledLook.pixelColor(inside) != enabledLook.pixelColor(inside));

        w.nameEdit()->setFocus();
        QVERIFY(w.nameEdit()->hasFocus());
        QTest::mouseClick(macroName, Qt::LeftButton, Qt::NoModifier, inside);
        QVERIFY(!w.nameEdit()->hasFocus());
        QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : &w, "abc");
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_Return);
        QCOMPARE(w.nameEdit()->text(), name);
        QCOMPARE(menuTexts(w.profileFileMenu()), library);
        QFile after(stored);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), settingsBefore); // no rename was stored
    }

    void secondStartShowsTheWindow()
    {
        DataFolder data;
        Rig rig;
        MousecfgWidget &w = *rig.window;
        w.setTrayAvailable(true);
        QTRY_VERIFY(w.isVisible());
        QTest::mouseClick(w.closeButton(), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        w.showOnRequest();
        QVERIFY(w.isVisible());
        QVERIFY(!w.warningBox());
        // Minimised (as without a tray): restored.
        w.showMinimized();
        QTRY_VERIFY(w.isMinimized());
        w.showOnRequest();
        QVERIFY(!w.isMinimized());
        QVERIFY(w.isVisible());
    }

    void panelsArePlacedShownRefreshedAndAskedForTheirValues()
    {
        DataFolder data({{"MouseSenSor/1", 3389}});
        SimulatedMouse mouse;
        MousecfgWidget w(mouse, nullptr, 4);
        auto *probe = new ProbePanel(&w);
        w.addPanel(PanelKind::Dpi, probe, probe, QRect(286, 75, 456, 386));
        QCOMPARE(probe->geometry(), QRect(572, 150, 912, 772));
        w.showPage(PageDpi);
        QVERIFY(probe->isVisibleTo(&w));
        w.showPage(PageLighting);
        QVERIFY(!probe->isVisibleTo(&w));

        w.refreshPanels();
        QCOMPARE(probe->refreshes, 1);
        QCOMPARE(probe->last.sensor, 3389);
        QVERIFY(probe->last.current == &w.workingSet().current());
        QVERIFY(probe->last.lighting == probe->last.current);

        w.copyPanelValues();
        QCOMPARE(int(w.workingSet().current().pollrate), 2);
        w.retranslate();
        QCOMPARE(probe->retranslations, 1);
    }

    // A data folder without DefaultProfile.bin takes the shipped one, as it does skin and
    // translations: the mouse gets the same blocks and the window shows the same version. An
    // empty file is no model description, which the window says.
    void theShippedModelDescriptionStandsInForAMissingOne()
    {
        struct Seen {
            std::vector<BlockImage> blocks; // settings, DPI, buttons, lighting
            QString version;
            QString status;
            bool polled = false; // the poller's first query came before the Apply
        };
        enum class Model { Copied, Missing, Empty };
        const auto applyWith = [](Model model) -> Seen {
            WindowDataFolder data({{"Config/Diff", 1}});
            const QString path = data.dir.path() + "/DefaultProfile.bin";
            if (model != Model::Copied)
                QFile::remove(path);
            if (model == Model::Empty)
                QFile(path).open(QIODevice::WriteOnly);
            Rig rig;
            MousecfgWidget &w = *rig.window;
            Seen seen;
            seen.polled = QTest::qWaitFor([&] { return !rig.mouse.receivedReports().empty(); }, 5000);
            w.applyProfiles();
            for (uint8_t block : {0x01, 0x02, 0x03, 0x04})
                seen.blocks.push_back(rig.mouse.blockImage(block));
            seen.version = w.versionLabel()->text();
            seen.status = w.statusText()->isHidden() ? QString() : w.statusText()->text();
            return seen;
        };
        const Seen shipped = applyWith(Model::Copied);
        QVERIFY(shipped.polled);
        QVERIFY(shipped.version.size() > QString("Version : ").size());
        QCOMPARE(shipped.status, QString("Settings applied."));

        const Seen missing = applyWith(Model::Missing);
        QCOMPARE(missing.version, shipped.version);
        QCOMPARE(missing.status, shipped.status);
        for (size_t i = 0; i < shipped.blocks.size(); ++i)
            QVERIFY2(missing.blocks[i] == shipped.blocks[i], qPrintable(QString("block %1").arg(i + 1)));

        const Seen empty = applyWith(Model::Empty);
        QCOMPARE(empty.version, QString("Version : "));
        QVERIFY(empty.blocks[2] != shipped.blocks[2]); // no front buttons
        // Said from the start (an Apply's confirmation takes its place).
        WindowDataFolder data;
        QFile::remove(data.dir.path() + "/DefaultProfile.bin");
        QFile(data.dir.path() + "/DefaultProfile.bin").open(QIODevice::WriteOnly);
        Rig rig;
        QVERIFY(!rig.window->statusText()->isHidden());
        QCOMPARE(rig.window->statusText()->text(), noModelDescriptionText());
        QCOMPARE(rig.window->statusText()->text(), QString("No model description found: buttons and DPI stages are unknown."));
    }

    void macroTabTakesNoRoomWhenTheModelHasNoMacros()
    {
        DataFolder data;
        QSettings(AppPaths::modelDescriptionPath(), QSettings::IniFormat).setValue("PROFILE/DisableMacro", 1);
        SimulatedMouse mouse;
        MousecfgWidget w(mouse, nullptr, 0);
        QVERIFY(w.button(MousecfgWidget::BtnMacro)->geometry().isEmpty());
        QCOMPARE(w.button(MousecfgWidget::BtnDpi)->geometry(), QRect(69, 158, 154, 29));
    }
};

QTEST_MAIN(TestMainWindow)
#include "gui_test_main_window.moc"
