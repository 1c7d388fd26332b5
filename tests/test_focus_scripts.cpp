// The desktop's side of automatic switching on Wayland: the KWin script and the GNOME Shell
// extension are valid JavaScript with the metadata their hosts require, and call the method the
// window serves; a report becomes the application the rules are matched against.

#include "platform/desktop_bus.h"
#include "platform/focused_app_bus.h"
#include "platform/kwin_script_loader.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kData = QStringLiteral(MOUSECFG_SOURCE_DIR "/data");
const QString kKWinDir = kData + "/kwin/mousecfg-focus";
const QString kGnomeDir = kData + "/gnome-shell/" + kGnomeFocusExtension;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject readJson(const QString &path)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(readAll(path), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning().noquote() << path << error.errorString();
    return doc.object();
}

// node --check: the file's syntax, or what node says is wrong with it.
QString syntaxProblem(const QString &node, const QString &path, bool module)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (module) {
        // A file ending in .js is a CommonJS script to node: a module is checked from stdin.
        process.setStandardInputFile(path);
        process.start(node, {"--input-type=module", "--check"});
    } else {
        process.start(node, {"--check", path});
    }
    if (!process.waitForFinished(30000))
        return "node did not finish";
    return process.exitCode() == 0 ? QString() : QString::fromUtf8(process.readAll());
}

} // namespace

class TestFocusScripts : public QObject {
    Q_OBJECT
private slots:
    void scriptsAreValidJavaScript()
    {
        const QString node = QStandardPaths::findExecutable("node");
        QVERIFY2(!node.isEmpty(), "node is missing (scripts/deps.sh installs nodejs)");
        const QString kwin = syntaxProblem(node, kKWinDir + "/contents/code/main.js", false);
        QVERIFY2(kwin.isEmpty(), qPrintable(kwin));
        const QString gnome = syntaxProblem(node, kGnomeDir + "/extension.js", true);
        QVERIFY2(gnome.isEmpty(), qPrintable(gnome));
    }

    void metadataHasWhatTheHostsRequire()
    {
        const QJsonObject kwin = readJson(kKWinDir + "/metadata.json");
        const QJsonObject plugin = kwin.value("KPlugin").toObject();
        // The loader unloads by this id, so the two must agree.
        QCOMPARE(plugin.value("Id").toString(), QString(KWinScriptLoader::kPluginName));
        QVERIFY(!plugin.value("Name").toString().isEmpty());
        QCOMPARE(kwin.value("X-Plasma-API").toString(), QString("javascript"));
        QVERIFY(QFile::exists(kKWinDir + "/contents/" + kwin.value("X-Plasma-MainScript").toString()));

        const QJsonObject gnome = readJson(kGnomeDir + "/metadata.json");
        // GNOME Shell refuses an extension whose uuid is not its folder's name.
        QCOMPARE(gnome.value("uuid").toString(), QDir(kGnomeDir).dirName());
        QVERIFY(!gnome.value("name").toString().isEmpty());
        QVERIFY(!gnome.value("description").toString().isEmpty());
        const QJsonArray versions = gnome.value("shell-version").toArray();
        QVERIFY(!versions.isEmpty());
        for (const QJsonValue &v : versions) {
            // An ES-module extension (import ... from 'gi://') loads only from GNOME 45 on.
            QVERIFY2(v.isString() && v.toString().toInt() >= 45, qPrintable(v.toString()));
        }
    }

    void scriptsCallTheMethodTheWindowServes()
    {
        const QString xml = QString::fromUtf8(readAll(kData + "/dbus/" MOUSECFG_APP_ID ".Mouse.xml"));
        const QRegularExpression method(
            R"(<method name="ReportFocus">\s*<arg name="\w+" type="s" direction="in"/>\s*)"
            R"(<arg name="\w+" type="s" direction="in"/>\s*<arg name="pid" type="i" direction="in"/>)");
        QVERIFY(method.match(xml).hasMatch());
        for (const QString &path : {kKWinDir + "/contents/code/main.js", kGnomeDir + "/extension.js"}) {
            const QString js = QString::fromUtf8(readAll(path));
            for (const QString &name : {QString(MOUSECFG_APP_ID), QString(DesktopBus::kObjectPath),
                                        QString(DesktopBus::kInterface), QString("ReportFocus")}) {
                QVERIFY2(js.contains('"' + name + '"') || js.contains('\'' + name + '\''),
                         qPrintable(path + " does not name " + name));
            }
        }
        QVERIFY(readAll(kGnomeDir + "/extension.js").contains("'(ssi)'"));
    }

    void aReportBecomesTheApplicationInFront()
    {
        QTemporaryDir proc;
        QVERIFY(QDir(proc.path()).mkpath("4242"));
        QVERIFY(QFile::link("/usr/bin/steam", proc.path() + "/4242/exe"));

        FocusedApp app = focusedAppFromReport("Steam", "steam", 4242, proc.path());
        QCOMPARE(app.executable, QString("/usr/bin/steam"));
        QCOMPARE(app.classes, (QStringList{"steam", "Steam"}));
        // A Wayland app ID comes as the class alone; an ended process has no executable.
        app = focusedAppFromReport("org.kde.dolphin", "org.kde.dolphin", 4243, proc.path());
        QCOMPARE(app.classes, QStringList{"org.kde.dolphin"});
        QCOMPARE(app.executable, QString());
        QCOMPARE(focusedAppFromReport("", "", 0, proc.path()), FocusedApp());
        QCOMPARE(focusedAppFromReport("x", "", -1, proc.path()).executable, QString());
        // Anyone on the bus may report: a name longer than any rule's is dropped.
        const QString huge(kAppNameMaxLength + 1, 'a');
        QCOMPARE(focusedAppFromReport(huge, "game", 0, proc.path()).classes, QStringList{"game"});
        QCOMPARE(focusedAppFromReport(QString(kAppNameMaxLength, 'a'), "", 0, proc.path()).classes.size(), 1);
    }
};

QTEST_MAIN(TestFocusScripts)
#include "test_focus_scripts.moc"
