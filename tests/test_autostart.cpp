// The autostart entry: where it lives, how the program's path is written into it, and turning it
// on and off.

#include "platform/autostart.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestAutostart : public QObject {
    Q_OBJECT
private slots:
    // A configuration folder of its own for each case.
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        QVERIFY(m_config->isValid());
        qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
    }

    void entryLivesUnderTheConfigFolder()
    {
        QCOMPARE(Autostart::entryPath(), m_config->path() + "/autostart/mousecfg.desktop");
        // Unset or relative: the folder of the base directory rules.
        for (const QByteArray &value : {QByteArray(), QByteArray("relative/dir")}) {
            qputenv("XDG_CONFIG_HOME", value);
            QCOMPARE(Autostart::entryPath(), QDir::homePath() + "/.config/autostart/mousecfg.desktop");
        }
    }

    void execArgumentsAreQuotedAsEntriesWantThem()
    {
        QCOMPARE(Autostart::execArgument("/usr/bin/mousecfg"), QString("/usr/bin/mousecfg"));
        // Reserved characters: the whole argument in double quotes, with ", `, $ and \ escaped
        // inside, and then every backslash doubled for the string value.
        QCOMPARE(Autostart::execArgument("/home/a b/mousecfg"), QString("\"/home/a b/mousecfg\""));
        QCOMPARE(Autostart::execArgument("/opt/$x/\"q\"/mousecfg"), QString("\"/opt/\\\\$x/\\\\\"q\\\\\"/mousecfg\""));
        QCOMPARE(Autostart::execArgument("/opt/back\\slash"), QString("\"/opt/back\\\\\\\\slash\""));
        // '%' would start a field code.
        QCOMPARE(Autostart::execArgument("/opt/100%/mousecfg"), QString("/opt/100%%/mousecfg"));
        // No entry can carry a line break.
        QVERIFY(Autostart::execArgument("/opt/a\nb").isEmpty());
        QVERIFY(Autostart::entryText("/opt/a\nb").isEmpty());
        QVERIFY(!Autostart::setEnabled(true, "/opt/a\nb"));
        QVERIFY(!QFile::exists(Autostart::entryPath()));
    }

    void onWritesAValidEntryAndOffRemovesIt()
    {
        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        QVERIFY2(!validator.isEmpty(), "desktop-file-validate is missing (scripts/deps.sh installs it)");
        QVERIFY(!Autostart::isEnabled());
        for (const QString &program : {QString("/usr/bin/mousecfg"), QString("/home/a b/50% $HOME/mousecfg")}) {
            QVERIFY(Autostart::setEnabled(true, program));
            QVERIFY(Autostart::isEnabled());
            const QString text = readAll(Autostart::entryPath());
            QVERIFY2(text.contains("\nExec=" + Autostart::execArgument(program) + " --hidden\n"), qPrintable(text));
            QVERIFY(text.startsWith("[Desktop Entry]\nType=Application\n"));

            QProcess validate;
            validate.start(validator, {Autostart::entryPath()});
            QVERIFY(validate.waitForFinished(30000));
            QCOMPARE(validate.exitCode(), 0);
            QCOMPARE(validate.readAllStandardOutput() + validate.readAllStandardError(), QByteArray());
        }
        QVERIFY(Autostart::setEnabled(false, QString()));
        QVERIFY(!QFile::exists(Autostart::entryPath()));
        QVERIFY(!Autostart::isEnabled());
        // Off when already off is no failure.
        QVERIFY(Autostart::setEnabled(false, QString()));
    }

    void anEntrySwitchedOffByTheDesktopCountsAsOff()
    {
        QVERIFY(Autostart::setEnabled(true, "/usr/bin/mousecfg"));
        QFile file(Autostart::entryPath());
        QVERIFY(file.open(QIODevice::Append));
        file.write("Hidden=true\n");
        file.close();
        QVERIFY(!Autostart::isEnabled());
        QVERIFY(Autostart::setEnabled(true, "/usr/bin/mousecfg"));
        QVERIFY(Autostart::isEnabled());

        // GNOME's own switch, turned off in the desktop's settings.
        QVERIFY(Autostart::setEnabled(true, "/usr/bin/mousecfg"));
        const QString text = readAll(Autostart::entryPath());
        QVERIFY(text.contains("X-GNOME-Autostart-enabled=true\n"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QString(text).replace("X-GNOME-Autostart-enabled=true", "X-GNOME-Autostart-enabled=false").toUtf8());
        file.close();
        QVERIFY(!Autostart::isEnabled());
        // The same key in another group is not the entry's.
        QVERIFY(Autostart::setEnabled(true, "/usr/bin/mousecfg"));
        QVERIFY(file.open(QIODevice::Append));
        file.write("[Desktop Action x]\nHidden=true\n");
        file.close();
        QVERIFY(Autostart::isEnabled());
    }

    void theEntrysProgramReadsBackAsWritten()
    {
        for (const QString &program : {QString("/usr/bin/mousecfg"), QString("/home/a b/50% $HOME/mousecfg"),
                                       QString("/opt/back\\slash/\"q\"/`x`/mousecfg")})
            QCOMPARE(Autostart::entryProgram(Autostart::entryText(program)), program);
        QCOMPARE(Autostart::entryProgram("[Desktop Entry]\nExec=mousecfg --hidden\n"), QString("mousecfg"));
        QVERIFY(Autostart::entryProgram("[Desktop Entry]\nName=x\n").isEmpty());
    }

    void aStaleEntryIsRewrittenAtStart()
    {
        QTemporaryDir bin;
        const QString gone = bin.filePath("moved away/mousecfg");
        const QString here = QCoreApplication::applicationFilePath();
        QVERIFY(Autostart::setEnabled(true, gone));
        QCOMPARE(Autostart::repairStaleEntry(here), Autostart::Repair::Rewritten);
        QCOMPARE(Autostart::entryProgram(readAll(Autostart::entryPath()).toUtf8()), here);
        QVERIFY(Autostart::isEnabled());
        // A program that is there, by path or by name on PATH, is left alone.
        QCOMPARE(Autostart::repairStaleEntry(gone), Autostart::Repair::NotNeeded);
        QCOMPARE(Autostart::entryProgram(readAll(Autostart::entryPath()).toUtf8()), here);
        QFile entry(Autostart::entryPath());
        QVERIFY(entry.open(QIODevice::WriteOnly | QIODevice::Truncate));
        entry.write("[Desktop Entry]\nType=Application\nName=mousecfg\nExec=sh --hidden\n");
        entry.close();
        QCOMPARE(Autostart::repairStaleEntry(here), Autostart::Repair::NotNeeded);
        // An entry the user switched off stays as the user left it, however stale.
        QVERIFY(Autostart::setEnabled(true, gone));
        QVERIFY(entry.open(QIODevice::Append));
        entry.write("Hidden=true\n");
        entry.close();
        QCOMPARE(Autostart::repairStaleEntry(here), Autostart::Repair::NotNeeded);
        QCOMPARE(Autostart::entryProgram(readAll(Autostart::entryPath()).toUtf8()), gone);
        // No entry: nothing written.
        QVERIFY(Autostart::setEnabled(false, QString()));
        QCOMPARE(Autostart::repairStaleEntry(here), Autostart::Repair::NotNeeded);
        QVERIFY(!QFile::exists(Autostart::entryPath()));
    }

    void anUnwritableFolderIsReported()
    {
        // The autostart folder's place is taken by a file: nothing can be written there.
        QFile blocker(m_config->path() + "/autostart");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!Autostart::setEnabled(true, "/usr/bin/mousecfg"));
        QVERIFY(!Autostart::isEnabled());
    }

private:
    std::unique_ptr<QTemporaryDir> m_config;
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "test_autostart.moc"
