#include "app/start_marks.h"

#include "storage/log_categories.h"

#include <QElapsedTimer>

namespace {

// Started while the program's static objects are made, before main().
const QElapsedTimer &startTimer()
{
    static const QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}
[[maybe_unused]] const QElapsedTimer &g_startedEarly = startTimer();

} // namespace

void markStart(const char *step)
{
    if (lcApp().isDebugEnabled())
        qCDebug(lcApp, "start: %s at %.1f ms", step, double(startTimer().nsecsElapsed()) / 1e6);
}
