// mousecfgctl complete WORD... CURRENT: what the shell completion scripts offer for CURRENT, the
// word being typed, after the words before it (everything after "mousecfgctl", quoting removed).
// The first line says what to complete: "words" (the words follow, one a line), "files" or
// "dirs" (the shell completes paths). Commands and their options come from the command table, the
// names from the same functions `set` checks them with, so the scripts never drift from the tool.

#include "cli/button_edit.h"
#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "cli/command_complete.h"
#include "cli/edit_model.h"
#include "cli/lighting_edit.h"
#include "cli/profile_edit.h"
#include "model/lighting_effects.h"
#include "model/report_rates.h"
#include "storage/app_paths.h"
#include "storage/profile_data.h"
#include "storage/record_sizes.h"

#include <QDir>

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>

namespace {

// The options before the command, with the kind of value each takes ("" for none). `--help`
// checks this list against the tool's own help text.
const std::pair<const char *, const char *> kGlobalOptions[] = {
    {"--data-dir", "dirs"}, {"--simulate", ""}, {"--virtual-time", ""}, {"--trace", "files"},
    {"--verbose", ""},      {"--help", ""},     {"--version", ""},
};

struct Answer {
    QString kind = QStringLiteral("words");
    QStringList words;
};

Answer paths(const char *kind)
{
    Answer answer;
    answer.kind = QString::fromLatin1(kind);
    return answer;
}

QStringList profileNumbers()
{
    QStringList numbers;
    for (int p = 1; p <= kProfileSlotCount; ++p)
        numbers << QString::number(p);
    return numbers;
}

QStringList numbers(int first, int last)
{
    QStringList list;
    for (int n = first; n <= last; ++n)
        list << QString::number(n);
    return list;
}

// A name of several words may be typed as one quoted word or word by word, as the tool joins
// the words with single spaces. `typed`: the words of the name already given; what is offered is
// the rest of each name that begins with them.
QStringList nameTails(const QStringList &names, const QStringList &typed)
{
    const QString before = typed.join(' ');
    QStringList tails;
    for (const QString &name : names) {
        if (before.isEmpty())
            tails << name;
        else if (name.startsWith(before + ' ', Qt::CaseInsensitive))
            tails << name.mid(before.size() + 1);
    }
    return tails;
}

bool containsName(const QStringList &names, const QStringList &typed)
{
    return !typed.isEmpty() && names.contains(typed.join(' '), Qt::CaseInsensitive);
}

// Options of `options` that `given` does not hold yet.
QStringList optionsLeft(const QStringList &options, const QStringList &given)
{
    QStringList left;
    for (const QString &option : options) {
        if (!given.contains(option))
            left << option;
    }
    return left;
}

class Completer {
public:
    explicit Completer(CliContext &context) : m_context(context) {}

    Answer commandLine(const QStringList &words, const QString &current);

private:
    Answer command(const CliCommand &command, const QStringList &args, const QString &current);
    Answer set(const QStringList &args, const QString &current);
    Answer button(const QStringList &args, const QString &current);
    Answer macro(const QStringList &args, const QString &current);
    Answer lighting(const QStringList &args, const QString &current);

    const EditModel &model()
    {
        if (!m_model)
            m_model = storedEditModel(m_context.settings());
        return *m_model;
    }

    CliContext &m_context;
    std::optional<EditModel> m_model;
};

Answer Completer::commandLine(const QStringList &words, const QString &current)
{
    QString dataDir;
    int i = 0;
    for (; i < words.size() && words[i].startsWith('-'); ++i) {
        if (words[i].startsWith(QLatin1String("--data-dir=")))
            dataDir = words[i].section('=', 1);
        const auto takesValue = std::find_if(std::begin(kGlobalOptions), std::end(kGlobalOptions), [&](const auto &o) {
            return *o.second && words[i] == QLatin1String(o.first);
        });
        if (takesValue == std::end(kGlobalOptions))
            continue;
        if (i + 1 == words.size())
            return paths(takesValue->second);
        if (words[i] == QLatin1String("--data-dir"))
            dataDir = words[i + 1];
        ++i;
    }
    if (i == words.size()) {
        for (const auto &[option, kind] : kGlobalOptions) {
            if (*kind && current.startsWith(QLatin1String(option) + '='))
                return paths(kind);
        }
        Answer answer;
        if (current.startsWith('-')) {
            for (const auto &option : kGlobalOptions)
                answer.words << QString::fromLatin1(option.first);
        } else {
            for (const CliCommand &c : cliCommands())
                answer.words << QString::fromLatin1(c.name);
        }
        return answer;
    }
    // The names come from the data folder the command line names, as the command would read them.
    if (dataDir == QLatin1String("~") || dataDir.startsWith(QLatin1String("~/")))
        dataDir = QDir::homePath() + dataDir.mid(1);
    if (!dataDir.isEmpty()) {
        AppPaths::setDataDirOverride(dataDir);
        AppPaths::init();
    }
    const CliCommand *found = findCliCommand(words[i]);
    if (!found)
        return {};
    return command(*found, words.mid(i + 1), current);
}

// Any other command by its synopsis in the command table: "show [--profile N] [--json]".
Answer Completer::command(const CliCommand &command, const QStringList &args, const QString &current)
{
    const QString name = QString::fromLatin1(command.name);
    if (name == QLatin1String("set"))
        return set(args, current);
    if (name == QLatin1String(kCompleteCommandName))
        return {};
    std::map<QString, QString> options; // option: its value's name, or empty
    QStringList positional;
    const QStringList synopsis =
        QString::fromLatin1(command.usage).section(QStringLiteral("  "), 0, 0).remove('[').remove(']').split(' ');
    for (int t = 1; t < synopsis.size(); ++t) {
        if (synopsis[t].startsWith(QLatin1String("--"))) {
            const bool takesValue = t + 1 < synopsis.size() && !synopsis[t + 1].startsWith('-')
                                    && synopsis[t + 1] == synopsis[t + 1].toUpper();
            const QString option = synopsis[t];
            options[option] = takesValue ? synopsis[++t] : QString();
        } else {
            positional << synopsis[t];
        }
    }
    const auto valueAnswer = [&](const QString &option, const QString &value) -> Answer {
        if (option == QLatin1String("--profile") || (option.isEmpty() && name == QLatin1String("select-profile")))
            return {QStringLiteral("words"), profileNumbers()};
        if (value == QLatin1String("FILE"))
            return paths("files");
        if (value == QLatin1String("DIR"))
            return paths("dirs");
        return {};
    };
    QStringList given;
    int positionals = 0;
    for (int a = 0; a < args.size(); ++a) {
        const auto option = options.find(args[a]);
        if (option == options.end()) {
            ++positionals;
            continue;
        }
        given << args[a];
        if (!option->second.isEmpty()) {
            if (a + 1 == args.size())
                return valueAnswer(option->first, option->second);
            ++a;
        }
    }
    QStringList left;
    for (const auto &option : options)
        left << option.first;
    left = optionsLeft(left, given);
    if (current.startsWith('-'))
        return {QStringLiteral("words"), left};
    if (positionals < positional.size())
        return valueAnswer(QString(), positional[positionals]);
    return {QStringLiteral("words"), current.isEmpty() ? left : QStringList()};
}

Answer Completer::set(const QStringList &given, const QString &current)
{
    // --profile N may stand anywhere, as `set` takes it.
    QStringList args;
    bool profileGiven = false;
    for (int a = 0; a < given.size(); ++a) {
        if (given[a] != QLatin1String("--profile")) {
            args << given[a];
            continue;
        }
        if (a + 1 == given.size())
            return {QStringLiteral("words"), profileNumbers()};
        profileGiven = true;
        ++a;
    }
    Answer answer;
    if (current.startsWith('-') && !profileGiven)
        answer.words << QStringLiteral("--profile");
    if (args.isEmpty()) {
        if (!current.startsWith('-'))
            answer.words << setSettingNames();
        return answer;
    }
    const QString setting = args[0];
    const QStringList values = args.mid(1);
    const int stages = model().view.stageCount;
    if (setting == QLatin1String("button") || setting == QLatin1String("lighting")) {
        Answer more = setting == QLatin1String("button") ? button(values, current) : lighting(values, current);
        more.words = answer.words + more.words;
        return more;
    }
    if (current.startsWith('-'))
        return answer;
    if (setting == QLatin1String("rate") && values.isEmpty()) {
        for (const ReportRate &rate : reportRates())
            answer.words << QString::number(rate.hz);
    } else if ((setting == QLatin1String("dpi") || setting == QLatin1String("active-stage")) && values.isEmpty()) {
        answer.words << numbers(1, stages);
    } else if (setting == QLatin1String("stage") || setting == QLatin1String("link")) {
        if (values.isEmpty())
            answer.words << numbers(1, stages);
        else if (values.size() == 1)
            answer.words << QStringLiteral("on") << QStringLiteral("off");
    } else if (setting == QLatin1String("lift") && values.isEmpty()) {
        answer.words << numbers(1, 2);
    }
    return answer;
}

Answer Completer::button(const QStringList &args, const QString &current)
{
    const ModelView &view = model().view;
    Answer answer;
    if (args.isEmpty()) {
        for (int b = 0; b < kButtonCount; ++b) {
            if (!buttonId(b, view).isEmpty() && buttonIsSent(b, view.reach))
                answer.words << buttonId(b, view);
        }
        return answer;
    }
    const int b = buttonIndexOf(args[0], view);
    if (b < 0)
        return answer;
    const QStringList function = args.mid(1);
    const QStringList words = buttonFunctionWords(b, model().macrosEnabled);
    const QString keyword = function.isEmpty() ? QString() : function[0].toLower();
    if (!words.contains(keyword) || keyword.isEmpty()) {
        answer.words = nameTails(words, function);
    } else if (keyword == QLatin1String("key")) {
        answer.words = nameTails(keyboardKeyNames(), function.mid(1));
    } else if (keyword == QLatin1String("fire") && function.size() == 1) {
        answer.words << QStringLiteral("left") << QStringLiteral("right") << QStringLiteral("middle")
                     << keyboardKeyNames();
    } else if (keyword == QLatin1String("macro")) {
        return macro(function.mid(1), current);
    }
    return answer;
}

Answer Completer::macro(const QStringList &args, const QString &current)
{
    static const QStringList kLoopModes{"--loop", "--while-held", "--until-pressed"};
    QStringList name;
    bool loopGiven = false;
    for (int a = 0; a < args.size(); ++a) {
        if (kLoopModes.contains(args[a])) {
            loopGiven = true;
            if (args[a] == QLatin1String("--loop") && a + 1 == args.size())
                return {}; // a count
            if (args[a] == QLatin1String("--loop"))
                ++a;
        } else {
            name << args[a];
        }
    }
    Answer answer;
    // A name that begins with "--" would be read as an option, and one with a line break cannot
    // be typed: neither is offered.
    QStringList names;
    for (const QString &macro : model().macroNames) {
        if (!macro.startsWith(QLatin1String("--")) && !macro.contains('\n'))
            names << macro;
    }
    if (!current.startsWith('-'))
        answer.words = nameTails(names, name);
    if (!loopGiven && (current.startsWith('-') || (current.isEmpty() && containsName(names, name))))
        answer.words << kLoopModes;
    return answer;
}

Answer Completer::lighting(const QStringList &args, const QString &current)
{
    QStringList name;
    int a = 0;
    for (; a < args.size() && !args[a].startsWith(QLatin1String("--")); ++a)
        name << args[a];
    QStringList effects;
    const LightingEffect *effect = nullptr;
    for (int mode : lightingMenuOrder()) {
        const LightingEffect *candidate = lightingEffect(mode);
        effects << QString::fromUtf8(candidate->name);
        if (name.join(' ').compare(effects.last(), Qt::CaseInsensitive) == 0)
            effect = candidate;
    }
    Answer answer;
    if (a == args.size() && !current.startsWith('-'))
        answer.words = nameTails(effects, name);
    if (!effect)
        return answer;
    // Options come in pairs, each with its value.
    QStringList given;
    for (; a < args.size(); a += 2) {
        given << args[a];
        if (a + 1 == args.size()) {
            if (args[a] == QLatin1String("--move-off"))
                return {QStringLiteral("words"), {QStringLiteral("on"), QStringLiteral("off")}};
            return {};
        }
    }
    if (current.startsWith('-') || current.isEmpty())
        answer.words << optionsLeft(lightingOptions(*effect, model().view), given);
    return answer;
}

int runComplete(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand(kCompleteCommandName);
    if (args.isEmpty())
        return context.usageError(*self, "complete takes the words before the cursor and the word being typed");
    const QString current = args.last();
    const Answer answer = Completer(context).commandLine(args.mid(0, args.size() - 1), current);
    QTextStream &out = context.out();
    out << answer.kind << '\n';
    for (const QString &word : answer.words) {
        if (word.startsWith(current, Qt::CaseInsensitive))
            out << word << '\n';
    }
    out.flush();
    return kExitOk;
}

const CliCommandRegistrar registrar({kCompleteCommandName,
                                     "complete WORD... CURRENT  the words a shell may offer for CURRENT after the "
                                     "words before it (the completion scripts ask this)",
                                     runComplete});

} // namespace
