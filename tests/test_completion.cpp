// Shell completion for mousecfgctl: the three scripts parse, each completes through the real
// shell against a data folder of its own, and what they offer comes from the tool, so it is what
// the tool takes.

#include "storage/macro_file.h"
#include "support/run_tool.h"
#include "support/test_env.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {

const QString kScripts = QStringLiteral(MOUSECFG_SOURCE_DIR "/data/completion/");
const QVector<MacroEvent> kSteps{keyStep(0x04, true), keyStep(0x04, false)};

struct ShellRun {
    int status = -1;
    QString out;
    QString err;
};

ShellRun runShell(const QString &program, const QStringList &args, const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("MOUSECFG_DATA_DIR");
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/config");
    env.insert("XDG_DATA_HOME", home + "/data");
    env.insert("PATH", QFileInfo(toolPath()).absolutePath() + ':' + env.value("PATH"));
    env.insert("TERM", "xterm");
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    ShellRun r;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    if (p.exitStatus() == QProcess::NormalExit)
        r.status = p.exitCode();
    return r;
}

QString shellPath(const QString &shell)
{
    return QStandardPaths::findExecutable(shell);
}

// The commands and the options before them, as `mousecfgctl --help` lists them.
QStringList helpCommands(const QString &help)
{
    QStringList names;
    const QString commands = help.section("Commands:\n", 1).section("\n\n", 0, 0);
    static const QRegularExpression line("^  ([a-z][a-z-]*)\\b", QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(commands); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

QStringList helpOptions(const QString &help)
{
    QStringList names;
    const QString options = help.section("Commands:\n", 0, 0);
    static const QRegularExpression line("^  (--[a-z-]+)", QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(options); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class TestCompletion : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TempAppFolder> m_dir;
    QTemporaryDir m_home;

    // COMPREPLY of the bash script for the line, split into words as bash splits it (at "=" and
    // ":" too); with or without bash-completion's helpers loaded.
    QStringList bashComplete(const QString &line, const QStringList &words, bool withHelpers = true)
    {
        const QString harness = QString("%1source \"$1\"; shift\n"
                                        "COMP_LINE=$1; shift; COMP_WORDS=(\"$@\"); COMP_CWORD=$(( $# - 1 ))\n"
                                        "COMP_POINT=${#COMP_LINE}\n"
                                        "_mousecfgctl mousecfgctl \"${COMP_WORDS[COMP_CWORD]}\"\n"
                                        "printf '%s\\n' \"${COMPREPLY[@]}\"\n")
                                    .arg(withHelpers ? "source /usr/share/bash-completion/bash_completion\n" : "");
        const ShellRun r = runShell(shellPath("bash"), QStringList{"-c", harness, "bash", kScripts + "mousecfgctl.bash",
                                                                  toolPath() + line} + (QStringList{toolPath()} + words),
                                    m_home.path());
        if (r.status != 0)
            qWarning("bash: %s", qPrintable(r.err));
        return r.out.split('\n', Qt::SkipEmptyParts);
    }

    // The line after zsh's completion of its end: a real interactive zsh on a terminal, the
    // script found through fpath, one Tab.
    QString zshComplete(const QString &line)
    {
        const QString driver =
            "zmodload zsh/zpty\n"
            "zpty z 'zsh -f -i'\n"
            "zpty -w z \"PS1=''; fpath=(${(q)1} \\$fpath); autoload -Uz compinit; compinit -u -D\"\n"
            "zpty -w z 'show-buffer() { BUFFER=\"print -r -- \\\"<<<\\\"${(qq)BUFFER}\\\">>>\\\"\"; zle accept-line }'\n"
            "zpty -w z 'zle -N show-buffer; bindkey \"^T\" show-buffer'\n"
            "zpty -w -n z \"$2\"$'\\t\\x14'\n"
            "out=\n"
            "for i in {1..200}; do\n"
            "  zpty -r -t z chunk && out+=$chunk\n"
            "  [[ $out == *'<<<mousecfgctl'*'>>>'* ]] && break\n"
            "  sleep 0.05\n"
            "done\n"
            "zpty -d z\n"
            "print -r -- \"${${out##*<<<}%%>>>*}\"\n";
        const ShellRun r = runShell(shellPath("zsh"), {"-f", "-c", driver, "zsh", kScripts, line}, m_home.path());
        return r.out.trimmed();
    }

    // fish's candidates for the line, without their descriptions.
    QStringList fishComplete(const QString &line)
    {
        const ShellRun r = runShell(shellPath("fish"),
                                    {"--no-config", "-c", "source $argv[1]; complete -C $argv[2]",
                                     kScripts + "mousecfgctl.fish", line},
                                    m_home.path());
        QStringList words;
        for (const QString &candidate : r.out.split('\n', Qt::SkipEmptyParts))
            words << candidate.section('\t', 0, 0);
        return words;
    }

    QString dataDir() const { return m_dir->path(); }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(toolPath()), "mousecfgctl is not built");
        QVERIFY(m_home.isValid());
    }

    // A data folder whose macro library holds a name with a space, and the model description
    // that names the buttons.
    void init()
    {
        m_dir = std::make_unique<TempAppFolder>(true);
        QFile::remove(m_dir->filePath("DefaultProfile.bin"));
        QVERIFY(QFile::copy(QStringLiteral(MOUSECFG_APP_DIR) + "/DefaultProfile.bin",
                            m_dir->filePath("DefaultProfile.bin")));
        for (const QString &name : {QString("Rapid fire"), QString("burst")}) {
            QVERIFY(saveMacro(name, MacroSettings(), kSteps));
            QVERIFY(addMacroName(name));
        }
    }

    void scriptsParse_data()
    {
        QTest::addColumn<QString>("shell");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("bash") << "bash" << QStringList{"-n", kScripts + "mousecfgctl.bash"};
        QTest::newRow("zsh") << "zsh" << QStringList{"-n", kScripts + "_mousecfgctl"};
        QTest::newRow("fish") << "fish" << QStringList{"-n", kScripts + "mousecfgctl.fish"};
    }
    void scriptsParse()
    {
        QFETCH(QString, shell);
        QFETCH(QStringList, args);
        if (shellPath(shell).isEmpty())
            QSKIP(qPrintable(shell + " is not installed (scripts/deps.sh installs it)"));
        const ShellRun r = runShell(shellPath(shell), args, m_home.path());
        QVERIFY2(r.status == 0 && r.err.isEmpty(), qPrintable(r.err));
    }

    // The scripts hold no command list: what they offer is the tool's command table, and the
    // options are those its help names.
    void commandsAndOptionsAreTheTools()
    {
        const ToolRun help = runTool({"--help"});
        QCOMPARE(help.status, 0);
        const QStringList commands = helpCommands(help.out);
        QVERIFY(commands.contains("status") && commands.contains("complete") && commands.size() >= 10);
        const QStringList options = helpOptions(help.out);
        QVERIFY(options.contains("--data-dir") && options.contains("--version"));

        if (!shellPath("bash").isEmpty()) {
            QCOMPARE(sorted(bashComplete(" ", {""})), sorted(commands));
            QCOMPARE(sorted(bashComplete(" --", {"--"})), sorted(options));
            QCOMPARE(sorted(bashComplete(" --simulate s", {"--simulate", "s"})), QStringList({"select-profile", "set", "show", "status"}));
        }
        if (!shellPath("fish").isEmpty())
            QCOMPARE(sorted(fishComplete("mousecfgctl ")), sorted(commands));
        // Command options come from each command's synopsis.
        const ToolRun show = runTool({"complete", "show", "--profile", "3", "-"});
        QCOMPARE(show.out, QString("words\n--json\n"));
        QCOMPARE(runTool({"complete", "status", ""}).out, QString("words\n--json\n"));
        QCOMPARE(runTool({"complete", "select-profile", ""}).out, QString("words\n1\n2\n3\n4\n5\n"));
        QCOMPARE(runTool({"complete", "load-conf", ""}).out, QString("files\n"));
        QCOMPARE(runTool({"complete"}).status, 64);
    }

    void bashQuotesNamesWithSpaces()
    {
        if (shellPath("bash").isEmpty())
            QSKIP("bash is not installed");
        const QString dir = dataDir();
        QCOMPARE(bashComplete(" --data-dir " + dir + " set button 2 macro Ra",
                              {"--data-dir", dir, "set", "button", "2", "macro", "Ra"}),
                 QStringList{"Rapid\\ fire"});
        // Inside an open quote the name goes in as it is; readline closes the quote.
        QCOMPARE(bashComplete(" --data-dir " + dir + " set button 2 macro \"ra",
                              {"--data-dir", dir, "set", "button", "2", "macro", "\"ra"}),
                 QStringList{"Rapid fire"});
        // "--data-dir=DIR" as bash splits it, and without bash-completion's helpers.
        QCOMPARE(bashComplete(" --data-dir=" + dir + " set button 2 macro R",
                              {"--data-dir", "=", dir, "set", "button", "2", "macro", "R"}),
                 QStringList{"Rapid\\ fire"});
        QCOMPARE(bashComplete(" --data-dir " + dir + " set button 2 macro R",
                              {"--data-dir", dir, "set", "button", "2", "macro", "R"}, false),
                 QStringList{"Rapid\\ fire"});
        // A name typed word by word, as the tool joins them; case does not matter.
        QCOMPARE(bashComplete(" set button 2 volume u", {"set", "button", "2", "volume", "u"}), QStringList{"Up"});
        QCOMPARE(sorted(bashComplete(" set button 2 vol", {"set", "button", "2", "vol"})),
                 QStringList({"Volume\\ Down", "Volume\\ Up"}));
        // After a whole macro name, its loop modes.
        QCOMPARE(sorted(bashComplete(" --data-dir " + dir + " set button 2 macro burst --",
                                     {"--data-dir", dir, "set", "button", "2", "macro", "burst", "--"})),
                 QStringList({"--loop", "--profile", "--until-pressed", "--while-held"}));
        // A folder after "--data-dir=": readline replaces only what follows "=".
        QDir(dir).mkpath("sub folder");
        QCOMPARE(bashComplete(" --data-dir=" + dir + "/sub", {"--data-dir", "=", dir + "/sub"}),
                 QStringList{dir + "/sub folder"});
    }

    void zshQuotesNamesWithSpaces()
    {
        if (shellPath("zsh").isEmpty())
            QSKIP("zsh is not installed");
        const QString line = "mousecfgctl --data-dir " + dataDir() + " set button 2 macro Ra";
        QCOMPARE(zshComplete(line), line.left(line.size() - 2) + "Rapid\\ fire");
        QCOMPARE(zshComplete("mousecfgctl set lighting 7"), QString("mousecfgctl set lighting 7\\ COLOR\\ BREATHING"));
        QCOMPARE(zshComplete("mousecfgctl select-profile 4"), QString("mousecfgctl select-profile 4"));
    }

    void fishOffersNamesWithSpaces()
    {
        if (shellPath("fish").isEmpty())
            QSKIP("fish is not installed");
        const QString dir = dataDir();
        QCOMPARE(sorted(fishComplete("mousecfgctl --data-dir " + dir + " set button 2 macro ")),
                 QStringList({"Rapid fire", "burst"}));
        QCOMPARE(fishComplete("mousecfgctl --data-dir " + dir + " set button 2 macro 'Rap"), QStringList{"Rapid fire"});
        QCOMPARE(sorted(fishComplete("mousecfgctl set button wheel-up Scroll\\ ")), QStringList({"Scroll Down", "Scroll Up"}));
    }

    // What the completion offers, `set` takes: every function of a front button and of a wheel
    // button, every keyboard key, every lighting effect, the macros of the named folder.
    void everyWordOfferedIsTaken_data()
    {
        QTest::addColumn<QStringList>("prefix");
        QTest::newRow("front button functions") << QStringList{"set", "button", "2"};
        QTest::newRow("wheel functions") << QStringList{"set", "button", "wheel-up"};
        QTest::newRow("keys") << QStringList{"set", "button", "2", "key"};
        QTest::newRow("lighting effects") << QStringList{"set", "lighting"};
        QTest::newRow("macros") << QStringList{"set", "button", "2", "macro"};
        QTest::newRow("buttons") << QStringList{"set", "button"};
    }
    void everyWordOfferedIsTaken()
    {
        QFETCH(QStringList, prefix);
        const QStringList global{"--data-dir", dataDir()};
        const ToolRun offered = runTool(QStringList{"complete"} + global + prefix + QStringList{""});
        QCOMPARE(offered.status, 0);
        QStringList words = offered.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(words.takeFirst(), QString("words"));
        QVERIFY(words.size() >= 2);
        // Each `set` is a process with a locked, journalled write: of the long lists (functions,
        // keys), the plain one-word names are left out; those with spaces or punctuation, which
        // the quoting and the joining of words could spoil, are all tried.
        static const QRegularExpression plain("^[A-Za-z0-9]+$");
        static const QStringList keywords{"key", "combo", "fire", "sniper", "macro"};
        for (const QString &word : words) {
            if (word.startsWith("--"))
                continue;
            if (words.size() > 20 && plain.match(word).hasMatch() && !keywords.contains(word))
                continue;
            QStringList args = global + prefix + QStringList{word};
            if (word == "fire")
                args << "left" << "2" << "50";
            else if (word == "sniper")
                args << "800";
            else if (word == "key")
                args << "F5";
            else if (word == "combo")
                args << "Ctrl + A";
            else if (word == "macro")
                args << "burst";
            else if (QTest::currentDataTag() == QLatin1String("buttons"))
                args << "Left";
            const ToolRun set = runTool(args);
            QVERIFY2(set.status == 0, qPrintable(args.join(' ') + ": " + set.err));
        }
        if (QTest::currentDataTag() == QLatin1String("front button functions")) {
            QVERIFY(words.contains("Volume Up") && words.contains("macro") && !words.contains("Scroll Up"));
        } else if (QTest::currentDataTag() == QLatin1String("wheel functions")) {
            QVERIFY(words.contains("Scroll Up") && !words.contains("Cut") && !words.contains("macro"));
        } else if (QTest::currentDataTag() == QLatin1String("macros")) {
            QCOMPARE(words, QStringList({"Rapid fire", "burst"}));
        }
    }

    // Pressing Tab reads the data folder the line names and never sets one up.
    void completionLeavesTheDataFolderAlone()
    {
        const QString missing = m_home.filePath("not-yet");
        const ToolRun r = runTool({"complete", "--data-dir", missing, "set", "button", "2", "macro", ""});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QString("words\n"));
        QVERIFY(!QFileInfo::exists(missing));
        // The folder on the command line wins over the environment's.
        TempAppFolder other(true);
        QFile::remove(other.filePath("DefaultProfile.bin"));
        QVERIFY(QFile::copy(QStringLiteral(MOUSECFG_APP_DIR) + "/DefaultProfile.bin", other.filePath("DefaultProfile.bin")));
        QVERIFY(saveMacro("elsewhere", MacroSettings(), kSteps));
        QVERIFY(addMacroName("elsewhere"));
        const ToolRun named = runTool({"complete", "--data-dir", dataDir(), "set", "button", "2", "macro", ""}, other.path());
        QCOMPARE(named.out, QString("words\nRapid fire\nburst\n"));
        QCOMPARE(runTool({"complete", "set", "button", "2", "macro", ""}, other.path()).out, QString("words\nelsewhere\n"));
    }
};

QTEST_GUILESS_MAIN(TestCompletion)
#include "test_completion.moc"
