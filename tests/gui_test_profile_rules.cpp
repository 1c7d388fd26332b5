// The window's pure rules: delete's replacement, the library's limit, naming slots, the status
// texts of the tray and the on-screen display, the low-battery notification.

#include "app/profile_rules.h"
#include "app/status_rules.h"

#include <QtTest>

class TestProfileRules : public QObject {
    Q_OBJECT
private slots:
    void deleteReplacement_data()
    {
        QTest::addColumn<QStringList>("library");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("used");
        QTest::addColumn<int>("expected");
        const QStringList abcde{"A", "B", "C", "D", "E"};
        QTest::newRow("next entry") << abcde << 1 << QStringList() << 2;
        QTest::newRow("last takes the one before") << abcde << 4 << QStringList() << 3;
        QTest::newRow("used neighbour steps back") << abcde << 1 << QStringList{"C"} << 0;
        QTest::newRow("stepping back skips the deleted one") << abcde << 2 << QStringList{"D"} << 1;
        // The literal search would run to -1 here: it goes on after the first candidate.
        QTest::newRow("start passed, the entries after") << abcde << 0 << QStringList{"B"} << 2;
        QTest::newRow("first entry, two used") << abcde << 0 << QStringList{"B", "C"} << 3;
        QTest::newRow("everything used") << abcde << 0 << QStringList{"B", "C", "D", "E"} << -1;
        QTest::newRow("single entry") << QStringList{"A"} << 0 << QStringList() << -1;
        QTest::newRow("position outside") << abcde << 5 << QStringList() << -1;
        QTest::newRow("not found") << abcde << -1 << QStringList() << -1;
    }
    void deleteReplacement()
    {
        QFETCH(QStringList, library);
        QFETCH(int, position);
        QFETCH(QStringList, used);
        QFETCH(int, expected);
        QCOMPARE(::deleteReplacement(library, position, used), expected);
    }

    void slotsAndLibrary()
    {
        QStringList library;
        for (int i = 0; i < 199; ++i)
            library << QString::number(i);
        QVERIFY(!libraryFull(library));
        library << "last";
        QVERIFY(libraryFull(library));

        ProfileSet set;
        set.slotNames = {"Game", "", "Work", "", ""};
        set.ProfileID = 2;
        QCOMPARE(otherSlotNames(set), QStringList({"Game", "", "", ""}));
        QCOMPARE(nameNamelessSlots(set), 0b11010);
        QCOMPARE(set.slotNames[1], QString("Profile 2"));
        QCOMPARE(set.slotNames[4], QString("Profile 5"));
        QCOMPARE(set.slotNames[0], QString("Game"));
        QCOMPARE(nameNamelessSlots(set), 0);

        QVERIFY(isUndeletableProfile("Profile 3", {}));
        QVERIFY(!isUndeletableProfile("profile 3", {}));
        QVERIFY(isUndeletableProfile("Factory", {"Factory"}));
        QVERIFY(!isUndeletableProfile("Game", {"Factory"}));
    }

    void statusTexts()
    {
        QCOMPARE(reportRateOsdText(8), QString("125 HZ"));
        QCOMPARE(reportRateOsdText(4), QString("250 HZ"));
        QCOMPARE(reportRateOsdText(2), QString("500 HZ"));
        QCOMPARE(reportRateOsdText(1), QString("1000 HZ"));
        QCOMPARE(reportRateOsdText(3), QString());
        QCOMPARE(reportRateOsdText(0), QString());

        QCOMPARE(trayToolTip("M7", false, 60, true, "MOUSE OFF", "charging"), QString("M7: 60% (charging)"));
        QCOMPARE(trayToolTip("M7", true, 60, true, "MOUSE OFF", "charging"), QString("M7: MOUSE OFF"));
        QCOMPARE(trayToolTip("", false, 90, false, "MOUSE OFF", "charging"), QString("90%"));
    }

    void lowBatteryOncePerDischarge()
    {
        LowBatteryWatch watch;
        QVERIFY(!watch.update(30, false));
        QVERIFY(watch.update(20, false));
        QVERIFY(!watch.update(20, false));
        QVERIFY(!watch.update(10, false));
        QVERIFY(!watch.update(10, true));  // charging arms it again
        QVERIFY(watch.update(10, false));
        QVERIFY(!watch.update(30, false)); // so does a level above the mark
        QVERIFY(watch.update(20, false));
    }
};

QTEST_MAIN(TestProfileRules)
#include "gui_test_profile_rules.moc"
