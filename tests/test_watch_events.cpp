// What `watch` tells: each change of the mouse's answers and links once, in order.

#include "cli/watch_events.h"

#include <QtTest>

namespace {

QStringList run(const std::function<void(WatchState &)> &feed)
{
    QStringList told;
    WatchState state("cable", [&told](const WatchEvent &e) {
        switch (e.kind) {
        case WatchEvent::Kind::Notice: told << QString("notice %1").arg(e.profile); break;
        case WatchEvent::Kind::NoAnswer: told << "no answer"; break;
        case WatchEvent::Kind::AnswersAgain: told << "answers"; break;
        case WatchEvent::Kind::LinkChanged: told << "via " + e.link; break;
        case WatchEvent::Kind::Gone: told << "gone"; break;
        }
    });
    feed(state);
    return told;
}

} // namespace

class TestWatchEvents : public QObject {
    Q_OBJECT
private slots:
    void answersAreToldOnceEachChange()
    {
        QCOMPARE(run([](WatchState &s) {
                     s.battery(0, 1, 2); // answering from the start: nothing to tell
                     s.battery(0, 0, 0);
                     s.battery(0, 0, 0);
                     s.notice(2, 0, 1, 0); // a notice is an answer, told before the notice
                     s.battery(1, 1, 2);
                 }),
                 QStringList({"no answer", "answers", "notice 2"}));
        QCOMPARE(run([](WatchState &s) { s.battery(0, 0, 0); }), QStringList({"no answer"}));
    }

    // The query in flight when the cable went carries no news of the mouse; a second silent
    // report on the new link does.
    void aLinkChangeForgivesTheQueryItCut()
    {
        QCOMPARE(run([](WatchState &s) {
                     s.links(true, false);
                     s.battery(0, 0, 0);
                     s.battery(1, 2, 3);
                 }),
                 QStringList({"via receiver"}));
        QCOMPARE(run([](WatchState &s) {
                     s.links(true, false);
                     s.battery(0, 0, 0);
                     s.battery(0, 0, 0);
                     s.links(true, true);
                     s.gone();
                     s.gone();
                 }),
                 QStringList({"via receiver", "no answer", "via cable", "gone"}));
    }
};

QTEST_GUILESS_MAIN(TestWatchEvents)
#include "test_watch_events.moc"
