// mousecfgctl rules: the rules of automatic profile switching (which profile slot the mouse takes
// when an application comes to the front), kept in the data folder; the window follows them.

#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "storage/app_switch_rules.h"
#include "storage/record_sizes.h"

namespace {

// A slot number 1..5, or 0 with `allowNone` for "none"; -1 when neither.
int parseSlot(const QString &text, bool allowNone)
{
    if (allowNone && text == QLatin1String("none"))
        return 0;
    bool ok = false;
    const int slot = text.toInt(&ok);
    return ok && slot >= 1 && slot <= kProfileSlotCount ? slot : -1;
}

void printRules(CliContext &context, const AppSwitchRules &rules)
{
    QTextStream &out = context.out();
    out << "automatic switching: " << (rules.enabled ? "on" : "off") << '\n';
    for (int i = 0; i < rules.rules.size(); ++i)
        out << i + 1 << ". " << rules.rules[i].app << " -> profile " << rules.rules[i].slot << '\n';
    out << "any other application: ";
    if (rules.defaultSlot)
        out << "profile " << rules.defaultSlot << '\n';
    else
        out << "leave as is\n";
    out.flush();
}

int runRules(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand("rules");
    const QString action = args.value(0, QStringLiteral("list"));
    const QStringList rest = args.mid(1);
    const auto expect = [&](int count) { return rest.size() == count; };
    const QString slotRange = QString("a profile slot is 1 to %1").arg(kProfileSlotCount);

    if (action == QLatin1String("list")) {
        if (!expect(0))
            return context.usageError(*self, "rules list takes nothing more");
        StorageOutcome read;
        const AppSwitchRules rules = loadAppSwitchRules(&read);
        if (!read.ok()) {
            context.error(read.message());
            return kExitBadInput;
        }
        printRules(context, rules);
        return kExitOk;
    }

    // Every change is one read, change and write under the data-folder lock.
    int slot = 0;
    if (action == QLatin1String("add")) {
        if (!expect(2))
            return context.usageError(*self, "rules add takes an application and a profile slot");
        if (const QString problem = appNameProblem(rest[0]); !problem.isEmpty())
            return context.usageError(*self, problem);
        if ((slot = parseSlot(rest[1], false)) < 0)
            return context.usageError(*self, slotRange);
    } else if (action == QLatin1String("remove")) {
        if (!expect(1))
            return context.usageError(*self, "rules remove takes an application");
    } else if (action == QLatin1String("default")) {
        if (!expect(1) || (slot = parseSlot(rest[0], true)) < 0)
            return context.usageError(*self, slotRange + ", or none to leave the mouse as it is");
    } else if (action == QLatin1String("on") || action == QLatin1String("off")) {
        if (!expect(0))
            return context.usageError(*self, "rules " + action + " takes nothing more");
    } else {
        return context.usageError(*self, "unknown rules action: " + action);
    }

    if (!context.holdDataFolder())
        return kExitBadInput;
    StorageOutcome read;
    AppSwitchRules rules = loadAppSwitchRules(&read);
    if (!read.ok()) {
        context.error(read.message());
        return kExitBadInput;
    }
    if (action == QLatin1String("add")) {
        rules.put(rest[0], slot);
    } else if (action == QLatin1String("remove")) {
        if (!rules.remove(rest[0])) {
            context.error("no rule for " + rest[0]);
            return kExitBadInput;
        }
    } else if (action == QLatin1String("default")) {
        rules.defaultSlot = slot;
    } else {
        rules.enabled = action == QLatin1String("on");
    }
    const StorageOutcome written = storeAppSwitchRules(rules);
    if (!written.ok()) {
        context.error(written.message());
        return kExitBadInput;
    }
    printRules(context, rules);
    return kExitOk;
}

const CliCommandRegistrar registrar(
    {"rules",
     "rules [list | add APP SLOT | remove APP | default SLOT|none | on | off]  automatic profile\n"
     "      switching: the profile slot the mouse takes when APP (an executable or window class)\n"
     "      comes to the front; the window follows these rules",
     runRules});

} // namespace
