// mousecfgctl: the command-line tool on the same core as the window.

#include "cli/arguments.h"
#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "cli/command_complete.h"
#include "session/device_session.h"
#include "storage/app_paths.h"
#include "storage/log_categories.h"

#include <QCoreApplication>

#include <cstdio>
#include <optional>

namespace {

struct GlobalOptions {
    bool help = false;
    bool version = false;
    bool verbose = false;
    SessionOptions session; // --data-dir, --simulate, --virtual-time, --trace
    QString command;
    QStringList commandArgs;
};

const char kOptionsHelp[] =
    "Usage: mousecfgctl [OPTIONS] COMMAND [ARGS]\n"
    "\n"
    "Options (before the command):\n"
    "  --data-dir DIR      DIR is the application folder: DIR/Configs holds the data,\n"
    "                      DIR/DefaultProfile.bin, skin and lang when there, else the shipped\n"
    "                      ones (also MOUSECFG_DATA_DIR)\n"
    "%1"
    "  --virtual-time      with --simulate: every wait runs on a virtual clock\n"
    "  --trace FILE        write every HID transfer to FILE: W and the bytes written, R and the\n"
    "                      bytes read, T for a read that failed or timed out\n"
    "  --verbose           print the diagnostics of every layer on standard error\n"
    "  --help              this text\n"
    "  --version           the program's version\n"
    "\n"
    "Commands:\n";

const char kExitHelp[] =
    "\n"
    "Exit status: 0 success; 1 device not found, 2 verification failed, 4 write failed,\n"
    "5 mouse off; 64 usage error; 65 refused value or unreadable input file.\n"
    "Diagnostics are also switched on by QT_LOGGING_RULES=\"mousecfg.*.debug=true\".\n";

void printHelp(std::FILE *to)
{
    // The simulated mouse's words come from its own parser's module (through the session).
    std::fputs(QString::fromLatin1(kOptionsHelp).arg(simOptionsHelp()).toLocal8Bit().constData(), to);
    for (const CliCommand &command : cliCommands())
        std::fprintf(to, "  %s\n", command.usage);
    std::fputs(kExitHelp, to);
}

int usage(const QString &message)
{
    std::fprintf(stderr, "mousecfgctl: %s\n", message.toLocal8Bit().constData());
    std::fputs("Try 'mousecfgctl --help'.\n", stderr);
    return kExitUsage;
}

// Reads the global options up to the command; false with *error on a usage error.
bool parseGlobalOptions(const QStringList &args, GlobalOptions *options, QString *error)
{
    OnceOptions once{QStringList{"--help", "-h"}};
    int i = 0;
    for (; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (!arg.startsWith('-'))
            break;
        const QString name = arg.section('=', 0, 0);
        const OptionTaken session = takeSessionOption(args, &i, &options->session, error);
        if (session == OptionTaken::Malformed)
            return false;
        if (session == OptionTaken::No) {
            if (arg == "--help" || arg == "-h") {
                options->help = true;
            } else if (arg == "--version") {
                options->version = true;
            } else if (arg == "--verbose") {
                options->verbose = true;
            } else {
                *error = "unknown option " + arg;
                return false;
            }
        }
        // Checked once the option itself is sound: a second one would replace the first.
        *error = once.take(name);
        if (!error->isEmpty())
            return false;
    }
    if (i < args.size()) {
        options->command = args.at(i);
        options->commandArgs = args.mid(i + 1);
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("mousecfgctl");
    QCoreApplication::setApplicationVersion(MOUSECFG_VERSION);

    GlobalOptions options;
    QString error;
    if (!parseGlobalOptions(app.arguments().mid(1), &options, &error))
        return usage(error);
    // The device layer's debug lines would bury the tool's own messages: only on request.
    configureDiagnostics(options.verbose);
    if (options.help) {
        printHelp(stdout);
        return kExitOk;
    }
    if (options.version) {
        std::fputs("mousecfgctl " MOUSECFG_VERSION "\n", stdout);
        return kExitOk;
    }
    if (options.command.isEmpty())
        return usage("no command given");
    const CliCommand *command = findCliCommand(options.command);
    if (!command)
        return usage("unknown command " + options.command);
    std::optional<SimOptions> simulation;
    if (!simulationFromOptions(options.session, &simulation, &error))
        return usage(error);

    if (!options.session.dataDir.isEmpty())
        AppPaths::setDataDirOverride(options.session.dataDir);
    AppPaths::init();
    if (options.command != QLatin1String(kCompleteCommandName) && !AppPaths::prepareDataFolder()) {
        std::fprintf(stderr, "mousecfgctl: cannot set up the data folder %s\n",
                     AppPaths::configsFolder().toLocal8Bit().constData());
        return kExitBadInput;
    }

    DeviceSession session(simulation, options.session.virtualTime);
    if (!options.session.traceFile.isEmpty() && !session.traceTo(options.session.traceFile))
        return usage("--trace: cannot write " + options.session.traceFile);

    CliContext context(session);
    return command->run(context, options.commandArgs);
}
