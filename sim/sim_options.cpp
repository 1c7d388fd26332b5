#include "sim/sim_options.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// Upper bounds keep a mistyped number from queueing unbounded reports or stalling for hours.
constexpr int kMaxCount = 100000;
constexpr int kMaxStale = 32; // well inside the 64-report input queue of a collection
constexpr int kMaxLatencyMs = 60000;

bool setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

// A plain decimal number within [min, max]; signs, hex and spaces are refused.
bool parseNumber(const QString &text, int min, int max, int *out)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return false;
    const int value = text.toInt();
    if (value < min || value > max)
        return false;
    *out = value;
    return true;
}

// "a:b:c..." with exactly limits.size() fields, each within its own range.
bool parseFields(const QString &text, const std::initializer_list<std::pair<int, int>> &limits, int *out)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != static_cast<int>(limits.size()))
        return false;
    int i = 0;
    for (const auto &limit : limits) {
        if (!parseNumber(parts.at(i), limit.first, limit.second, &out[i]))
            return false;
        ++i;
    }
    return true;
}

} // namespace

std::optional<SimOptions> parseSimOptions(const QString &simOptions, QString *error)
{
    SimOptions result;
    bool receiver = false;
    bool cable = false;

    const QStringList items = simOptions.split(QLatin1Char(','));
    for (const QString &rawItem : items) {
        const QString item = rawItem.trimmed();
        if (item.isEmpty())
            continue;
        const int eq = item.indexOf(QLatin1Char('='));
        const QString word = (eq < 0 ? item : item.left(eq)).trimmed();
        const QString value = eq < 0 ? QString() : item.mid(eq + 1).trimmed();
        const bool hasValue = eq >= 0;

        const auto badValue = [&](const QString &form) {
            setError(error, QStringLiteral("simulation option \"%1\": expected %2").arg(item, form));
            return std::nullopt;
        };

        if (word == QLatin1String("receiver") || word == QLatin1String("cable") ||
            word == QLatin1String("both") || word == QLatin1String("silent") || word == QLatin1String("denied")) {
            if (hasValue) {
                setError(error, QStringLiteral("simulation option \"%1\" takes no value").arg(word));
                return std::nullopt;
            }
            if (word == QLatin1String("receiver"))
                receiver = true;
            else if (word == QLatin1String("cable"))
                cable = true;
            else if (word == QLatin1String("both"))
                receiver = cable = true;
            else if (word == QLatin1String("silent"))
                result.faults.silent = true;
            else
                result.faults.denied = true;
            continue;
        }

        int fields[4] = {};
        if (word == QLatin1String("zeros") || word == QLatin1String("corrupt") ||
            word == QLatin1String("writefail") || word == QLatin1String("unplug")) {
            if (!parseNumber(value, 0, kMaxCount, fields))
                return badValue(QStringLiteral("a count from 0 to %1").arg(kMaxCount));
            int &target = word == QLatin1String("zeros")       ? result.faults.zeros
                          : word == QLatin1String("corrupt")   ? result.faults.corrupt
                          : word == QLatin1String("writefail") ? result.faults.writeFail
                                                               : result.faults.unplug;
            target = fields[0];
        } else if (word == QLatin1String("stale")) {
            if (!parseNumber(value, 0, kMaxStale, fields))
                return badValue(QStringLiteral("a count from 0 to %1").arg(kMaxStale));
            result.faults.stale = fields[0];
        } else if (word == QLatin1String("latency")) {
            if (!parseNumber(value, 0, kMaxLatencyMs, fields))
                return badValue(QStringLiteral("milliseconds from 0 to %1").arg(kMaxLatencyMs));
            result.faults.latencyMs = fields[0];
        } else if (word == QLatin1String("battery")) {
            if (!parseFields(value, {{0, 255}, {0, 255}, {0, 255}}, fields))
                return badValue(QStringLiteral("C:L:H, three bytes 0-255"));
            result.battery.charging = static_cast<uint8_t>(fields[0]);
            result.battery.low = static_cast<uint8_t>(fields[1]);
            result.battery.high = static_cast<uint8_t>(fields[2]);
        } else if (word == QLatin1String("devtype")) {
            if (!parseNumber(value, 0, 255, fields))
                return badValue(QStringLiteral("a byte 0-255"));
            result.deviceType = static_cast<uint8_t>(fields[0]);
        } else if (word == QLatin1String("notice")) {
            if (!parseFields(value, {{0, 4}, {0, 7}, {0, 255}, {0, 255}}, fields))
                return badValue(QStringLiteral("P:D:R:M, profile 0-4, DPI stage 0-7, rate and mode 0-255"));
            result.notice = SimNotice{static_cast<uint8_t>(fields[0]), static_cast<uint8_t>(fields[1]),
                                      static_cast<uint8_t>(fields[2]), static_cast<uint8_t>(fields[3])};
        } else {
            setError(error, QStringLiteral("unknown simulation option \"%1\"").arg(word));
            return std::nullopt;
        }
    }

    if (receiver || cable) {
        result.receiver = receiver;
        result.cable = cable;
    }
    if (error)
        error->clear();
    return result;
}

QString simOptionsHelp()
{
    return QStringLiteral(
        "  --simulate[=LIST]   the simulated mouse instead of the real one; LIST is a comma-separated\n"
        "                      list: receiver (default), cable or both, then faults and conditions:\n"
        "                      silent (never answers), denied (listed but cannot be opened, as\n"
        "                      without permission), zeros=N (the next N replies all zero),\n"
        "                      stale=N (N stale reports before each echo), corrupt=N (the data of\n"
        "                      the next N echoes altered), writefail=N (the next N writes fail),\n"
        "                      latency=MS (every answer that late), unplug=N (the link that takes\n"
        "                      the N-th report goes away), battery=C:L:H (the battery reply's\n"
        "                      bytes; 0:0:0 is a sleeping mouse), devtype=N (device-type byte),\n"
        "                      notice=P:D:R:M (one status notice at start)\n");
}
