// Profile management's pure rules: delete's replacement, naming slots, names that stay put.
// (The status texts and the low-battery notice are checked through the window.)

#include "app/profile_rules.h"

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
};

QTEST_MAIN(TestProfileRules)
#include "gui_test_profile_rules.moc"
