#pragma once
// What `watch` tells, as events: the notices the mouse sends and the changes in how it is
// reached. WatchState turns the poller's reports and the device link's news into these events,
// telling each change once; a printer writes them as text (and could as JSON lines).

#include <QString>

#include <functional>

struct WatchEvent {
    enum class Kind {
        Notice,       // profile, DPI stage or rate changed on the mouse
        NoAnswer,     // the mouse stopped answering: no reply in time, or it is asleep
        AnswersAgain, // it answers once more
        LinkChanged,  // the commands now go through `link`
        Gone,         // no link to the mouse is left
    };
    Kind kind = Kind::Notice;
    int profile = 0; // Notice: as the mouse sends them (profile and stage 0-based, the rate code)
    int dpiStage = 0;
    int rate = 0;
    int mode = 0;
    QString link;    // LinkChanged: "receiver" or "cable"
};

class WatchState {
public:
    using Sink = std::function<void(const WatchEvent &)>;
    // `link`: where the commands go at the start, "receiver" or "cable".
    WatchState(const QString &link, Sink sink) : m_link(link), m_sink(std::move(sink)) {}

    // A battery report of the poller: all zero when no reply came in time or the receiver says
    // the mouse is asleep.
    void battery(int charge, int low, int high);
    // A status notice: the mouse is there, whatever was said of it before.
    void notice(int profile, int dpiStage, int rate, int mode);
    // The device link's command collections after a hot-plug event.
    void links(bool receiverCommand, bool cableCommand);
    // The last link went away; told once.
    void gone();

private:
    void answers(bool yes);

    enum class Answer { Unknown, Answers, Silent };
    Answer m_answer = Answer::Unknown;
    QString m_link;
    // The link just changed: the next battery report may be the answer the old link never gave
    // to a query sent before the change, which says nothing about the mouse.
    bool m_linkJustChanged = false;
    bool m_gone = false;
    Sink m_sink;
};
