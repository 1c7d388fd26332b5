// Delete's choice of the profile that takes the deleted one's place, at the list's edges. (The
// other rules of profile management are checked through the window.)

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
};

QTEST_MAIN(TestProfileRules)
#include "gui_test_profile_rules.moc"
