// mousecfgctl list: the known mice, the state of each link and collection, the open handles.

#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "device/device_link.h"
#include "storage/settings_file.h"

#include <cstring>

namespace {

QString hex4(int value) { return QString("%1").arg(value & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper(); }

QString linkState(const ConstMouseLink &link)
{
    if (link.complete())
        return "complete";
    return link.anyPresent() ? "partial" : "absent";
}

QString collectionLine(const char *kind, int usagePage, int usage, int present, const char *path)
{
    QString line = QString("    %1  usage %2:%3  %4").arg(QLatin1String(kind), -7).arg(hex4(usagePage), hex4(usage))
                       .arg(present == 1 ? "present" : "absent");
    if (present == 1)
        line += "  " + QString::fromLatin1(path);
    return line;
}

int runList(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand("list");
    if (!args.isEmpty())
        return context.usageError(*self, "list takes no arguments");
    DeviceLink &link = context.deviceLink();
    if (context.enumerateResult() != 0) {
        context.error("the HID library could not be started");
        return 1;
    }
    QTextStream &out = context.out();
    const QByteArray current = readCurrentProductName().toLatin1();
    const MouseList &mice = link.mouseList();
    for (uint32_t i = 0; i < mice.count(); ++i) {
        const MouseListEntry &e = mice[i];
        out << "Mouse " << (i + 1) << ": \"" << QString::fromLatin1(e.name) << "\"  "
            << (mouseConnected(e) ? "connected" : "not connected")
            << (std::strcmp(e.name, current.constData()) == 0 ? ", current" : "") << '\n';
        for (MouseLinkId id : {MouseLinkA, MouseLinkB}) {
            const ConstMouseLink l = mouseLink(e, id);
            out << "  " << (id == MouseLinkA ? "receiver" : "cable") << " " << hex4(l.vendorId) << ':'
                << hex4(l.productId) << ": " << linkState(l) << '\n';
            out << collectionLine("pointer", l.usagePagePointer, l.usagePointer, l.presentPointer, l.pathPointer) << '\n';
            out << collectionLine("command", l.usagePageCommand, l.usageCommand, l.presentCommand, l.pathCommand) << '\n';
        }
    }
    auto state = [&](MouseLinkId id, CollectionKind kind) { return link.handle(id, kind) ? "open" : "closed"; };
    out << "Handles: receiver pointer " << state(MouseLinkA, CollectionPointer) << ", receiver command "
        << state(MouseLinkA, CollectionCommand) << ", cable pointer " << state(MouseLinkB, CollectionPointer)
        << ", cable command " << state(MouseLinkB, CollectionCommand) << '\n';
    const HidDevice *commands = link.commandHandle();
    out << "Commands go to: "
        << (!commands ? "none"
            : commands == link.handle(MouseLinkB, CollectionCommand) ? "cable command collection"
                                                                       : "receiver command collection")
        << '\n';
    return kExitOk;
}

const CliCommandRegistrar registrar({"list", "list  known mice with the state of each link and collection", runList});

} // namespace
