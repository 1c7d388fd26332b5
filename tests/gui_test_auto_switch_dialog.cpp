// The "Automatic switching" dialog as a user works it: opened from the tray and the profile-file
// menu, rules typed, ordered, given slots and deleted; what counts is what Configs/AutoSwitch.ini
// holds afterwards.

#include "app/auto_switch_dialog.h"
#include "storage/data_paths.h"
#include "support/window_rig.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The dialog the window has open, or null.
AutoSwitchDialog *openDialog(MousecfgWidget &w)
{
    for (AutoSwitchDialog *dialog : w.findChildren<AutoSwitchDialog *>()) {
        if (dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

AutoSwitchDialog *openFromTray(MousecfgWidget &w)
{
    w.autoSwitchTrayAction()->trigger();
    return openDialog(w);
}

void typeApp(AutoSwitchDialog *d, const QString &name)
{
    d->appField()->setEditText(QString());
    QTest::keyClicks(d->appField()->lineEdit(), name);
}

void addApp(AutoSwitchDialog *d, const QString &name)
{
    typeApp(d, name);
    QTest::mouseClick(d->addButton(), Qt::LeftButton);
}

void clickRow(AutoSwitchDialog *d, int row)
{
    QTreeWidget *list = d->ruleList();
    const QRect rect = list->visualItemRect(list->topLevelItem(row));
    QVERIFY(rect.isValid());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.topLeft() + QPoint(4, rect.height() / 2));
}

// Steps a drop-down down `steps` entries from where it is, as the arrow keys do.
void stepDown(QComboBox *box, int steps)
{
    for (int i = 0; i < steps; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

QStringList listedApps(AutoSwitchDialog *d)
{
    QStringList apps;
    for (int row = 0; row < d->ruleList()->topLevelItemCount(); ++row)
        apps << d->ruleList()->topLevelItem(row)->text(0);
    return apps;
}

} // namespace

class TestAutoSwitchDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("GSETTINGS_BACKEND", "memory");
        // No display: the window cannot follow the focus, and the dialog says so.
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("XDG_SESSION_TYPE");
    }

    void rulesAreEditedAndStoredOnOk()
    {
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        QVERIFY(w.trayMenu()->actions().contains(w.autoSwitchTrayAction()));
        const QList<QAction *> tray = w.trayMenu()->actions();
        QCOMPARE(tray.indexOf(w.autoSwitchTrayAction()), tray.indexOf(w.autostartAction()) + 1);
        QCOMPARE(tray.indexOf(w.quitAction()), tray.indexOf(w.autoSwitchTrayAction()) + 1);

        QPointer<AutoSwitchDialog> d = openFromTray(w);
        QVERIFY(d);
        QVERIFY(!QFile::exists(autoSwitchPath()));
        QVERIFY(d->unavailableLabel()->isVisible());
        QCOMPARE(d->unavailableLabel()->text(),
                 QString("Automatic switching is not available on this desktop: There is no X11 display."));
        QCOMPARE(d->ruleList()->topLevelItemCount(), 0);
        QVERIFY(!d->deleteButton()->isEnabled() && !d->upButton()->isEnabled());
        // Asked again while open: the same dialog, not a second one.
        w.autoSwitchTrayAction()->trigger();
        QCOMPARE(w.findChildren<AutoSwitchDialog *>().size(), 1);

        addApp(d, "steam_app_730");
        typeApp(d, "firefox");
        QTest::keyClick(d->appField()->lineEdit(), Qt::Key_Return);
        addApp(d, "  kate ");
        QCOMPARE(listedApps(d), QStringList({"steam_app_730", "firefox", "kate"}));
        QCOMPARE(d->currentRow(), 2); // the one just added
        QVERIFY(d->appField()->currentText().isEmpty());
        // Another case of a listed name: no second rule, the one there is chosen.
        addApp(d, "FIREFOX");
        QCOMPARE(d->ruleList()->topLevelItemCount(), 3);
        QCOMPARE(d->currentRow(), 1);

        stepDown(d->slotBox(1), 1); // firefox: profile 2
        stepDown(d->slotBox(0), 2); // steam: profile 3
        clickRow(d, 2);
        QTest::mouseClick(d->upButton(), Qt::LeftButton);
        QCOMPARE(listedApps(d), QStringList({"steam_app_730", "kate", "firefox"}));
        QCOMPARE(d->currentRow(), 1);
        // The slot moved with its rule.
        QCOMPARE(d->slotBox(2)->currentIndex(), 1);
        QTest::mouseClick(d->upButton(), Qt::LeftButton);
        QVERIFY(!d->upButton()->isEnabled()); // at the top
        QTest::mouseClick(d->downButton(), Qt::LeftButton);
        QTest::mouseClick(d->downButton(), Qt::LeftButton);
        QCOMPARE(listedApps(d), QStringList({"steam_app_730", "firefox", "kate"}));
        QVERIFY(!d->downButton()->isEnabled()); // at the bottom
        clickRow(d, 0);
        QTest::mouseClick(d->deleteButton(), Qt::LeftButton);
        QCOMPARE(listedApps(d), QStringList({"firefox", "kate"}));
        QCOMPARE(d->currentRow(), 0);
        stepDown(d->slotBox(1), 4); // kate: profile 5

        stepDown(d->defaultBox(), 4);
        QTest::mouseClick(d->enabledBox(), Qt::LeftButton, {}, QPoint(4, d->enabledBox()->height() / 2));
        QVERIFY(!QFile::exists(autoSwitchPath())); // nothing written before OK
        QTest::mouseClick(d->findChild<QToolButton *>("dlgAcceptBtn"), Qt::LeftButton);
        QVERIFY(!d || !d->isVisible());

        AppSwitchRules expected;
        expected.enabled = true;
        expected.defaultSlot = 4;
        expected.rules = {{"firefox", 2}, {"kate", 5}};
        StorageOutcome outcome;
        QCOMPARE(loadAppSwitchRules(&outcome), expected);
        QVERIFY(outcome.ok());

        // The profile-file menu opens it too, with what is stored.
        QAction *entry = w.profileFileMenu()->actions().last();
        QCOMPARE(entry->text(), QString("Automatic switching…"));
        entry->trigger();
        d = openDialog(w);
        QVERIFY(d);
        QCOMPARE(d->rules(), expected);
        QVERIFY(d->enabledBox()->isChecked());
        QCOMPARE(d->defaultBox()->currentText(), QString("Profile 4"));
        QCOMPARE(d->slotBox(1)->currentText(), QString("Profile 5"));
        d->reject();
    }

    void cancelWritesNothing()
    {
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;

        // No file: none afterwards.
        QPointer<AutoSwitchDialog> d = openFromTray(w);
        QVERIFY(d);
        addApp(d, "kate");
        QTest::mouseClick(d->findChild<QToolButton *>("dlgRejectBtn"), Qt::LeftButton);
        QVERIFY(!d || !d->isVisible());
        QVERIFY(!QFile::exists(autoSwitchPath()));

        AppSwitchRules stored;
        stored.enabled = true;
        stored.rules = {{"steam", 1}, {"blender", 4}};
        QVERIFY(storeAppSwitchRules(stored).ok());
        const QByteArray before = fileBytes(autoSwitchPath());
        d = openFromTray(w);
        QVERIFY(d);
        QCOMPARE(listedApps(d), QStringList({"steam", "blender"}));
        clickRow(d, 1);
        QTest::mouseClick(d->deleteButton(), Qt::LeftButton);
        QTest::mouseClick(d->enabledBox(), Qt::LeftButton, {}, QPoint(4, d->enabledBox()->height() / 2));
        stepDown(d->defaultBox(), 2);
        QTest::mouseClick(d->findChild<QToolButton *>("dlgRejectBtn"), Qt::LeftButton);
        QVERIFY(!d || !d->isVisible());
        QCOMPARE(fileBytes(autoSwitchPath()), before);
    }

    void refusedNamesAreNotAdded()
    {
        WindowDataFolder data;
        WindowRig rig;
        QPointer<AutoSwitchDialog> d = openFromTray(*rig.window);
        QVERIFY(d);
        addApp(d, "   ");
        QCOMPARE(d->ruleList()->topLevelItemCount(), 0);
        QCOMPARE(d->problem(), QString("Type or pick the application's name first."));

        // One character over the limit can be typed, and is refused with the limit.
        addApp(d, QString(kAppNameMaxLength + 1, 'x'));
        QCOMPARE(d->ruleList()->topLevelItemCount(), 0);
        QCOMPARE(d->problem(), QString("An application name has at most 255 characters."));
        addApp(d, QString(kAppNameMaxLength, 'x'));
        QCOMPARE(d->ruleList()->topLevelItemCount(), 1);
        QVERIFY(d->problem().isEmpty());

        // Pasted with a control character.
        d->appField()->setEditText("game\tlauncher");
        QTest::mouseClick(d->addButton(), Qt::LeftButton);
        QCOMPARE(d->ruleList()->topLevelItemCount(), 1);
        QVERIFY(d->problem().contains("control character"));
        QCOMPARE(d->appField()->currentText(), QString("game\tlauncher")); // kept to mend
        d->reject();
    }

    // The write fails: the dialog stays with everything in it and says why; once the cause is
    // gone, OK stores the same rules.
    void aFailedWriteKeepsTheDialogOpen()
    {
        WindowDataFolder data;
        WindowRig rig;
        QVERIFY(QDir().mkpath(autoSwitchPath()));
        QPointer<AutoSwitchDialog> d = openFromTray(*rig.window);
        QVERIFY(d);
        // What stands in the file's place cannot be read either: told at once.
        QVERIFY2(d->problem().contains("AutoSwitch.ini"), qPrintable(d->problem()));
        addApp(d, "firefox");
        stepDown(d->slotBox(0), 2);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^automatic switching rules not stored: .*AutoSwitch\\.ini"));
        QTest::mouseClick(d->findChild<QToolButton *>("dlgAcceptBtn"), Qt::LeftButton);
        QVERIFY(d && d->isVisible());
        QVERIFY2(d->problem().contains("AutoSwitch.ini"), qPrintable(d->problem()));
        QCOMPARE(d->rules().rules, QVector<AppSwitchRule>({{"firefox", 3}}));

        QVERIFY(QDir(autoSwitchPath()).removeRecursively());
        QTest::mouseClick(d->findChild<QToolButton *>("dlgAcceptBtn"), Qt::LeftButton);
        QVERIFY(!d || !d->isVisible());
        QCOMPARE(loadAppSwitchRules().rules, QVector<AppSwitchRule>({{"firefox", 3}}));
    }
};

QTEST_MAIN(TestAutoSwitchDialog)
#include "gui_test_auto_switch_dialog.moc"
