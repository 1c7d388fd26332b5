#include "storage/app_switch_rules.h"

#include "storage/data_paths.h"
#include "storage/ini_file.h"
#include "storage/record_sizes.h"
#include "storage/storage_keys.h"

namespace {

bool sameApp(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
bool isSlot(int slot) { return slot >= 1 && slot <= kProfileSlotCount; }

} // namespace

int AppSwitchRules::indexOf(const QString &app) const
{
    for (int i = 0; i < rules.size(); ++i) {
        if (sameApp(rules[i].app, app))
            return i;
    }
    return -1;
}

void AppSwitchRules::put(const QString &app, int slot)
{
    const int at = indexOf(app);
    if (at >= 0)
        rules[at].slot = slot;
    else
        rules.append({app, slot});
}

bool AppSwitchRules::remove(const QString &app)
{
    const int at = indexOf(app);
    if (at < 0)
        return false;
    rules.remove(at);
    return true;
}

bool ruleMatches(const AppSwitchRule &rule, const FocusedApp &app)
{
    const auto same = [&rule](const QString &name) { return !name.isEmpty() && sameApp(name, rule.app); };
    if (same(app.executable.section(QLatin1Char('/'), -1)) || same(app.executable))
        return true;
    for (const QString &name : app.classes) {
        if (same(name))
            return true;
    }
    return false;
}

int switchSlotFor(const AppSwitchRules &rules, const FocusedApp &app)
{
    if (!rules.enabled)
        return 0;
    for (const AppSwitchRule &rule : rules.rules) {
        if (ruleMatches(rule, app))
            return rule.slot;
    }
    return rules.defaultSlot;
}

QString appNameProblem(const QString &app)
{
    if (app.trimmed().isEmpty())
        return QStringLiteral("an application name cannot be empty");
    if (app.size() > kAppNameMaxLength)
        return QStringLiteral("an application name has at most %1 characters").arg(kAppNameMaxLength);
    for (const QChar c : app) {
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("an application name cannot hold a line break or control character");
    }
    return QString();
}

AppSwitchRules loadAppSwitchRules(StorageOutcome *outcome)
{
    AppSwitchRules rules;
    IniFile file(autoSwitchPath());
    if (outcome)
        *outcome = StorageOutcome();
    if (!file.exists())
        return rules;
    if (!file.readable()) {
        if (outcome) {
            outcome->result = StorageResult::Unreadable;
            outcome->path = file.path();
        }
        return rules;
    }
    const IniValues &s = file.values();
    rules.enabled = s.value(kKeyAutoSwitchEnabled).toString() == QLatin1String("1");
    const int fallback = s.value(kKeyAutoSwitchDefault).toInt();
    rules.defaultSlot = isSlot(fallback) ? fallback : 0;
    const int count = qBound(0, s.value(kKeyAutoSwitchCount).toInt(), 1000);
    for (int i = 0; i < count; ++i) {
        const QString app = s.value(keyAutoSwitchApp(i)).toString();
        bool ok = false;
        const int slot = s.value(keyAutoSwitchSlot(i)).toInt(&ok);
        if (ok && isSlot(slot) && appNameProblem(app).isEmpty() && rules.indexOf(app) < 0)
            rules.rules.append({app, slot});
    }
    return rules;
}

StorageOutcome storeAppSwitchRules(const AppSwitchRules &rules)
{
    IniFile file(autoSwitchPath(), IniFile::Access::Update);
    QSettings &s = file.settings();
    s.clear();
    s.setValue(kKeyAutoSwitchEnabled, rules.enabled ? 1 : 0);
    s.setValue(kKeyAutoSwitchDefault, isSlot(rules.defaultSlot) ? rules.defaultSlot : 0);
    s.setValue(kKeyAutoSwitchCount, rules.rules.size());
    for (int i = 0; i < rules.rules.size(); ++i) {
        s.setValue(keyAutoSwitchApp(i), rules.rules[i].app);
        s.setValue(keyAutoSwitchSlot(i), rules.rules[i].slot);
    }
    file.sync();
    return file.writeOutcome();
}
