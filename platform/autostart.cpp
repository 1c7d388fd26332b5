#include "platform/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Characters that make the desktop entry rules ask for a quoted argument.
const QString kReserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");

// A key's value in the [Desktop Entry] group of an entry's text (empty when absent).
QString desktopEntryValue(const QString &text, const QString &key)
{
    bool inGroup = false;
    for (const QString &raw : text.split('\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith('['))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.startsWith(key + '='))
            return line.mid(key.size() + 1).trimmed();
    }
    return QString();
}

} // namespace

namespace Autostart {

QString entryPath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + "/.config";
    return base + "/autostart/mousecfg.desktop";
}

QString execArgument(const QString &argument)
{
    if (argument.contains('\n') || argument.contains('\r') || argument.isEmpty())
        return QString();
    QString quoted = argument;
    bool needsQuotes = false;
    for (const QChar c : argument)
        needsQuotes = needsQuotes || kReserved.contains(c);
    if (needsQuotes) {
        QString inner;
        for (const QChar c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                inner += '\\';
            inner += c;
        }
        quoted = '"' + inner + '"';
    }
    // Exec is a string value: its backslashes are escaped once more; '%' starts a field code.
    quoted.replace('\\', QLatin1String("\\\\"));
    quoted.replace('%', QLatin1String("%%"));
    return quoted;
}

QByteArray entryText(const QString &executable)
{
    const QString program = execArgument(executable);
    if (program.isEmpty())
        return QByteArray();
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=mousecfg\n"
                                        "Comment=Gaming mouse settings in the tray\n"
                                        "Exec=%1 --hidden\n"
                                        "Icon=mousecfg\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(program);
    return text.toUtf8();
}

QString entryProgram(const QByteArray &entryText)
{
    // Undo the string-value escapes first, then the argument quoting (the reverse of
    // execArgument).
    const QString exec = desktopEntryValue(QString::fromUtf8(entryText), "Exec");
    QString value;
    for (int i = 0; i < exec.size(); ++i) {
        if ((exec[i] == '\\' || exec[i] == '%') && i + 1 < exec.size() && exec[i + 1] == exec[i])
            ++i;
        value += exec[i];
    }
    QString program;
    if (value.startsWith('"')) {
        for (int i = 1; i < value.size() && value[i] != '"'; ++i) {
            if (value[i] == '\\' && i + 1 < value.size())
                ++i;
            program += value[i];
        }
        return program;
    }
    return value.section(QRegularExpression("\\s"), 0, 0);
}

Repair repairStaleEntry(const QString &executable)
{
    if (!isEnabled())
        return Repair::NotNeeded;
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly))
        return Repair::NotNeeded;
    const QString program = entryProgram(file.readAll());
    const bool found = QDir::isAbsolutePath(program) ? QFileInfo(program).isExecutable()
                                                     : !QStandardPaths::findExecutable(program).isEmpty();
    if (found && !program.isEmpty())
        return Repair::NotNeeded;
    return setEnabled(true, executable) ? Repair::Rewritten : Repair::Failed;
}

bool isEnabled()
{
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    return desktopEntryValue(text, "Hidden") != QLatin1String("true") &&
           desktopEntryValue(text, "X-GNOME-Autostart-enabled") != QLatin1String("false");
}

bool setEnabled(bool on, const QString &executable)
{
    const QString path = entryPath();
    if (!on)
        return !QFileInfo::exists(path) || QFile::remove(path);
    const QByteArray text = entryText(executable);
    if (text.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return false;
    return file.commit();
}

} // namespace Autostart
