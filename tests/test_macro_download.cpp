// The macro download: slot images of macros with and without delays, and which slots the macro
// block builds and sends.

#include "device/clock.h"
#include "device/command_set.h"
#include "device/macro_download.h"
#include "device/trace.h"
#include "storage/app_paths.h"
#include "storage/log_categories.h"
#include "storage/macro_file.h"
#include "storage/profile_data.h"
#include "support/test_env.h"

#include <QtTest>

namespace {

QString slotHex(const MacroSlotImage &image, int bytes)
{
    return reportHex(image.data(), bytes);
}

QVector<MacroEvent> keySteps(int n)
{
    QVector<MacroEvent> steps;
    for (int i = 0; i < n; ++i)
        steps.append(MacroEvent{uint8_t(i % 2 ? 0x04 : 0x84), uint8_t(4 + i / 2), 0});
    return steps;
}

void assign(ProfileSet &set, int profile, int button, const QString &name, int fun = kFunMacro)
{
    ButtonInfo &b = set.profiles[size_t(profile)].buttonInfo[size_t(button)];
    b.Fun = fun;
    b.macroname = name;
}

// Address and phase of each macro report sent ("200:D2"); a wrong command or length is marked.
QStringList addresses(const std::vector<Report> &reports)
{
    QStringList out;
    for (const Report &r : reports) {
        const QString text = QString("%1:%2").arg(r[4] | (r[5] << 8)).arg(r[7], 0, 16).toUpper();
        out << (r[3] == kCmdMacroBlock && r[6] == (r[7] == kPhaseClose ? 1 : 20) ? text : text + " !BAD-HEADER");
    }
    return out;
}

QStringList slotReports(int slot, bool first)
{
    QStringList out;
    for (int j = 0; j < 10; ++j)
        out << QString("%1:%2").arg(slot * 200 + j * 20).arg(first && j == 0 ? "D1" : "D2");
    return out;
}

} // namespace

class TestMacroDownload : public QObject {
    Q_OBJECT

private slots:
    // Some cases check the debug lines, which are off unless asked for.
    void initTestCase() { configureDiagnostics(true); }

    void fiveStepsGetDelays()
    {
        const MacroSlotImage image = buildMacroImage(keySteps(5));
        // 4 steps, [6 1 0], the fifth step, [6 1 0], [0 0 0], then zeros.
        QCOMPARE(slotHex(image, 27), QString("84 04 00 04 04 00 84 05 00 04 05 00 06 01 00 "
                                             "84 06 00 06 01 00 00 00 00 00 00 00"));
        QVERIFY(std::all_of(image.begin() + 21, image.end(), [](uint8_t b) { return b == 0; }));

        // A full group is followed by its delay and then the closing delay.
        const MacroSlotImage four = buildMacroImage(keySteps(4));
        QCOMPARE(slotHex(four, 21), QString("84 04 00 04 04 00 84 05 00 04 05 00 06 01 00 06 01 00 00 00 00"));
    }

    void macroWithDelaysIsSentAsStored()
    {
        QVector<MacroEvent> steps = keySteps(6);
        steps.insert(3, MacroEvent{6, 0x2C, 0x01}); // 3000 ms
        steps.append(MacroEvent{2, 0x0A, 0xF6});     // a move
        const MacroSlotImage image = buildMacroImage(steps);
        QByteArray expected;
        for (const MacroEvent &e : steps)
            expected.append(char(e.Map)).append(char(e.DataL)).append(char(e.DataH));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(image.data()), expected.size()), expected);
        QVERIFY(std::all_of(image.begin() + expected.size(), image.end(), [](uint8_t b) { return b == 0; }));
    }

    // Long macros are cut to the slot; an event that would straddle the slot's end is left out
    // rather than split.
    void longMacroIsCutAtTheSlot()
    {
        const MacroSlotImage image = buildMacroImage(keySteps(63));
        // 63 steps become 80 events; 66 whole events fit: 13 groups of 4 + delay, then step 52.
        QCOMPARE(slotHex(image, 3), QString("84 04 00"));
        QCOMPARE(int(image[192]), 0x06); // event 64: the 13th group's delay
        QCOMPARE(int(image[195]), 0x84); // event 65: step 52 (a press)
        QCOMPARE(int(image[196]), 4 + 52 / 2);
        QCOMPARE(int(image[198]), 0);
        QCOMPARE(int(image[199]), 0);

        QVector<MacroEvent> delays(80, MacroEvent{6, 1, 0});
        const MacroSlotImage full = buildMacroImage(delays);
        QCOMPARE(int(full[195]), 6);
        QCOMPARE(int(full[198]), 0);

        // No steps: an empty slot, which is not sent.
        const MacroSlotImage empty = buildMacroImage({});
        QVERIFY(std::all_of(empty.begin(), empty.end(), [](uint8_t b) { return b == 0; }));
    }

    // Two buttons naming one macro (the second in a later profile) give one slot, built once;
    // names the map does not hold are skipped.
    void sharedNameGivesOneSlot()
    {
        QVERIFY(saveMacro("alpha", MacroSettings(), keySteps(2)));
        ProfileSet set;
        assign(set, 0, 1, "alpha");
        assign(set, 2, 5, "alpha", kFunGunSet);
        assign(set, 1, 0, "unmapped");
        MacroNameMap macros;
        macros.slotFor("alpha");
        RecordingSink sink;
        MacroBlockOutcome outcome;
        const int64_t before = m_time.clock.nowMs();
        QCOMPARE(int(writeMacroBlock(set, macros, readNamedMacroSteps(set), sink, &outcome)), 0);
        QCOMPARE(m_time.clock.nowMs() - before, int64_t(50)); // built once
        QCOMPARE(addresses(sink.reports()), slotReports(0, true) << "4095:D3");
        QCOMPARE(outcome.slotsSent, 1);
        QVERIFY(outcome.overLimit.isEmpty());
        QCOMPARE(reportHex(sink.reports()[0].data() + 8, 12), QString("84 04 00 04 04 00 06 01 00 00 00 00"));
    }

    // When only slot 3 holds a macro, its ten reports all carry phase 0xD2.
    void onlySlotThree()
    {
        QVERIFY(saveMacro("delta", MacroSettings(), keySteps(3)));
        ProfileSet set;
        const QStringList names{"none-a", "none-b", "none-c", "delta"}; // the first three have no file
        MacroNameMap macros;
        for (int i = 0; i < names.size(); ++i) {
            assign(set, 0, i, names[i]);
            macros.slotFor(names[i]);
        }
        RecordingSink sink;
        QCOMPARE(int(writeMacroBlock(set, macros, readNamedMacroSteps(set), sink)), 0);
        QCOMPARE(addresses(sink.reports()), slotReports(3, false) << "4095:D3");
    }

    // An empty map (no button block, or no macro button) sends nothing and builds nothing.
    void emptyMapSendsNothing()
    {
        ProfileSet set;
        assign(set, 0, 1, "alpha");
        MacroNameMap macros;
        RecordingSink sink;
        const int64_t before = m_time.clock.nowMs();
        QCOMPARE(int(writeMacroBlock(set, macros, readNamedMacroSteps(set), sink)), 0);
        QVERIFY(sink.reports().empty());
        QCOMPARE(m_time.clock.nowMs(), before);

        // Every mapped macro without steps: nothing used, no closing report.
        MacroNameMap missing;
        missing.slotFor("nothing-here");
        assign(set, 0, 2, "nothing-here");
        QCOMPARE(int(writeMacroBlock(set, missing, readNamedMacroSteps(set), sink)), 0);
        QVERIFY(sink.reports().empty());
    }

    // More than 20 macro names: slots 0..19 are still sent, the rest are reported.
    void slotsBeyondTheLimit()
    {
        ProfileSet set;
        MacroNameMap macros;
        for (int i = 0; i < 22; ++i) {
            const QString name = QString("many_%1").arg(i);
            QVERIFY(saveMacro(name, MacroSettings(), keySteps(1)));
            assign(set, i < 11 ? 0 : 4, i % 11, name);
            macros.slotFor(name);
        }
        RecordingSink sink;
        MacroBlockOutcome outcome;
        QTest::ignoreMessage(QtDebugMsg, "iIndex>=MAX_MACRO_NUMBER_560");
        QTest::ignoreMessage(QtDebugMsg, "iIndex>=MAX_MACRO_NUMBER_560");
        QCOMPARE(int(writeMacroBlock(set, macros, readNamedMacroSteps(set), sink, &outcome)), 0);
        QCOMPARE(outcome.slotsSent, 20);
        QCOMPARE(outcome.overLimit, QStringList({"many_20", "many_21"}));
        QCOMPARE(int(sink.reports().size()), 20 * 10 + 1);
        QCOMPARE(int(sink.reports()[190][4] | (sink.reports()[190][5] << 8)), 19 * 200);
    }

private:
    TempAppFolder m_dir{true};
    VirtualTime m_time;
};

QTEST_GUILESS_MAIN(TestMacroDownload)
#include "test_macro_download.moc"
