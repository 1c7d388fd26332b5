#include "app/app_options.h"

#include "app/window_rules.h"

namespace {

// A step number 0..kLastScaleStep, or -1.
int parseStep(const QString &text)
{
    bool ok = false;
    const int step = text.toInt(&ok);
    return ok && step >= 0 && step <= kLastScaleStep ? step : -1;
}

} // namespace

bool parseAppOptions(const QStringList &args, AppOptions *options, QString *error)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        // An option's value, either "--name=value" or the next argument; never empty.
        auto value = [&](const QString &name, QString *out) -> bool {
            if (arg.startsWith(name + '='))
                *out = arg.mid(name.size() + 1);
            else if (arg == name && i + 1 < args.size())
                *out = args.at(++i);
            else
                out->clear();
            if (out->isEmpty()) {
                *error = name + " needs a value";
                return false;
            }
            return true;
        };
        auto named = [&](const QString &name) { return arg == name || arg.startsWith(name + '='); };

        if (arg == "--help" || arg == "-h") {
            options->help = true;
        } else if (arg == "--simulate") {
            options->simulate = true;
        } else if (arg.startsWith("--simulate=")) {
            options->simulate = true;
            options->simulateSpec = arg.mid(int(sizeof "--simulate=") - 1);
        } else if (arg == "--virtual-time") {
            options->virtualTime = true;
        } else if (named("--data-dir")) {
            if (!value("--data-dir", &options->dataDir))
                return false;
        } else if (named("--screenshots")) {
            if (!value("--screenshots", &options->screenshotsDir))
                return false;
        } else if (named("--scale-step")) {
            QString text;
            if (!value("--scale-step", &text))
                return false;
            options->scaleStep = parseStep(text);
            if (options->scaleStep < 0) {
                *error = QString("--scale-step takes a step 0..%1, not %2").arg(kLastScaleStep).arg(text);
                return false;
            }
        } else {
            *error = "unknown option " + arg;
            return false;
        }
    }
    return true;
}

QString appUsageText()
{
    return QStringLiteral(
        "Usage: mousecfg [OPTIONS]\n"
        "\n"
        "  --simulate[=LIST]   the simulated mouse instead of the real one; LIST is a comma-separated\n"
        "                      list: receiver (default), cable or both; silent, zeros=N, stale=N,\n"
        "                      corrupt=N, writefail=N, latency=MS, battery=C:L:H, devtype=N,\n"
        "                      notice=P:D:R:M\n"
        "  --virtual-time      with --simulate: every wait of the device layer runs on a virtual clock\n"
        "                      (for screenshots and tests: the battery poller then runs flat out)\n"
        "  --data-dir DIR      DIR is the application folder: DIR/Configs holds the data,\n"
        "                      DIR/DefaultProfile.bin the model description (also MOUSECFG_DATA_DIR)\n"
        "  --screenshots OUT   render every page, the language menu, the tray menu and the\n"
        "                      \"Dongle Disconnect!\" box to PNG files in OUT, then exit\n"
        "  --scale-step N      lay the window out at scale step N (0..16: factor 1.0 + 0.25 N)\n"
        "                      instead of the screen's; also MOUSECFG_SCALE_STEP\n"
        "  --help              this text\n"
        "\n"
        "Exit status: 0 normally; 1 when the program already runs for this product;\n"
        "64 for a usage error.\n");
}

int scaleStepFromEnvironment()
{
    const QString text = qEnvironmentVariable("MOUSECFG_SCALE_STEP");
    return text.isEmpty() ? -1 : parseStep(text);
}
