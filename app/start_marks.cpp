#include "app/start_marks.h"

#include "storage/log_categories.h"

#include <QElapsedTimer>

namespace {

QElapsedTimer startedTimer()
{
    QElapsedTimer timer;
    timer.start();
    return timer;
}

// Started while the program's static objects are made, before main() (where the marks begin).
const QElapsedTimer g_startTimer = startedTimer();

} // namespace

void markStart(const char *step)
{
    if (lcApp().isDebugEnabled())
        qCDebug(lcApp, "start: %s at %.1f ms", step, double(g_startTimer.nsecsElapsed()) / 1e6);
}
