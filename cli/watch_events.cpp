#include "cli/watch_events.h"

void WatchState::answers(bool yes)
{
    const Answer now = yes ? Answer::Answers : Answer::Silent;
    const Answer before = m_answer;
    m_answer = now;
    // A mouse that answers from the start is nothing to tell.
    if (now == before || (before == Answer::Unknown && yes))
        return;
    WatchEvent event;
    event.kind = yes ? WatchEvent::Kind::AnswersAgain : WatchEvent::Kind::NoAnswer;
    m_sink(event);
}

void WatchState::battery(int charge, int low, int high)
{
    const bool answered = charge != 0 || low != 0 || high != 0;
    const bool oldLinksQuery = m_linkJustChanged && !answered;
    m_linkJustChanged = false;
    if (!oldLinksQuery)
        answers(answered);
}

void WatchState::notice(int profile, int dpiStage, int rate, int mode)
{
    answers(true);
    WatchEvent event;
    event.profile = profile;
    event.dpiStage = dpiStage;
    event.rate = rate;
    event.mode = mode;
    m_sink(event);
}

void WatchState::links(bool receiverCommand, bool cableCommand)
{
    // Commands prefer the cable, as the device link sends them.
    const QString link = cableCommand ? QStringLiteral("cable") : receiverCommand ? QStringLiteral("receiver") : QString();
    if (link.isEmpty() || link == m_link)
        return;
    m_link = link;
    m_linkJustChanged = true;
    WatchEvent event;
    event.kind = WatchEvent::Kind::LinkChanged;
    event.link = link;
    m_sink(event);
}

void WatchState::gone()
{
    if (m_gone)
        return;
    m_gone = true;
    WatchEvent event;
    event.kind = WatchEvent::Kind::Gone;
    m_sink(event);
}
