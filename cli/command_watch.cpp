// mousecfgctl watch: the status notices the mouse sends, as they come, until interrupted; on
// standard error, once each, when the mouse stops answering, answers again, or is reached through
// another link after a hot-plug event. With --json, every event is one JSON line on standard output
// instead, so a script reads one stream. WatchState decides what is told; the two printers only
// print it.

#include "cli/arguments.h"
#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "cli/watch_events.h"
#include "device/battery_poller.h"
#include "device/device_link.h"
#include "device/poller_control.h"
#include "model/report_rates.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> g_interrupted{false};

void onInterrupt(int) { g_interrupted.store(true); }

// The link's news: the poller is stopped before a handle closes and started after a reopen.
class WatchObserver : public PollerObserver {
public:
    WatchObserver(PollerControl &control, WatchState &state) : PollerObserver(control), m_state(state) {}
    void connectionIndicators(bool receiverCommand, bool cableCommand) override
    {
        m_state.links(receiverCommand, cableCommand);
    }
    void noDevice() override { m_state.gone(); }

private:
    WatchState &m_state;
};

void printEvent(CliContext &context, const WatchEvent &event)
{
    switch (event.kind) {
    case WatchEvent::Kind::Notice: {
        const QString rateText = reportRateText(quint8(event.rate));
        context.out() << "Profile " << event.profile + 1 << ", DPI stage " << event.dpiStage + 1 << ", rate "
                      << (rateText.isEmpty() ? QStringLiteral("code %1").arg(event.rate) : rateText) << ", mode "
                      << event.mode << Qt::endl;
        break;
    }
    case WatchEvent::Kind::NoAnswer:
        context.error(QString("the mouse does not answer (no battery reply within %1 ms, or it is asleep); "
                              "still waiting for its notices").arg(kBatteryReplyTimeoutMs));
        break;
    case WatchEvent::Kind::AnswersAgain:
        context.error("the mouse answers again");
        break;
    case WatchEvent::Kind::LinkChanged:
        context.error(QString("the mouse is now reached through the %1").arg(event.link));
        break;
    case WatchEvent::Kind::Gone:
        context.error("the mouse went away");
        break;
    }
}

// A notice carries profile, DPI stage and rate together, so one object holds all three.
void printEventJson(CliContext &context, const WatchEvent &event)
{
    QJsonObject o;
    switch (event.kind) {
    case WatchEvent::Kind::Notice: {
        const int hz = reportRateHz(quint8(event.rate));
        o["event"] = "notice";
        o["profile"] = event.profile + 1;
        o["dpi_stage"] = event.dpiStage + 1;
        o["report_rate_hz"] = hz ? QJsonValue(hz) : QJsonValue();
        o["report_rate_code"] = event.rate;
        o["mode"] = event.mode;
        break;
    }
    case WatchEvent::Kind::NoAnswer:
        o["event"] = "no_answer";
        o["timeout_ms"] = kBatteryReplyTimeoutMs;
        break;
    case WatchEvent::Kind::AnswersAgain:
        o["event"] = "answers_again";
        break;
    case WatchEvent::Kind::LinkChanged:
        o["event"] = "link";
        o["link"] = event.link;
        break;
    case WatchEvent::Kind::Gone:
        o["event"] = "gone";
        break;
    }
    context.out() << QJsonDocument(o).toJson(QJsonDocument::Compact) << Qt::endl;
}

int runWatch(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand("watch");
    // --count N ends after N notices (for scripts and checks); without it, only a signal ends.
    int limit = 0;
    bool json = false;
    OnceOptions once;
    for (int i = 0; i < args.size(); ++i) {
        const QString repeated = once.take(args[i]);
        if (!repeated.isEmpty())
            return context.usageError(*self, repeated);
        if (args[i] == QLatin1String("--json")) {
            json = true;
        } else if (args[i] == QLatin1String("--count") && i + 1 < args.size()) {
            if (!parseNumber(args[++i], limit) || limit < 1)
                return context.usageError(*self, "--count takes a number, at least 1");
        } else {
            return context.usageError(*self, "watch takes only --count N (N at least 1) and --json");
        }
    }
    DeviceLink &link = context.deviceLink();
    if (!link.commandHandle()) {
        context.error(context.noMouseMessage());
        return 1;
    }

    QEventLoop loop;
    int seen = 0;
    bool gone = false;
    const bool onCable = link.handle(MouseLinkB, CollectionCommand) != nullptr;
    WatchState state(onCable ? "cable" : "receiver", [&](const WatchEvent &event) {
        // Reports already queued when the mouse went away say nothing more of it.
        if (gone || (event.kind == WatchEvent::Kind::Notice && limit && seen >= limit))
            return;
        json ? printEventJson(context, event) : printEvent(context, event);
        if (event.kind == WatchEvent::Kind::Gone) {
            gone = true;
            loop.quit();
        } else if (event.kind == WatchEvent::Kind::Notice && limit && ++seen >= limit) {
            loop.quit();
        }
    });
    PollerControl poller(link);
    PollerCallbacks callbacks;
    callbacks.context = &loop;
    callbacks.batteryStatus = [&state](quint8 charge, quint8 low, quint8 high) { state.battery(charge, low, high); };
    callbacks.status = [&state](quint8 profile, quint8 dpi, quint8 rate, quint8 mode) {
        state.notice(profile, dpi, rate, mode);
    };
    poller.setCallbacks(callbacks);
    WatchObserver observer(poller, state);
    context.followHotplug(observer); // without hot-plug, a vanished mouse still ends the poller

    g_interrupted.store(false);
    auto previousInt = std::signal(SIGINT, onInterrupt);
    auto previousTerm = std::signal(SIGTERM, onInterrupt);
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (g_interrupted.load()) {
            loop.quit();
        } else if (!poller.isRunning()) {
            state.gone(); // the poller ends by itself once no handle is open
        }
    });
    poller.startPoller();
    check.start(50);
    loop.exec();
    check.stop();
    poller.stopPoller();
    link.setObserver(nullptr);
    std::signal(SIGINT, previousInt);
    std::signal(SIGTERM, previousTerm);
    return gone ? 1 : kExitOk;
}

const CliCommandRegistrar registrar({"watch", "watch [--count N] [--json]  print status notices as the mouse sends them, until "
                                     "interrupted",
                                     runWatch});

} // namespace
