#include "storage/write_faults.h"

#include <QStringList>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <unistd.h>

namespace {

std::mutex g_mutex;
WriteFault g_fault;
int g_seen = 0;
int g_matching = 0;
bool g_envRead = false;

void readEnvironmentOnce()
{
    if (g_envRead)
        return;
    g_envRead = true;
    const QString text = QString::fromLocal8Bit(qgetenv("MOUSECFG_STORAGE_FAULT"));
    WriteFault fault;
    if (!text.isEmpty() && parseWriteFault(text, &fault))
        g_fault = fault;
}

bool matches(WriteFault::Kind kind, WriteStep step)
{
    switch (kind) {
    case WriteFault::Kind::Any:
        return true;
    case WriteFault::Kind::Write:
        return step == WriteStep::Write;
    case WriteFault::Kind::Flush:
        return step == WriteStep::Flush;
    case WriteFault::Kind::Rename:
        return step == WriteStep::Rename;
    }
    return false;
}

} // namespace

void setWriteFault(const WriteFault &fault)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_envRead = true;
    g_fault = fault;
    g_seen = 0;
    g_matching = 0;
}

void clearWriteFault() { setWriteFault(WriteFault{}); }

int writeStepsSeen()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_seen;
}

bool parseWriteFault(const QString &text, WriteFault *fault)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return false;
    static const struct {
        const char *name;
        WriteFault::Kind kind;
    } kinds[] = {{"write", WriteFault::Kind::Write},
                 {"flush", WriteFault::Kind::Flush},
                 {"rename", WriteFault::Kind::Rename},
                 {"any", WriteFault::Kind::Any}};
    WriteFault parsed;
    bool known = false;
    for (const auto &k : kinds) {
        if (parts[0] == QLatin1String(k.name)) {
            parsed.step = k.kind;
            known = true;
        }
    }
    bool ok = false;
    parsed.nth = parts[1].toInt(&ok);
    if (!known || !ok || parsed.nth < 1)
        return false;
    if (parts[2] == QLatin1String("exit")) {
        parsed.exit = true;
    } else {
        parsed.error = parts[2].toInt(&ok);
        if (!ok || parsed.error <= 0)
            return false;
    }
    *fault = parsed;
    return true;
}

int writeFaultBefore(WriteStep step)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    readEnvironmentOnce();
    ++g_seen;
    if (g_fault.nth <= 0 || !matches(g_fault.step, step) || ++g_matching != g_fault.nth)
        return 0;
    if (g_fault.exit)
        ::_exit(kFaultExitStatus);  // no clean-up of any kind, as after a kill
    return g_fault.error;
}
