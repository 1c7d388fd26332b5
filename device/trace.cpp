#include "device/trace.h"
#include "storage/log_categories.h"

#include <QDebug>
#include <QFile>

#include <atomic>
#include <memory>
#include <mutex>

namespace {

std::mutex g_sinkMutex;
TraceSink g_sink;
std::atomic<bool> g_active{false};

} // namespace

void setTraceSink(TraceSink sink)
{
    std::lock_guard<std::mutex> lock(g_sinkMutex);
    g_sink = std::move(sink);
    g_active = static_cast<bool>(g_sink);
}

void routeTraceToDebugLog()
{
    setTraceSink([](const QString &text) { qCDebug(lcTransfer).noquote() << text; });
}

bool routeTraceToFile(const QString &path)
{
    auto file = std::make_shared<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return false;
    // The sink is only called with g_sinkMutex held, so the file needs no lock of its own.
    setTraceSink([file](const QString &text) {
        file->write(text.toUtf8());
        file->write("\n");
        file->flush();
    });
    return true;
}

bool traceActive() { return g_active.load(); }

void trace(const QString &text)
{
    if (!g_active.load())
        return;
    std::lock_guard<std::mutex> lock(g_sinkMutex);
    if (g_sink)
        g_sink(text);
}

QString reportHex(const uint8_t *data, int length, HexCase hexCase)
{
    static const char upper[] = "0123456789ABCDEF";
    static const char lower[] = "0123456789abcdef";
    const char *digits = hexCase == HexCase::Upper ? upper : lower;
    QString out;
    out.reserve(length * 3);
    for (int i = 0; i < length; ++i) {
        if (i)
            out += QLatin1Char(' ');
        out += QLatin1Char(digits[data[i] >> 4]);
        out += QLatin1Char(digits[data[i] & 0x0F]);
    }
    return out;
}
