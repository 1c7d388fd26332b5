#include "platform/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
