#include "app/app_options.h"

#include "app/window_rules.h"
#include "sim/sim_options.h"

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
        auto named = [&](const QString &name) { return arg == name || arg.startsWith(name + '='); };

        const OptionTaken session = takeSessionOption(args, &i, &options->session, error);
        if (session == OptionTaken::Malformed)
            return false;
        if (session == OptionTaken::Yes)
            continue;
        if (arg == "--help" || arg == "-h") {
            options->help = true;
        } else if (arg == "--version") {
            options->version = true;
        } else if (arg == "--hidden") {
            options->hidden = true;
        } else if (arg == "--verbose") {
            options->verbose = true;
        } else if (named("--screenshots")) {
            if (!takeOptionValue(args, &i, "--screenshots", &options->screenshotsDir, error))
                return false;
        } else if (named("--scale-step")) {
            QString text;
            if (!takeOptionValue(args, &i, "--scale-step", &text, error))
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
        "%1"
        "  --virtual-time      with --simulate: every wait of the device layer runs on a virtual clock\n"
        "                      (for screenshots and tests: the battery poller then runs flat out)\n"
        "  --data-dir DIR      DIR is the application folder: DIR/Configs holds the data,\n"
        "                      DIR/DefaultProfile.bin, skin and lang when there, else the shipped\n"
        "                      ones (also MOUSECFG_DATA_DIR)\n"
        "  --trace FILE        write every HID transfer to FILE: W and the bytes written, R and the\n"
        "                      bytes read, T for a read that failed or timed out\n"
        "  --screenshots OUT   render every page, the language menu, the tray menu and the\n"
        "                      \"Dongle Disconnect!\" box to PNG files in OUT, then exit\n"
        "  --scale-step N      lay the window out at scale step N (0..16: factor 1.0 + 0.25 N)\n"
        "                      instead of the screen's; also MOUSECFG_SCALE_STEP\n"
        "  --hidden            start hidden in the tray (the \"Dongle Disconnect!\" box still shows\n"
        "                      when no mouse is found)\n"
        "  --verbose           print the diagnostics of every layer on standard error (also\n"
        "                      QT_LOGGING_RULES=\"mousecfg.*.debug=true\")\n"
        "  --help              this text\n"
        "  --version           the program's version\n"
        "\n"
        "Exit status: 0 normally; 1 when the program already runs for this product;\n"
        "64 for a usage error.\n").arg(simOptionsHelp());
}

QString appVersionText()
{
    return QStringLiteral("mousecfg " MOUSECFG_VERSION "\n");
}

bool hasToolkitOptions(const QStringList &args)
{
    for (const QString &arg : args) {
        if (arg.size() > 1 && arg.startsWith('-') && !arg.startsWith(QLatin1String("--")) && arg != QLatin1String("-h"))
            return true;
    }
    return false;
}

int scaleStepFromEnvironment()
{
    const QString text = qEnvironmentVariable("MOUSECFG_SCALE_STEP");
    return text.isEmpty() ? -1 : parseStep(text);
}
