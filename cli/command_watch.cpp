// mousecfgctl watch: the status notices the mouse sends, as they come, until interrupted.

#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "device/battery_poller.h"
#include "device/device_link.h"
#include "device/poller_control.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> g_interrupted{false};

void onInterrupt(int) { g_interrupted.store(true); }

int runWatch(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand("watch");
    // --count N ends after N notices (for scripts and checks); without it, only a signal ends.
    int limit = 0;
    if (!args.isEmpty()) {
        bool ok = false;
        if (args.size() == 2 && args.at(0) == QLatin1String("--count"))
            limit = args.at(1).toInt(&ok);
        if (!ok || limit < 1)
            return context.usageError(*self, "watch takes only --count N (N at least 1)");
    }
    DeviceLink &link = context.deviceLink();
    if (!link.commandHandle()) {
        context.error("no mouse connected");
        return 1;
    }

    QTextStream &out = context.out();
    QEventLoop loop;
    int seen = 0;
    PollerControl poller(link);
    PollerCallbacks callbacks;
    callbacks.context = &loop;
    callbacks.status = [&](quint8 profile, quint8 dpi, quint8 rate, quint8 mode) {
        if (limit && seen >= limit)
            return;
        const QString rateText = reportRateText(rate);
        out << "Profile " << profile + 1 << ", DPI stage " << dpi + 1 << ", rate "
            << (rateText.isEmpty() ? QStringLiteral("code %1").arg(rate) : rateText) << ", mode " << mode << Qt::endl;
        if (limit && ++seen >= limit)
            loop.quit();
    };
    poller.setCallbacks(callbacks);

    g_interrupted.store(false);
    auto previousInt = std::signal(SIGINT, onInterrupt);
    auto previousTerm = std::signal(SIGTERM, onInterrupt);
    bool lostMouse = false;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (g_interrupted.load()) {
            loop.quit();
        } else if (!poller.isRunning()) {
            lostMouse = true; // the poller ends by itself once no handle is open
            loop.quit();
        }
    });
    poller.startPoller();
    check.start(50);
    loop.exec();
    check.stop();
    poller.stopPoller();
    std::signal(SIGINT, previousInt);
    std::signal(SIGTERM, previousTerm);
    if (lostMouse) {
        context.error("the mouse went away");
        return 1;
    }
    return kExitOk;
}

const CliCommandRegistrar registrar({"watch", "watch [--count N]  print status notices as the mouse sends them, until interrupted", runWatch});

} // namespace
