// The real hidraw path end to end: mousecfg-uhid makes the simulated mouse a kernel HID device,
// and the real mousecfgctl (no --simulate) reaches it through hidapi, the descriptor reading,
// the per-collection paths and read filtering; the udev monitor sees it come and go. Runs only
// where /dev/uhid can be opened (the uhid module, and root or a udev rule).

#include "device/command_sink.h"
#include "platform/udev_hotplug_source.h"
#include "sim/simulated_mouse.h"
#include "storage/settings_file.h"
#include "support/run_tool.h"
#include "support/test_env.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

QString uhidToolPath() { return QStringLiteral(MOUSECFG_APP_DIR) + "/mousecfg-uhid"; }

// The virtual device for as long as the object lives: always ended, never left behind.
class UhidTool {
public:
    explicit UhidTool(const QStringList &args)
    {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(uhidToolPath(), args);
    }
    ~UhidTool() { stop(); }
    bool waitFor(const QByteArray &line, int ms = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!m_seen.contains(line) && timer.elapsed() < ms) {
            m_process.waitForReadyRead(100);
            m_seen += m_process.readAllStandardOutput();
        }
        return m_seen.contains(line);
    }
    // SIGTERM: the tool removes its devices and writes its dump. Its exit status, -1 if it died.
    int stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished();
            return -1;
        }
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    QString errors() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }

private:
    QProcess m_process;
    QByteArray m_seen;
};

Report parseReportLine(const QString &line)
{
    Report report{};
    const QStringList bytes = line.split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i < bytes.size() && i < int(report.size()); ++i)
        report[size_t(i)] = uint8_t(bytes.at(i).toUInt(nullptr, 16));
    return report;
}

QStringList writtenLines(const QString &tracePath)
{
    QFile file(tracePath);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    QStringList lines;
    for (const QString &line : QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith("W "))
            lines << line.mid(2);
    }
    return lines;
}

} // namespace

class TestUhidRealPath : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const int fd = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
        if (fd < 0)
            QSKIP("/dev/uhid cannot be opened here (needs the uhid kernel module and root or a udev "
                  "rule): the real hidraw path is NOT tested");
        ::close(fd);
        QVERIFY(QFile::exists(uhidToolPath()));
    }

    void listStatusAndApplyThroughTheKernel()
    {
        TempAppFolder dir(true);
        QSettings(settingsFilePath(), QSettings::IniFormat).setValue("Config/Diff", 1);
        const QString dump = dir.filePath("blocks.txt");
        UhidTool tool({"--dump", dump});
        QVERIFY(tool.waitFor("ready"));

        // The kernel makes the nodes a moment after the device exists.
        ToolRun listed;
        QElapsedTimer timer;
        timer.start();
        do {
            listed = runTool({"--data-dir", dir.path(), "list"});
        } while (!listed.out.contains("Commands go to: receiver") && timer.elapsed() < 5000 && (QTest::qWait(100), true));
        QVERIFY2(listed.out.contains("Commands go to: receiver command collection"), qPrintable(listed.out + listed.err));
        QVERIFY(listed.out.contains("&col04"));

        const ToolRun status = runTool({"--data-dir", dir.path(), "status"});
        QCOMPARE(status.status, 0);
        QVERIFY2(status.out.contains('%'), qPrintable(status.out));

        const QString trace = dir.filePath("trace.txt");
        const ToolRun applied = runTool({"--data-dir", dir.path(), "--trace", trace, "apply"});
        QVERIFY2(applied.status == 0, qPrintable(applied.err));
        QCOMPARE(tool.stop(), 0);

        // What went through the kernel is exactly what encode prints (after the battery query)...
        const ToolRun encoded = runTool({"--data-dir", dir.path(), "encode"});
        QCOMPARE(encoded.status, 0);
        const QStringList expected = encoded.out.split('\n', Qt::SkipEmptyParts);
        QStringList written = writtenLines(trace);
        QVERIFY(!written.isEmpty());
        written.removeFirst();
        QCOMPARE(written, expected);

        // ...and the virtual mouse holds the blocks an in-process mouse holds after those reports.
        SimulatedMouse reference;
        std::unique_ptr<HidDevice> command =
            reference.open(SimulatedMouse::collectionPath(SimLink::Receiver, CollectionCommand));
        QVERIFY(command);
        for (const QString &line : expected) {
            const Report report = parseReportLine(line);
            QCOMPARE(command->write(report.data(), report.size()), int(report.size()));
            Report answer{};
            command->readTimeout(answer.data(), answer.size(), 0);
        }
        QFile blocks(dump);
        QVERIFY(blocks.open(QIODevice::ReadOnly | QIODevice::Text));
        int compared = 0;
        for (const QString &line : QString::fromLatin1(blocks.readAll()).split('\n', Qt::SkipEmptyParts)) {
            const QStringList parts = line.split(' ');
            if (parts.value(0) != "BLOCK")
                continue;
            const BlockImage image = reference.blockImage(uint8_t(parts.value(1).toInt()));
            QCOMPARE(QByteArray::fromHex(parts.value(2).toLatin1()),
                     QByteArray(reinterpret_cast<const char *>(image.data()), int(image.size())));
            ++compared;
        }
        QCOMPARE(compared, 5);
    }

    void theUdevMonitorSeesUnplugAndReplug()
    {
        UdevHotplugSource source;
        QStringList seen;
        connect(&source, &HotplugSource::collectionChanged, this, [&](const CollectionEvent &e) {
            if (e.vendorId == SimulatedMouse::kVendorId && e.productId == SimulatedMouse::kReceiverProductId
                && e.kind == CollectionCommand)
                seen << (e.arrived ? "arrived" : "removed");
        });
        QVERIFY(source.start());
        UhidTool tool({"--unplug-after", "1.5", "--replug"});
        QVERIFY(tool.waitFor("ready"));
        QTRY_COMPARE_WITH_TIMEOUT(seen, QStringList({"arrived"}), 3000);
        QTRY_COMPARE_WITH_TIMEOUT(seen, QStringList({"arrived", "removed"}), 4000);
        QTRY_COMPARE_WITH_TIMEOUT(seen, QStringList({"arrived", "removed", "arrived"}), 4000);
        QCOMPARE(tool.stop(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 4, 3000);
        QCOMPARE(seen.last(), QString("removed"));
    }
};

QTEST_GUILESS_MAIN(TestUhidRealPath)
#include "test_uhid_real_path.moc"
