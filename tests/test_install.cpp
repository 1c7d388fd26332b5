// The installed program: an install into a staging folder (DESTDIR) holds every file a desktop
// expects, and both programs run from there, quietly, with their data under $XDG_DATA_HOME.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

struct Run {
    int status = -1; // -1: crashed or did not end in time
    QByteArray out;
    QByteArray err;
};

// Runs a program with the environment of a plain desktop session (nothing of the test's own
// data folder, no display unless `env` gives one); `env` adds or, with an empty value, removes.
Run run(const QString &program, const QStringList &args, const QMap<QString, QString> &env = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"MOUSECFG_DATA_DIR", "MOUSECFG_SCALE_STEP", "QT_LOGGING_RULES", "DISPLAY",
                             "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DESTDIR"})
        environment.remove(name);
    environment.insert("GSETTINGS_BACKEND", "memory");
    for (auto it = env.begin(); it != env.end(); ++it) {
        if (it.value().isEmpty())
            environment.remove(it.key());
        else
            environment.insert(it.key(), it.value());
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    Run result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        result.status = process.exitCode();
    return result;
}

// Starts a program, lets it run for `ms` and ends it; what it printed meanwhile.
Run runFor(int ms, const QString &program, const QStringList &args, const QMap<QString, QString> &env)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_LOGGING_RULES");
    environment.remove("MOUSECFG_DATA_DIR");
    for (auto it = env.begin(); it != env.end(); ++it)
        environment.insert(it.key(), it.value());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    Run result;
    result.status = process.waitForFinished(ms) ? process.exitCode() : 0; // still running: as it should
    process.terminate();
    process.waitForFinished();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QString describe(const Run &r)
{
    return QString("status %1\nstdout: %2\nstderr: %3").arg(r.status).arg(QString::fromLocal8Bit(r.out),
                                                                           QString::fromLocal8Bit(r.err));
}

// The offscreen platform's notes about what it cannot do (window masks, raising): the toolkit's,
// not the program's, and absent on a real display. Every other line counts.
QByteArray withoutOffscreenNotes(const QByteArray &err)
{
    QByteArray kept;
    for (const QByteArray &line : err.split('\n')) {
        if (!line.isEmpty() && !line.startsWith("This plugin does not support"))
            kept += line + '\n';
    }
    return kept;
}

void writeIni(const QString &path, const QString &key, const QVariant &value)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue(key, value);
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_stage.isValid());
        QVERIFY2(install().status == 0, "cmake --install into the staging folder failed");
        QVERIFY(QFile::exists(bin("mousecfg")) && QFile::exists(bin("mousecfgctl")));
    }

    // A fresh user for each case: home, data and configuration folders of their own.
    void init()
    {
        m_user = std::make_unique<QTemporaryDir>();
        QVERIFY(m_user->isValid());
    }

    void layoutHoldsEveryFile()
    {
        for (const char *file :
             {"share/mousecfg/DefaultProfile.bin", "share/mousecfg/templates/Config.ini",
              "share/mousecfg/skin/cfgMainback.png", "share/mousecfg/skin/icon.png",
              "share/mousecfg/lang/mousecfg_en.qm", "share/mousecfg/lang/mousecfg_de.qm",
              "share/mousecfg/lang/mousecfg_zh_CN.qm", "share/applications/" MOUSECFG_APP_ID ".desktop",
              "share/metainfo/" MOUSECFG_APP_ID ".metainfo.xml", "share/man/man1/mousecfg.1.gz",
              "share/man/man1/mousecfgctl.1.gz", "share/man/man1/mousecfg-osd.1.gz",
              "share/bash-completion/completions/mousecfgctl", "share/zsh/vendor-completions/_mousecfgctl",
              "share/fish/vendor_completions.d/mousecfgctl.fish", "lib/udev/rules.d/60-mousecfg.rules",
              "share/dbus-1/interfaces/" MOUSECFG_APP_ID ".Mouse.xml",
              "share/mousecfg/kwin/mousecfg-focus/contents/code/main.js",
              "share/gnome-shell/extensions/mousecfg-focus@mousecfg.github.io/metadata.json",
              "share/doc/mousecfg/copyright", "share/doc/mousecfg/changelog.gz"})
            QVERIFY2(QFile::exists(prefix(file)), file);
        // The icon at each size the desktop looks for, really of that size.
        for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage icon(prefix(QString("share/icons/hicolor/%1x%1/apps/mousecfg.png").arg(side)));
            QCOMPARE(icon.size(), QSize(side, side));
        }
        if (QFile::exists(QStringLiteral(MOUSECFG_BUILD_DIR) + "/icons/hicolor/scalable/apps/mousecfg.svg"))
            QVERIFY(QFile::exists(prefix("share/icons/hicolor/scalable/apps/mousecfg.svg")));
        // Nothing of a user's data folder is installed: the template only seeds it at run time.
        QDirIterator it(prefix(""), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            QVERIFY2(!it.next().contains("/Configs/"), qPrintable(it.filePath()));
    }

    void desktopFilesPassTheirValidators()
    {
        const QString desktop = QStandardPaths::findExecutable("desktop-file-validate");
        const QString appstream = QStandardPaths::findExecutable("appstreamcli");
        QVERIFY2(!desktop.isEmpty() && !appstream.isEmpty(),
                 "desktop-file-validate or appstreamcli is missing (scripts/deps.sh installs them)");
        const Run entry = run(desktop, {prefix("share/applications/" MOUSECFG_APP_ID ".desktop")});
        QVERIFY2(entry.status == 0 && entry.out.isEmpty() && entry.err.isEmpty(), qPrintable(describe(entry)));
        const QString metainfoPath = prefix("share/metainfo/" MOUSECFG_APP_ID ".metainfo.xml");
        const Run metainfo = run(appstream, {"validate", "--no-net", "--pedantic", "--explain", metainfoPath});
        // Software centres list a component with warnings or pedantic hints less well: none at all.
        QVERIFY2(metainfo.status == 0 && metainfo.out.contains("Validation was successful")
                     && !QRegularExpression("^[EWIP]: ", QRegularExpression::MultilineOption)
                             .match(QString::fromUtf8(metainfo.out)).hasMatch(),
                 qPrintable(describe(metainfo)));

        // The component's ID names the desktop entry it launches, and every screenshot it links is
        // one that is in the source tree (the project page serves the tree).
        QFile file(metainfoPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString xml = QString::fromUtf8(file.readAll());
        QVERIFY(xml.contains("<id>" MOUSECFG_APP_ID "</id>"));
        QVERIFY(xml.contains("<launchable type=\"desktop-id\">" MOUSECFG_APP_ID ".desktop</launchable>"));
        QVERIFY(!xml.contains("example.org") && !xml.contains(QRegularExpression("@[A-Z_]+@")));
        const QRegularExpression image("<image>[^<]*/raw/main/([^<]+)</image>");
        int images = 0;
        for (auto it = image.globalMatch(xml); it.hasNext(); ++images) {
            const QString shot = QStringLiteral(MOUSECFG_SOURCE_DIR "/") + it.next().captured(1);
            QVERIFY2(!QImage(shot).isNull(), qPrintable(shot));
        }
        QVERIFY(images >= 2);
    }

    void manualPagesComeFromTheHelpTexts()
    {
        for (const QString &program : {QString("mousecfg"), QString("mousecfgctl")}) {
            const Run page = run("gzip", {"-dc", prefix("share/man/man1/" + program + ".1.gz")});
            QCOMPARE(page.status, 0);
            QVERIFY(page.out.contains(".TH " + program.toUpper().toLatin1() + " \"1\""));
            QVERIFY(page.out.contains("\\-\\-data\\-dir")); // troff dashes
            QVERIFY(page.out.contains("\\-\\-verbose"));
        }
        const Run window = run("gzip", {"-dc", prefix("share/man/man1/mousecfg.1.gz")});
        QVERIFY(window.out.contains("\\-\\-hidden"));
        QVERIFY(window.out.contains("Start with the desktop"));
        // The companion's page: its own options and the section written for it.
        const Run osd = run("gzip", {"-dc", prefix("share/man/man1/mousecfg-osd.1.gz")});
        QCOMPARE(osd.status, 0);
        QVERIFY(osd.out.contains(".TH MOUSECFG-OSD \"1\""));
        QVERIFY(osd.out.contains("\\-\\-socket"));
        QVERIFY(osd.out.contains("XWayland"));
    }

    // bash-completion loads a command's script by the command's name; the installed script asks
    // the installed tool.
    void completionComesFromTheInstalledTool()
    {
        const QString bash = QStandardPaths::findExecutable("bash");
        if (bash.isEmpty())
            QSKIP("bash is not installed");
        const QString script = "source \"$1\"; COMP_WORDS=(\"$2\" set lighting 7); COMP_CWORD=3\n"
                               "COMP_LINE=\"${COMP_WORDS[*]}\"; COMP_POINT=${#COMP_LINE}\n"
                               "_mousecfgctl; printf '%s\\n' \"${COMPREPLY[@]}\"";
        const Run r = run(bash, {"-c", script, "bash", prefix("share/bash-completion/completions/mousecfgctl"),
                                 bin("mousecfgctl")}, userEnv());
        QVERIFY2(r.status == 0, qPrintable(describe(r)));
        QCOMPARE(r.out, QByteArray("7\\ COLOR\\ BREATHING\n"));
        QVERIFY2(!QFile::exists(userData("Configs")), "completion set up a data folder");
    }

    void helpAndVersionNeedNoDisplay()
    {
        // No DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM: the toolkit could not start.
        const Run help = run(bin("mousecfg"), {"--help"});
        QVERIFY2(help.status == 0, qPrintable(describe(help)));
        QVERIFY(help.out.startsWith("Usage: mousecfg [OPTIONS]\n"));
        QVERIFY(help.err.isEmpty());
        const Run version = run(bin("mousecfg"), {"--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QByteArray("mousecfg " MOUSECFG_VERSION "\n"));
        const Run ctlVersion = run(bin("mousecfgctl"), {"--version"});
        QCOMPARE(ctlVersion.out, QByteArray("mousecfgctl " MOUSECFG_VERSION "\n"));
        const Run osdHelp = run(bin("mousecfg-osd"), {"--help"});
        QVERIFY2(osdHelp.status == 0 && osdHelp.err.isEmpty(), qPrintable(describe(osdHelp)));
        QVERIFY(osdHelp.out.startsWith("Usage: mousecfg-osd [OPTIONS]\n"));
        const Run osdVersion = run(bin("mousecfg-osd"), {"--version"});
        QCOMPARE(osdVersion.status, 0);
        QCOMPARE(osdVersion.out, QByteArray("mousecfg-osd " MOUSECFG_VERSION "\n"));
        // A usage error keeps its status, also without a display.
        const Run bad = run(bin("mousecfg"), {"--no-such-option"});
        QCOMPARE(bad.status, 64);
        QVERIFY(bad.err.contains("unknown option --no-such-option"));
    }

    void installedProgramsFindTheirResources()
    {
        // The command-line tool: the template seeds the user's data folder, and the mouse list
        // it names is the shipped one.
        const Run list = run(bin("mousecfgctl"), {"--simulate", "list"}, userEnv());
        QVERIFY2(list.status == 0, qPrintable(describe(list)));
        QVERIFY(list.out.contains("Mouse 1: \"DRUV M7 Wireless\"  connected, current"));
        QVERIFY(QFile::exists(userData("Configs/Config.ini")));
        QVERIFY(QFile::exists(userData("Configs/MacroDB")));

        // The window, in German: its pictures are the build tree's to the pixel, so the skin, the
        // translation and the model description were all found in the installed tree.
        writeIni(userData("Configs/LangConfig.ini"), "Config/LangID", 2);
        const QString installedShots = m_user->filePath("shots-installed");
        const Run window = run(bin("mousecfg"), {"--simulate", "--screenshots", installedShots}, offscreen(userEnv()));
        QVERIFY2(window.status == 0, qPrintable(describe(window)));

        QTemporaryDir reference;
        QDir().mkpath(reference.filePath("Configs"));
        QFile::copy(QStringLiteral(MOUSECFG_APP_DIR) + "/DefaultProfile.bin", reference.filePath("DefaultProfile.bin"));
        QFile::copy(userData("Configs/Config.ini"), reference.filePath("Configs/Config.ini"));
        writeIni(reference.filePath("Configs/LangConfig.ini"), "Config/LangID", 2);
        const QString buildShots = m_user->filePath("shots-build");
        const Run built = run(QStringLiteral(MOUSECFG_APP_DIR) + "/mousecfg",
                              {"--simulate", "--data-dir", reference.path(), "--screenshots", buildShots},
                              offscreen(userEnv()));
        QVERIFY2(built.status == 0, qPrintable(describe(built)));
        for (const char *name : {"page_lighting.png", "tray_menu.png", "dongle_disconnect.png"}) {
            const QImage a(installedShots + "/" + name);
            QVERIFY2(!a.isNull(), name);
            QVERIFY2(a == QImage(buildShots + "/" + name), name);
        }
    }

    void dataDirStillWins()
    {
        QTemporaryDir app;
        QFile::copy(prefix("share/mousecfg/DefaultProfile.bin"), app.filePath("DefaultProfile.bin"));
        const Run list = run(bin("mousecfgctl"), {"--data-dir", app.path(), "--simulate", "list"}, userEnv());
        QVERIFY2(list.status == 0, qPrintable(describe(list)));
        QVERIFY(QFile::exists(app.filePath("Configs/Config.ini")));
        QVERIFY(!QFile::exists(userData("Configs")));
    }

    // Sound behaviour: neither a first run, a later run nor a new install touches what the
    // user has; the template seeds only a missing settings file.
    void userDataIsNeverOverwritten()
    {
        writeIni(userData("Configs/Config.ini"), "Config/CurrentProductName", "My Mouse");
        writeIni(userData("Configs/Config.ini"), "Mine/Kept", "yes");
        QVERIFY(run(bin("mousecfgctl"), {"--simulate", "list"}, userEnv()).status == 0);
        QCOMPARE(install().status, 0);
        QVERIFY(run(bin("mousecfgctl"), {"--simulate", "list"}, userEnv()).status == 0);
        QCOMPARE(QSettings(userData("Configs/Config.ini"), QSettings::IniFormat).value("Mine/Kept").toString(),
                 QString("yes"));
        // The shipped template stays the shipped one.
        QVERIFY(!QSettings(prefix("share/mousecfg/templates/Config.ini"), QSettings::IniFormat).contains("Mine/Kept"));
    }

    void quietUnlessAskedFor()
    {
        const Run ctl = run(bin("mousecfgctl"), {"--simulate", "status"}, userEnv());
        QVERIFY2(ctl.status == 0 && ctl.err.isEmpty(), qPrintable(describe(ctl)));
        const Run ctlVerbose = run(bin("mousecfgctl"), {"--verbose", "--simulate", "status"}, userEnv());
        QCOMPARE(ctlVerbose.status, 0);
        QVERIFY2(ctlVerbose.err.contains("mousecfg.device: RefreshMouseList DRUV M7 Wireless"), ctlVerbose.err);
        QCOMPARE(ctlVerbose.out, ctl.out); // diagnostics never mix into the output

        // The window, a few seconds on the simulated mouse with its poller running.
        const QStringList shots{"--simulate", "--screenshots", m_user->filePath("shots")};
        const Run window = run(bin("mousecfg"), shots, offscreen(userEnv()));
        QVERIFY2(window.status == 0, qPrintable(describe(window)));
        QCOMPARE(withoutOffscreenNotes(window.err), QByteArray());
        const Run running = runFor(2500, bin("mousecfg"), {"--simulate"}, offscreen(userEnv()));
        QVERIFY2(running.status == 0, qPrintable(describe(running)));
        QCOMPARE(withoutOffscreenNotes(running.err), QByteArray());
        const Run verbose = run(bin("mousecfg"), QStringList{"--verbose"} + shots, offscreen(userEnv()));
        QCOMPARE(verbose.status, 0);
        QVERIFY2(verbose.err.contains("mousecfg.device: TarnGetBatteryThread."), verbose.err);
        QVERIFY(verbose.err.contains("mousecfg.app: width = 999, height = 640"));
        // QT_LOGGING_RULES alone turns them on too.
        const Run rules = run(bin("mousecfgctl"), {"--simulate", "status"},
                              userEnv({{"QT_LOGGING_RULES", "mousecfg.device.debug=true"}}));
        QVERIFY(rules.err.contains("mousecfg.device: RefreshMouseList"));
    }

private:
    QString prefix(const QString &relative) const { return m_stage.path() + "/usr/" + relative; }
    QString bin(const QString &program) const { return prefix("bin/" + program); }
    QString userData(const QString &relative) const { return m_user->filePath("data/mousecfg/" + relative); }

    QMap<QString, QString> userEnv(QMap<QString, QString> env = {}) const
    {
        env.insert("HOME", m_user->path());
        env.insert("XDG_DATA_HOME", m_user->filePath("data"));
        env.insert("XDG_CONFIG_HOME", m_user->filePath("config"));
        const QString runtime = m_user->filePath("runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert("XDG_RUNTIME_DIR", runtime);
        return env;
    }
    static QMap<QString, QString> offscreen(QMap<QString, QString> env)
    {
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }

    Run install() const
    {
        return run(QStringLiteral(MOUSECFG_CMAKE), {"--install", QStringLiteral(MOUSECFG_BUILD_DIR), "--prefix", "/usr"},
                   {{"DESTDIR", m_stage.path()}});
    }

    QTemporaryDir m_stage;
    std::unique_ptr<QTemporaryDir> m_user;
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
