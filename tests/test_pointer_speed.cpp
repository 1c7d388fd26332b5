// GIO first: its introspection structs have a member named "signals", a macro under Qt.
#include <gio/gio.h>

#include "device/host_actions.h"
#include "platform/pointer_speed.h"
#include "storage/log_categories.h"
#include "storage/profile_data.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

namespace {

const char kMouseSchema[] = "org.gnome.desktop.peripherals.mouse";

// The same schema id, key, type and range as the desktop's, for machines without it.
const char kTestSchemaXml[] = R"(<schemalist>
  <schema id="org.gnome.desktop.peripherals.mouse" path="/org/gnome/desktop/peripherals/mouse/">
    <key name="speed" type="d"><default>0</default><range min="-1" max="1"/></key>
  </schema>
</schemalist>
)";

} // namespace

class TestPointerSpeed : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_schemaDir;
    bool m_haveSchema = false;

    double storedGSettingsSpeed()
    {
        GSettings *settings = g_settings_new(kMouseSchema);
        const double value = g_settings_get_double(settings, "speed");
        g_object_unref(settings);
        return value;
    }

private slots:
    void initTestCase()
    {
        // Before GIO's first use: keep every write in memory, away from the user's desktop.
        qputenv("GSETTINGS_BACKEND", "memory");
        configureDiagnostics(true); // some cases check the debug lines
        const QString compiler = QStandardPaths::findExecutable("glib-compile-schemas");
        if (!compiler.isEmpty()) {
            QFile xml(m_schemaDir.path() + "/org.gnome.desktop.peripherals.mouse.gschema.xml");
            QVERIFY(xml.open(QIODevice::WriteOnly));
            xml.write(kTestSchemaXml);
            xml.close();
            QCOMPARE(QProcess::execute(compiler, {m_schemaDir.path()}), 0);
            qputenv("GSETTINGS_SCHEMA_DIR", m_schemaDir.path().toLocal8Bit());
        }
        GSettingsSchema *schema = g_settings_schema_source_lookup(g_settings_schema_source_get_default(), kMouseSchema, TRUE);
        m_haveSchema = schema != nullptr;
        if (schema)
            g_settings_schema_unref(schema);
    }

    void mappingsAtTheEndsAndTheDefault()
    {
        QCOMPARE(pointerSpeedToGSettings(1), -1.0);
        QCOMPARE(pointerSpeedToGSettings(10), 0.0);
        QCOMPARE(pointerSpeedToGSettings(20), 1.0);
        QCOMPARE(pointerSpeedFromGSettings(-1.0), 1);
        QCOMPARE(pointerSpeedFromGSettings(0.0), 10);
        QCOMPARE(pointerSpeedFromGSettings(1.0), 20);

        QCOMPARE(pointerSpeedToXAcceleration(1).numerator, 1);
        QCOMPARE(pointerSpeedToXAcceleration(1).denominator, 5);
        QCOMPARE(pointerSpeedToXAcceleration(10).numerator, 10); // 2/1, the X server's default
        QCOMPARE(pointerSpeedToXAcceleration(20).numerator, 20);
        QCOMPARE(pointerSpeedFromXAcceleration(1, 5), 1);
        QCOMPARE(pointerSpeedFromXAcceleration(2, 1), 10);
        QCOMPARE(pointerSpeedFromXAcceleration(4, 1), 20);
    }

    void mappingsRoundTripEverySpeedAndClampForeignValues()
    {
        for (int s = kPointerSpeedMin; s <= kPointerSpeedMax; ++s) {
            QCOMPARE(pointerSpeedFromGSettings(pointerSpeedToGSettings(s)), s);
            const XAcceleration a = pointerSpeedToXAcceleration(s);
            QCOMPARE(pointerSpeedFromXAcceleration(a.numerator, a.denominator), s);
            if (s > kPointerSpeedMin)
                QVERIFY(pointerSpeedToGSettings(s) > pointerSpeedToGSettings(s - 1));
        }
        // Values another program left behind still read as a speed on the scale.
        QCOMPARE(pointerSpeedFromGSettings(-7.5), 1);
        QCOMPARE(pointerSpeedFromGSettings(3.0), 20);
        QCOMPARE(pointerSpeedFromGSettings(0.04), 10);
        QCOMPARE(pointerSpeedFromGSettings(qQNaN()), 0);
        QCOMPARE(pointerSpeedFromXAcceleration(10, 1), 20);
        QCOMPARE(pointerSpeedFromXAcceleration(0, 1), 1);
        QCOMPARE(pointerSpeedFromXAcceleration(3, 0), 0);
        QCOMPARE(pointerSpeedFromXAcceleration(-2, 1), 0);
        // Out-of-range speeds are clamped, never mapped past the key's range.
        QCOMPARE(pointerSpeedToGSettings(0), -1.0);
        QCOMPARE(pointerSpeedToGSettings(255), 1.0);
    }

    void missingSchemaIsNoBackendNotAnAbort()
    {
        QVERIFY(!makeGSettingsPointerSpeed("org.example.mousecfg.absent"));
    }

    void gsettingsBackendWritesTheDesktopSetting()
    {
        if (!m_haveSchema)
            QSKIP("neither the desktop's mouse schema nor glib-compile-schemas is available");
        auto backend = makeGSettingsPointerSpeed();
        QVERIFY(backend);
        QCOMPARE(backend->read(), 10); // the schema's default 0
        const int speeds[] = {1, 20, 10, 14};
        for (int s : speeds) {
            QCOMPARE(backend->write(s), 0);
            QCOMPARE(backend->read(), s);
            QCOMPARE(storedGSettingsSpeed(), pointerSpeedToGSettings(s));
        }
        // A speed off the scale is refused and leaves the setting alone.
        QCOMPARE(backend->write(0), EINVAL);
        QCOMPARE(backend->write(21), EINVAL);
        QCOMPARE(backend->read(), 14);

        // With the schema present the process-wide backend is the desktop's setting.
        QVERIFY(systemPointerSpeed());
        QCOMPARE(QByteArray(systemPointerSpeed()->name()), QByteArray("gsettings"));
        QCOMPARE(writeSystemPointerSpeed(3), 0);
        QCOMPARE(readSystemPointerSpeed(), 3);
    }

    void activeProfileSpeedReachesTheHost()
    {
        if (!m_haveSchema)
            QSKIP("neither the desktop's mouse schema nor glib-compile-schemas is available");
        ProfileSet working;
        working.ProfileID = 2;
        working.profiles[2].mousespeed = 17;
        working.profiles[0].mousespeed = 4;
        QTest::ignoreMessage(QtDebugMsg, "Error in SystemParametersInfo :0");
        QCOMPARE(applyPointerSpeed(systemPointerSpeed(), working.current()), 0);
        QCOMPARE(readPointerSpeed(systemPointerSpeed()), 17);

        // A profile that never held a speed (0) is refused; the host keeps its speed and the
        // code is still written out.
        ProfileData blank;
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("Error in SystemParametersInfo :%1").arg(EINVAL)));
        QCOMPARE(applyPointerSpeed(systemPointerSpeed(), blank), EINVAL);
        QCOMPARE(readPointerSpeed(systemPointerSpeed()), 17);

        // Start-up: the host's speed goes into the current profile only.
        working.ProfileID = 0;
        takeHostPointerSpeed(systemPointerSpeed(), working);
        QCOMPARE(int(working.profiles[0].mousespeed), 17);
        QCOMPARE(int(working.profiles[1].mousespeed), 0);
    }

    void x11BackendUnderXvfb()
    {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty())
            QSKIP("Xvfb is not installed; the X11 backend is not exercised");
        // A display number unlikely to be taken; Xvfb refuses one that is. -noreset: the server
        // would otherwise restore its defaults each time its last client (each call) leaves.
        const int number = 140 + int(QCoreApplication::applicationPid() % 100);
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
        QProcess server;
        server.start(xvfb, {QStringLiteral(":%1").arg(number), "-noreset", "-nolisten", "tcp", "-screen", "0", "64x64x24"});
        QVERIFY(server.waitForStarted());
        const QByteArray display = QByteArray(":") + QByteArray::number(number);
        std::unique_ptr<PointerSpeedBackend> backend;
        for (int i = 0; i < 100 && !backend; ++i) {
            if (QFile::exists(socket))
                backend = makeX11PointerSpeed(display.constData());
            if (!backend)
                QTest::qWait(50);
        }
        if (!backend) {
            server.kill();
            server.waitForFinished();
            QSKIP("Xvfb did not come up");
        }
        QCOMPARE(backend->read(), 10); // the server's default acceleration 2/1
        const int speeds[] = {1, 20, 10, 7};
        for (int s : speeds) {
            QCOMPARE(backend->write(s), 0);
            QCOMPARE(backend->read(), s);
        }
        QCOMPARE(backend->write(25), EINVAL);
        QCOMPARE(backend->read(), 7);

        server.terminate();
        QVERIFY(server.waitForFinished());
        // The display went away: reading fails with 0, writing reports an error.
        QCOMPARE(backend->read(), 0);
        QVERIFY(backend->write(5) != 0);
        QVERIFY(!makeX11PointerSpeed(display.constData()));
    }
};

QTEST_GUILESS_MAIN(TestPointerSpeed)
#include "test_pointer_speed.moc"
