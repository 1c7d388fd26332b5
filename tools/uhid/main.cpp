// mousecfg-uhid: the simulated mouse as a real kernel HID device. It creates a virtual receiver
// (248A:FA02) and/or cable (248A:FB01) through /dev/uhid and answers their command reports with
// the simulated mouse's protocol model, so that the program's hidraw backend, descriptor reading
// and udev monitor can be tried end to end without the hardware. A test tool: built, not
// installed. Needs the uhid kernel module and write access to /dev/uhid (root, or a udev rule).

#include "device/command_sink.h"
#include "sim/simulated_mouse.h"
#include "sim/uhid_descriptors.h"
#include "tools/uhid/uhid_device.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

std::atomic<bool> g_stop{false};

void onSignal(int) { g_stop.store(true); }

const char kUsage[] =
    "usage: mousecfg-uhid [--mouse LIST] [--unplug-after SECONDS] [--replug] [--dump FILE]\n"
    "                     [--control FIFO]\n"
    "       mousecfg-uhid [--mouse LIST] --replay FILE --dump FILE\n"
    "  --mouse LIST          what to be, as mousecfgctl --simulate=LIST: receiver (default), cable\n"
    "                        or both, and the same faults and conditions; writefail=N loses the\n"
    "                        reports instead, as the kernel has taken them by then\n"
    "  --unplug-after SECONDS  remove the devices after SECONDS\n"
    "  --replug              with --unplug-after: create them again as long after the removal\n"
    "  --dump FILE           on exit, write the block images the mouse holds to FILE\n"
    "  --control FIFO        take commands from FIFO (made when missing), one a line, each\n"
    "                        answered on standard output with \"ok\" or \"error\" and the line:\n"
    "                        unplug LINK, plug LINK (LINK: receiver or cable), notice P:D:R:M,\n"
    "                        move LINK DX DY (a pointer report), counts (the command reports\n"
    "                        each link has taken)\n"
    "  --replay FILE         no device: write the reports in FILE (one a line, hex bytes as\n"
    "                        mousecfgctl encode prints them) to the mouse's receiver, then --dump\n"
    "Ends on SIGINT or SIGTERM, removing the devices.\n";

struct Options {
    QString mouse;
    double unplugAfter = 0;
    bool replug = false;
    QString dumpFile;
    QString controlFifo;
    QString replayFile;
};

bool parseOptions(const QStringList &args, Options *options)
{
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args.at(i);
        const bool hasValue = i + 1 < args.size();
        bool ok = true;
        if (a == "--mouse" && hasValue)
            options->mouse = args.at(++i);
        else if (a == "--unplug-after" && hasValue)
            options->unplugAfter = args.at(++i).toDouble(&ok);
        else if (a == "--replug")
            options->replug = true;
        else if (a == "--dump" && hasValue)
            options->dumpFile = args.at(++i);
        else if (a == "--control" && hasValue)
            options->controlFifo = args.at(++i);
        else if (a == "--replay" && hasValue)
            options->replayFile = args.at(++i);
        else
            ok = false;
        if (!ok || options->unplugAfter < 0)
            return false;
    }
    if (!options->replayFile.isEmpty())
        return !options->dumpFile.isEmpty() && options->controlFifo.isEmpty() && options->unplugAfter == 0;
    return !options->replug || options->unplugAfter > 0;
}

// One link of the mouse: its kernel device and the handle on its command collection.
struct VirtualLink {
    VirtualLink(SimLink which, uint16_t product, const char *deviceName)
        : link(which), productId(product), name(deviceName)
    {
    }
    SimLink link;
    uint16_t productId;
    const char *name;
    UhidDevice device;
    std::unique_ptr<HidDevice> command;
    bool opened = false; // a program has a hidraw node of the device open
};

bool bringUp(SimulatedMouse &mouse, VirtualLink &link)
{
    std::string error;
    if (!link.device.create(link.name, SimulatedMouse::kVendorId, link.productId, SimulatedMouse::kReleaseNumber,
                            uhidMouseDescriptor(), &error)) {
        std::fprintf(stderr, "mousecfg-uhid: %s\n", error.c_str());
        return false;
    }
    link.command = mouse.open(SimulatedMouse::collectionPath(link.link, CollectionCommand));
    link.opened = false;
    return link.command != nullptr;
}

void takeDown(VirtualLink &link)
{
    link.device.destroy();
    link.command.reset();
    link.opened = false;
}

bool writeDump(const SimulatedMouse &mouse, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    for (uint8_t command : {SimSettingsWrite, SimDpiWrite, SimButtonWrite, SimLightingWrite, SimMacroWrite}) {
        const BlockImage image = mouse.blockImage(command);
        out << "BLOCK " << command << ' ' << QByteArray(reinterpret_cast<const char *>(image.data()), int(image.size())).toHex() << '\n';
    }
    out << "PROFILE " << mouse.activeProfile() << '\n';
    return out.status() == QTextStream::Ok;
}

// Feeds the reports of a file (hex bytes, one report a line) to the receiver's command collection,
// reading each answer, as the kernel path would deliver them.
bool replay(SimulatedMouse &mouse, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    std::unique_ptr<HidDevice> command =
        mouse.open(SimulatedMouse::collectionPath(SimLink::Receiver, CollectionCommand));
    if (!command)
        return false;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QByteArray bytes = QByteArray::fromHex(line);
        if (bytes.isEmpty())
            continue;
        Report report{};
        std::copy_n(bytes.begin(), std::min<size_t>(size_t(bytes.size()), report.size()), report.begin());
        command->write(report.data(), report.size());
        Report answer{};
        while (command->readTimeout(answer.data(), answer.size(), 0) > 0) {
        }
    }
    return true;
}

void say(const std::string &line)
{
    std::printf("mousecfg-uhid: %s\n", line.c_str());
    std::fflush(stdout);
}

VirtualLink *findLink(std::vector<std::unique_ptr<VirtualLink>> &links, const QString &name)
{
    for (auto &link : links) {
        if ((link->link == SimLink::Cable ? "cable" : "receiver") == name)
            return link.get();
    }
    return nullptr;
}

// One line of the control FIFO; false when it is not a command this tool knows, or the link it
// names is not one the tool was started with.
bool runControl(const QString &line, SimulatedMouse &mouse, std::vector<std::unique_ptr<VirtualLink>> &links)
{
    const QStringList words = line.split(' ', Qt::SkipEmptyParts);
    const QString verb = words.value(0);
    VirtualLink *link = findLink(links, words.value(1));
    if ((verb == "unplug" || verb == "plug") && words.size() == 2 && link) {
        const bool plugged = link->device.exists();
        if (verb == "unplug" && plugged) {
            takeDown(*link);
            mouse.unplug(link->link);
        } else if (verb == "plug" && !plugged) {
            mouse.plug(link->link);
            return bringUp(mouse, *link);
        }
        return true;
    }
    if (verb == "notice" && words.size() == 2) {
        const std::optional<SimOptions> parsed = parseSimOptions("notice=" + words.at(1), nullptr);
        if (!parsed || !parsed->notice)
            return false;
        mouse.sendNotice(parsed->notice->profile, parsed->notice->dpiStage, parsed->notice->rate,
                         parsed->notice->mode);
        return true;
    }
    if (verb == "move" && words.size() == 4 && link && link->device.exists()) {
        bool okX = false, okY = false;
        const int dx = words.at(2).toInt(&okX);
        const int dy = words.at(3).toInt(&okY);
        if (!okX || !okY)
            return false;
        const std::vector<uint8_t> report = uhidPointerReport(dx, dy);
        return link->device.sendInput(report.data(), report.size());
    }
    if (verb == "counts" && words.size() == 1) {
        int receiver = 0, cable = 0;
        for (const SimReceivedReport &report : mouse.receivedReports())
            ++(report.link == SimLink::Cable ? cable : receiver);
        say("counts receiver " + std::to_string(receiver) + " cable " + std::to_string(cable));
        return true;
    }
    return false;
}

// The control FIFO, opened for reading and writing so that it never reports an end of file
// between two writers.
int openControl(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkfifo(name.constData(), 0600) != 0 && errno != EEXIST)
        return -1;
    return ::open(name.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Options options;
    if (!parseOptions(app.arguments(), &options)) {
        std::fputs(kUsage, stderr);
        return 64;
    }
    QString error;
    const std::optional<SimOptions> simOptions = parseSimOptions(options.mouse, &error);
    if (!simOptions) {
        std::fprintf(stderr, "mousecfg-uhid: %s\n", qPrintable(error));
        return 64;
    }

    SimulatedMouse mouse(*simOptions);
    if (!options.replayFile.isEmpty()) {
        if (!replay(mouse, options.replayFile)) {
            std::fprintf(stderr, "mousecfg-uhid: cannot replay %s\n", qPrintable(options.replayFile));
            return 1;
        }
        if (!writeDump(mouse, options.dumpFile)) {
            std::fprintf(stderr, "mousecfg-uhid: cannot write %s\n", qPrintable(options.dumpFile));
            return 1;
        }
        return 0;
    }

    std::vector<std::unique_ptr<VirtualLink>> links;
    if (simOptions->receiver)
        links.push_back(std::make_unique<VirtualLink>(SimLink::Receiver, SimulatedMouse::kReceiverProductId,
                                                      "mousecfg virtual receiver"));
    if (simOptions->cable)
        links.push_back(std::make_unique<VirtualLink>(SimLink::Cable, SimulatedMouse::kCableProductId,
                                                      "mousecfg virtual cable"));
    for (auto &link : links) {
        if (!bringUp(mouse, *link))
            return 1;
    }
    int controlFd = -1;
    if (!options.controlFifo.isEmpty()) {
        controlFd = openControl(options.controlFifo);
        if (controlFd < 0) {
            std::fprintf(stderr, "mousecfg-uhid: cannot open %s: %s\n", qPrintable(options.controlFifo),
                         std::strerror(errno));
            return 1;
        }
    }
    std::string controlText;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    say("ready");

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    enum class Phase { Plugged, Unplugged, Replugged } phase = Phase::Plugged;
    int status = 0;

    while (!g_stop.load() && status == 0) {
        if (phase == Phase::Plugged && options.unplugAfter > 0 && elapsed() >= options.unplugAfter) {
            for (auto &link : links) {
                takeDown(*link);
                mouse.unplug(link->link);
            }
            say("unplugged");
            phase = Phase::Unplugged;
        } else if (phase == Phase::Unplugged && options.replug && elapsed() >= 2 * options.unplugAfter) {
            for (auto &link : links) {
                mouse.plug(link->link);
                if (!bringUp(mouse, *link))
                    status = 1;
            }
            say("plugged");
            phase = Phase::Replugged;
        }

        std::vector<pollfd> fds;
        for (auto &link : links) {
            if (link->device.exists())
                fds.push_back({link->device.fd(), POLLIN, 0});
        }
        if (controlFd >= 0)
            fds.push_back({controlFd, POLLIN, 0});
        if (::poll(fds.data(), fds.size(), 5) < 0 && errno != EINTR)
            status = 1;
        // Commands, whole lines only.
        char chunk[256];
        ssize_t n = 0;
        while (controlFd >= 0 && (n = ::read(controlFd, chunk, sizeof chunk)) > 0)
            controlText.append(chunk, size_t(n));
        for (size_t end; (end = controlText.find('\n')) != std::string::npos;) {
            const QString line = QString::fromStdString(controlText.substr(0, end)).trimmed();
            controlText.erase(0, end + 1);
            if (!line.isEmpty())
                say((runControl(line, mouse, links) ? "ok " : "error ") + line.toStdString());
        }
        for (auto &link : links) {
            if (!link->device.exists())
                continue;
            // The kernel's events first: output reports go to the mouse model.
            pollfd probe{link->device.fd(), POLLIN, 0};
            while (status == 0 && ::poll(&probe, 1, 0) > 0 && (probe.revents & POLLIN)) {
                std::vector<uint8_t> output;
                switch (link->device.readEvent(&output)) {
                case UhidDevice::Event::Output:
                    if (!output.empty() && output[0] == kUhidCommandReportId) {
                        Report report{};
                        std::copy_n(output.begin(), std::min(output.size(), report.size()), report.begin());
                        link->command->write(report.data(), report.size());
                    }
                    break;
                case UhidDevice::Event::Opened:
                    link->opened = true;
                    break;
                case UhidDevice::Event::Closed:
                    link->opened = false;
                    break;
                case UhidDevice::Event::Failed:
                    std::fprintf(stderr, "mousecfg-uhid: the kernel device went away\n");
                    status = 1;
                    break;
                case UhidDevice::Event::None:
                    break;
                }
            }
            // Then the mouse's answers and notices, while someone listens: the kernel drops
            // input nobody reads, and a notice must wait for its reader as on the real mouse.
            Report answer{};
            while (link->opened && link->command->readTimeout(answer.data(), answer.size(), 0) > 0)
                link->device.sendInput(answer.data(), answer.size());
        }
    }

    for (auto &link : links)
        takeDown(*link);
    if (!options.dumpFile.isEmpty() && !writeDump(mouse, options.dumpFile)) {
        std::fprintf(stderr, "mousecfg-uhid: cannot write %s\n", qPrintable(options.dumpFile));
        return 1;
    }
    return status;
}
