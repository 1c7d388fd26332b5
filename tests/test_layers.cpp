// The layering of the source folders: every `#include "folder/…"` of the project must point to a
// folder its own folder may use. Dependencies run downwards only, so the command-line tool and the
// tests build on exactly the core the window uses, and a panel never reaches into the window.

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <map>
#include <set>

namespace {

// What each folder may include. A folder missing from the table (tests, tools, bench) is not
// checked.
const std::map<QString, std::set<QString>> kMayInclude = {
    {"storage", {"storage"}},
    {"model", {"model", "storage"}},
    {"device", {"device", "model", "storage"}},
    {"platform", {"platform", "device", "storage"}},
    {"sim", {"sim", "device", "model", "storage"}},
    {"session", {"session", "platform", "sim", "device", "storage"}},
    {"widgets", {"widgets", "storage"}},
    {"panels", {"panels", "widgets", "model", "device", "storage", "platform"}},
    {"app", {"app", "panels", "widgets", "session", "sim", "platform", "device", "model", "storage", "osd"}},
    {"cli", {"cli", "session", "device", "model", "storage", "platform"}},
    {"osd", {"osd", "platform"}},
};

// Where a folder may use only part of another: the files whose path starts with one of these.
const std::map<std::pair<QString, QString>, QStringList> kOnlyPart = {
    {{"panels", "platform"}, {"platform/key_capture"}},
    {{"osd", "platform"}, {"platform/osd_", "platform/single_instance", "platform/runtime_folder"}},
};

// A module is a header and its source file: "device/command_set".
QString moduleOf(const QString &path)
{
    const int dot = path.lastIndexOf('.');
    return dot < 0 ? path : path.left(dot);
}

struct Violation {
    QString file;
    int line = 0;
    QString included;
    QString rule;
};

QString describe(const Violation &v)
{
    return QStringLiteral("%1:%2: includes \"%3\": %4").arg(v.file).arg(v.line).arg(v.included, v.rule);
}

// The rule an include from `from` of `included` breaks, or an empty string.
QString brokenRule(const QString &from, const QString &included)
{
    const int slash = included.indexOf('/');
    if (slash <= 0)
        return {};
    const QString to = included.left(slash);
    if (!kMayInclude.count(to))
        return {}; // not a layered folder (a system header, a test helper, a generated file)
    const std::set<QString> &allowed = kMayInclude.at(from);
    if (!allowed.count(to))
        return QStringLiteral("%1/ may not include %2/").arg(from, to);
    const auto part = kOnlyPart.find({from, to});
    if (part != kOnlyPart.end()) {
        for (const QString &prefix : part->second) {
            if (included.startsWith(prefix))
                return {};
        }
        return QStringLiteral("%1/ may include only %2 of %3/").arg(from, part->second.join(", "), to);
    }
    return {};
}

// Two modules that include each other cannot be understood, tested or moved apart: what they
// share belongs in a module of its own. Each pair is named once, at the include of the first.
std::vector<Violation> mutualIncludes(const std::vector<Violation> &includes)
{
    std::set<std::pair<QString, QString>> edges;
    for (const Violation &v : includes) {
        if (moduleOf(v.file) != moduleOf(v.included))
            edges.insert({moduleOf(v.file), moduleOf(v.included)});
    }
    std::vector<Violation> found;
    for (const Violation &v : includes) {
        const QString from = moduleOf(v.file), to = moduleOf(v.included);
        if (from < to && edges.count({from, to}) && edges.count({to, from})) {
            found.push_back({v.file, v.line, v.included, QStringLiteral("%1 and %2 include each other").arg(from, to)});
            edges.erase({from, to});
        }
    }
    return found;
}

std::vector<Violation> scanTree(const QString &root)
{
    static const QRegularExpression includeLine(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""));
    std::vector<Violation> found;
    std::vector<Violation> includes; // every project include, rule or not
    for (const auto &entry : kMayInclude) {
        const QString folder = entry.first;
        QDirIterator it(root + '/' + folder, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                continue;
            int lineNumber = 0;
            while (!file.atEnd()) {
                const QString line = QString::fromUtf8(file.readLine());
                ++lineNumber;
                const QRegularExpressionMatch m = includeLine.match(line);
                if (!m.hasMatch())
                    continue;
                const QString file = path.mid(root.size() + 1);
                const QString rule = brokenRule(folder, m.captured(1));
                if (!rule.isEmpty())
                    found.push_back({file, lineNumber, m.captured(1), rule});
                includes.push_back({file, lineNumber, m.captured(1), QString()});
            }
        }
    }
    const std::vector<Violation> mutual = mutualIncludes(includes);
    found.insert(found.end(), mutual.begin(), mutual.end());
    return found;
}

} // namespace

class TestLayers : public QObject {
    Q_OBJECT
private slots:
    void rulesReadTheTable()
    {
        // Downward includes pass; upward and sideways ones are named with the rule they break.
        QVERIFY(brokenRule("panels", "widgets/theme.h").isEmpty());
        QVERIFY(brokenRule("panels", "platform/key_capture_codes.h").isEmpty());
        QCOMPARE(brokenRule("panels", "app/window_rules.h"), QStringLiteral("panels/ may not include app/"));
        QCOMPARE(brokenRule("panels", "platform/pointer_speed.h"),
                 QStringLiteral("panels/ may include only platform/key_capture of platform/"));
        QCOMPARE(brokenRule("device", "platform/hotplug_source.h"), QStringLiteral("device/ may not include platform/"));
        QCOMPARE(brokenRule("storage", "model/function_catalogue.h"), QStringLiteral("storage/ may not include model/"));
        QVERIFY(brokenRule("sim", "QString").isEmpty());
        QVERIFY(brokenRule("app", "support/test_env.h").isEmpty());
    }

    void scanFindsABrokenRuleInAFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("device"));
        QFile file(dir.path() + "/device/probe.cpp");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#include \"device/probe.h\"\n#include \"device/other.h\"\n"
                   "  #  include \"platform/udev_hotplug_source.h\"\n");
        file.close();
        QFile other(dir.path() + "/device/other.h");
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("#pragma once\n#include \"device/probe.h\"\n");
        other.close();
        const std::vector<Violation> found = scanTree(dir.path());
        QStringList lines;
        for (const Violation &v : found)
            lines << describe(v);
        QCOMPARE(lines, QStringList({
            "device/probe.cpp:3: includes \"platform/udev_hotplug_source.h\": device/ may not include platform/",
            "device/other.h:2: includes \"device/probe.h\": device/other and device/probe include each other",
        }));
    }

    void theSourceTreeKeepsTheLayering()
    {
        const std::vector<Violation> found = scanTree(QStringLiteral(MOUSECFG_SOURCE_DIR));
        QStringList lines;
        for (const Violation &v : found)
            lines << describe(v);
        if (!lines.isEmpty())
            qWarning().noquote() << lines.size() << "forbidden includes:\n" + lines.join('\n');
        QVERIFY2(found.empty(), qPrintable(QString::number(found.size()) + " forbidden includes"));
    }
};

QTEST_GUILESS_MAIN(TestLayers)
#include "test_layers.moc"
