// Every byte the sensor rules put on the wire, pinned: the four code bytes of every DPI step of
// every sensor (both device types that change them), the sniper byte of every sniper step, and
// the DPI every step is shown as. The DPI block and the sniper entries of `mousecfgctl encode`
// and of a download are made of exactly these bytes, so a rework of the sensor rows that keeps
// these digests keeps the mouse receiving the same reports.
//
// The digests were taken from the rules before they were gathered into one row per sensor. When
// a digest changes on purpose, print the dump (MOUSECFG_GOLDEN_DUMP=1) before and after and
// compare the lines.

#include "model/sensor_tables.h"

#include <QCryptographicHash>
#include <QtTest>

#include <cstdio>

namespace {

// Steps past every slider's top, and a few stored values no slider offers.
QVector<int64_t> stepsToEncode()
{
    QVector<int64_t> steps;
    for (int64_t step = 0; step <= 1023; ++step)
        steps << step;
    steps << 4095 << 65535 << 65536 << 0xFFFFFFFFLL;
    return steps;
}

QString hex(const uint8_t *bytes, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QString::asprintf(i ? " %02X" : "%02X", bytes[i]);
    return text;
}

// X walks up while Y walks down, so a swapped or shared axis shows.
QString stageCodesDump(int sensor)
{
    QString dump;
    for (const uint8_t deviceType : {uint8_t(0), uint8_t(8)}) {
        for (const int64_t x : stepsToEncode()) {
            const uint32_t y = x <= 1023 ? uint32_t(1023 - x) : uint32_t(x);
            const std::array<uint8_t, 4> codes = encodeStageCodes(sensor, uint32_t(x), y, deviceType);
            dump += QString("%1 %2 %3: %4\n").arg(deviceType).arg(x).arg(y).arg(hex(codes.data(), 4));
        }
    }
    return dump;
}

QString sniperCodesDump(int sensor)
{
    QString dump;
    for (int step = 0; step <= 255; ++step) {
        const uint8_t code = sniperCode(sensor, uint8_t(step));
        dump += QString("%1: %2\n").arg(step).arg(hex(&code, 1));
    }
    return dump;
}

QString dpiDump(int sensor)
{
    QString dump;
    QVector<int64_t> steps = stepsToEncode();
    steps.prepend(-1);
    steps.prepend(-2);
    for (const int64_t step : steps)
        dump += QString("%1: %2\n").arg(step).arg(dpiForStep(step, sensor));
    return dump;
}

QString digest(const QString &dump, int sensor, const char *what)
{
    if (qEnvironmentVariableIsSet("MOUSECFG_GOLDEN_DUMP"))
        std::fprintf(stderr, "==== %d %s\n%s", sensor, what, qPrintable(dump));
    return QString::fromLatin1(QCryptographicHash::hash(dump.toLatin1(), QCryptographicHash::Sha1).toHex());
}

} // namespace

class TestSensorGolden : public QObject {
    Q_OBJECT
private slots:
    void bytesOfEverySensorStep_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<QString>("stageCodes");
        QTest::addColumn<QString>("sniperCodes");
        QTest::addColumn<QString>("dpi");
        // clang-format off
        const struct {
            int sensor;
            const char *stageCodes, *sniperCodes, *dpi;
        } rows[] = {
            {3104, "fbcdf99d85b01f100694271964ca43881fc202c4",
             "68d57aa4fb58215a44ce89bb15169052f84d1580",
             "f17c85fb97651c9b42c200bc0d506c53c3056b00"},
            {31042, "fbcdf99d85b01f100694271964ca43881fc202c4",
             "ecae08b97dcea80fd3923bca2e94199ec5794b7c",
             "f17c85fb97651c9b42c200bc0d506c53c3056b00"},
            {3212, "cd3230438becf97f96a4da08520f75855b24dfc4",
             "68d57aa4fb58215a44ce89bb15169052f84d1580",
             "804f75486d856e586786b45caf5aaf67c9b37505"},
            {3311, "34c37b474551d5e62531a736f3be7b0813a17d61",
             "ecae08b97dcea80fd3923bca2e94199ec5794b7c",
             "0603137b2ed45044893c2c5eeec812f163102872"},
            {33112, "34c37b474551d5e62531a736f3be7b0813a17d61",
             "ecae08b97dcea80fd3923bca2e94199ec5794b7c",
             "0603137b2ed45044893c2c5eeec812f163102872"},
            {3325, "af40b4b892a843d9a11c0d21c596939bd5c3d0ee",
             "810da3d5911999b5aa8d6eed64274c97da19d588",
             "3a0541ffdc6e5d33fc5740bb5664405d07bc44b1"},
            {33252, "af40b4b892a843d9a11c0d21c596939bd5c3d0ee",
             "ecae08b97dcea80fd3923bca2e94199ec5794b7c",
             "3a0541ffdc6e5d33fc5740bb5664405d07bc44b1"},
            {3327, "0595de6ef0326a0d99a65702f61947513928d6e8",
             "8357c6f11881a9f380c949f062b46af589bc26d7",
             "804a30afdb9b5aee2e0b285729a83a38c3bb3e1f"},
            {3333, "b8e60c4880898e7f8d4c6af40fc568e123b6ae2f",
             "ecae08b97dcea80fd3923bca2e94199ec5794b7c",
             "052766958b5b00db0e8b47ff6b90f46453c7ca2b"},
            {3335, "0967ea6414d6af5bfba6261a59a5b8a0889f3dc3",
             "700e8b3fe9469b0ba43dcc84aae2d3d8bf7c54b6",
             "87f9926fccd018ae84fe16a06619244a2324d5a6"},
            {33352, "0967ea6414d6af5bfba6261a59a5b8a0889f3dc3",
             "ecae08b97dcea80fd3923bca2e94199ec5794b7c",
             "87f9926fccd018ae84fe16a06619244a2324d5a6"},
            {3360, "74692f08bf45f39f23025b56e6a88d5c16af7bdb",
             "0d75c077bdefebf1fabb33e9a3b17aca4400754d",
             "0603137b2ed45044893c2c5eeec812f163102872"},
            {3370, "52f9b3d21d675443c12105467717b92c2787b0f0",
             "ecae08b97dcea80fd3923bca2e94199ec5794b7c",
             "cfa2443c9668f42a5912456a05718fe1570987c6"},
            {3389, "2e177434e38cbc9ee595da58aa53a39abedb09a9",
             "68d57aa4fb58215a44ce89bb15169052f84d1580",
             "0d583f10dff65e4b1ae4d81ea81f5fcac4a1729e"},
            {3395, "e49c253685a69c23bc7299dc6a9fdb5b95a1a5c4",
             "ecae08b97dcea80fd3923bca2e94199ec5794b7c",
             "945221d42cbd625b823f5424b1621488c790fe23"},
            {33952, "752bbde14155650481a7b314e8b5317c515b0ae7",
             "ecae08b97dcea80fd3923bca2e94199ec5794b7c",
             "945221d42cbd625b823f5424b1621488c790fe23"},
            // Shown in DPI, but its stages go out as zero code bytes.
            {3399, "a9e9d29edfdf6eb9017dbc5766f7b089945af857",
             "ecae08b97dcea80fd3923bca2e94199ec5794b7c",
             "1403b9d20ef6a70c074f51b4bd6ae1af883c0590"},
            // Unknown sensors: zero code bytes, the sniper's 0x04, DPI 0.
            {1234, "a9e9d29edfdf6eb9017dbc5766f7b089945af857",
             "ecae08b97dcea80fd3923bca2e94199ec5794b7c",
             "680633844fa09139bf9a34554307203a05f6569c"},
            {0, "a9e9d29edfdf6eb9017dbc5766f7b089945af857",
             "ecae08b97dcea80fd3923bca2e94199ec5794b7c",
             "680633844fa09139bf9a34554307203a05f6569c"},
        };
        // clang-format on
        for (const auto &row : rows)
            QTest::newRow(qPrintable(QString::number(row.sensor)))
                << row.sensor << QString(row.stageCodes) << QString(row.sniperCodes) << QString(row.dpi);
    }

    void bytesOfEverySensorStep()
    {
        QFETCH(int, sensor);
        QFETCH(QString, stageCodes);
        QFETCH(QString, sniperCodes);
        QFETCH(QString, dpi);
        // All three first, so a dump shows every part even when the first differs.
        const QString stageDigest = digest(stageCodesDump(sensor), sensor, "stage codes");
        const QString sniperDigest = digest(sniperCodesDump(sensor), sensor, "sniper codes");
        const QString dpiDigest = digest(dpiDump(sensor), sensor, "dpi");
        QCOMPARE(stageDigest, stageCodes);
        QCOMPARE(sniperDigest, sniperCodes);
        QCOMPARE(dpiDigest, dpi);
    }
};

QTEST_APPLESS_MAIN(TestSensorGolden)
#include "test_sensor_golden.moc"
