#include "model/profile_domains.h"

#include "model/button_assignment.h"
#include "model/function_catalogue.h"
#include "model/report_rates.h"
#include "model/sensor_tables.h"
#include "storage/key_table.h"
#include "storage/storage_keys.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <algorithm>

namespace {

const char *const kContext = "ProfileDomains";

QString translated(const char *text) { return QCoreApplication::translate(kContext, text); }

ValueProblem problem(const QString &key, qint64 value, const QString &domain)
{
    return ValueProblem{key, QString::number(value), domain};
}

// "(1, 2, 4, 8)": the codes in ascending order.
QString rateCodeList()
{
    QList<int> codes;
    for (const ReportRate &rate : reportRates())
        codes.append(rate.code);
    std::sort(codes.begin(), codes.end());
    QStringList texts;
    for (int code : codes)
        texts.append(QString::number(code));
    return texts.join(QStringLiteral(", "));
}

bool isFlag(int value) { return value == 0 || value == 1; }
QString notAFlag() { return translated(QT_TRANSLATE_NOOP("ProfileDomains", "is not 0 or 1")); }

std::optional<ValueProblem> buttonProblem(int index, const ButtonInfo &b)
{
    if (b.Fun != 0 && !findFunction(b.Fun))
        return problem(keyButtonInfo(index, "Fun"), b.Fun, translated(QT_TRANSLATE_NOOP("ProfileDomains", "is not a button function")));
    if (namesMacroFile(b.Fun)) {
        if (b.macroname.isEmpty() || !isSafeFileName(b.macroname)) {
            return ValueProblem{keyButtonInfo(index, "macroname"), b.macroname,
                                translated(QT_TRANSLATE_NOOP("ProfileDomains", "is not a macro name"))};
        }
        if (b.Res1 >= kMacroLoopModeCount)
            return problem(keyButtonInfo(index, "Res1"), b.Res1, translated(QT_TRANSLATE_NOOP("ProfileDomains", "is not a loop mode (0, 1, 2)")));
    }
    if (b.Fun == kFunSingleKey && keyName(b.Res1).isEmpty())
        return problem(keyButtonInfo(index, "Res1"), b.Res1, translated(QT_TRANSLATE_NOOP("ProfileDomains", "is not a key code")));
    return std::nullopt;
}

} // namespace

std::optional<ValueProblem> firstValueOutOfDomain(const ProfileData &p, int sensorId, const QString &productName)
{
    // 0 is what a default profile holds when the model description names no rate.
    if (p.pollrate != 0 && reportRateHz(p.pollrate) == 0) {
        return problem(kKeyPollrate, p.pollrate,
                       translated(QT_TRANSLATE_NOOP("ProfileDomains", "is not a report rate (%1)")).arg(rateCodeList()));
    }
    if (p.dpi >= kDpiStageCount)
        return problem(kKeyDpi, p.dpi, translated(QT_TRANSLATE_NOOP("ProfileDomains", "is not a DPI stage (0 to 7)")));
    const std::optional<SensorRange> range = sensorRange(sensorId, productName);
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiInfo &d = p.dpiInfo[i];
        if (!isFlag(d.used))
            return problem(keyDpiInfo(i, "used"), d.used, notAFlag());
        if (!isFlag(d.link))
            return problem(keyDpiInfo(i, "link"), d.link, notAFlag());
        if (!range)
            continue;
        const std::pair<const char *, uint32_t> steps[] = {{"xy", d.xy}, {"x", d.x}, {"y", d.y}};
        for (const auto &[field, step] : steps) {
            if (step != 0 && (step < uint32_t(range->minStep) || step > uint32_t(range->maxStep))) {
                return problem(keyDpiInfo(i, field), step,
                               translated(QT_TRANSLATE_NOOP("ProfileDomains", "is not a resolution step of this sensor (%1 to %2)"))
                                   .arg(range->minStep)
                                   .arg(range->maxStep));
            }
        }
    }
    if (!isFlag(p.scrollispage))
        return problem(kKeyScrollispage, p.scrollispage, notAFlag());
    if (!isFlag(p.accelenable))
        return problem(kKeyAccelenable, p.accelenable, notAFlag());
    for (int i = 0; i < kButtonCount; ++i) {
        if (auto refused = buttonProblem(i, p.buttonInfo[i]))
            return refused;
    }
    if (p.LedMode >= kLedModeCount) {
        return problem(kKeyLedMode, p.LedMode,
                       translated(QT_TRANSLATE_NOOP("ProfileDomains", "is not a lighting effect (0 to %1)")).arg(kLedModeCount - 1));
    }
    return std::nullopt;
}

ProfileCheck profileDomainCheck(int sensorId, const QString &productName)
{
    return [sensorId, productName](const ProfileData &profile) {
        return firstValueOutOfDomain(profile, sensorId, productName);
    };
}
