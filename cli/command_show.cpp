// mousecfgctl show: the stored working set in plain words, as text or as one JSON document.

#include "cli/arguments.h"
#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "cli/profile_view.h"
#include "storage/profile_data.h"
#include "storage/settings_file.h"

#include <QJsonDocument>

namespace {

int runShow(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand("show");
    bool json = false;
    int profile = -1;
    OnceOptions once;
    for (int i = 0; i < args.size(); ++i) {
        const QString repeated = args[i].startsWith("--") ? once.take(args[i]) : QString();
        if (!repeated.isEmpty())
            return context.usageError(*self, repeated);
        if (args[i] == QLatin1String("--json")) {
            json = true;
        } else if (args[i] == QLatin1String("--profile") && i + 1 < args.size()) {
            bool ok = false;
            profile = args[++i].toInt(&ok) - 1;
            if (!ok || profile < 0 || profile >= kProfileSlotCount)
                return context.usageError(*self, QString("the profile number must be 1 to %1").arg(kProfileSlotCount));
        } else {
            return context.usageError(*self, QString("unexpected argument %1").arg(args[i]));
        }
    }
    ProfileSet working;
    loadStartingSet(working);
    const QJsonObject document = profileSetDocument(working, storedModelView(context.settings()), profile);
    if (json)
        context.out() << QJsonDocument(document).toJson(QJsonDocument::Indented);
    else
        context.out() << profileSetText(document);
    context.out().flush();
    return kExitOk;
}

const CliCommandRegistrar registrar({"show",
                                     "show [--profile N] [--json]  print the stored working set: every profile, or "
                                     "profile N (1..5); --json as one JSON document",
                                     runShow});

} // namespace
