#include "panels/macro_library_actions.h"

#include "model/macro_steps.h"
#include "storage/macro_file.h"
#include "storage/profile_data.h"
#include "storage/storage_result.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString macroNameProblem(const QString &name)
{
    if (!isSafeMacroName(name))
        return storageResultMessage(StorageResult::BadName);
    if (name.size() > kMacroNameMaxLength)
        return QCoreApplication::translate("MacroDialog", "A macro name has at most %1 characters.")
            .arg(kMacroNameMaxLength);
    return QString();
}

int rebindMacroButtons(ProfileSet &set, const QString &oldName, const QString &newName)
{
    if (oldName.isEmpty() || oldName == newName)
        return 0;
    int changed = 0;
    for (ProfileData &profile : set.profiles) {
        for (ButtonInfo &button : profile.buttonInfo) {
            if ((button.Fun == kFunMacro || button.Fun == kFunGunSet) && button.macroname == oldName) {
                button.macroname = newName;
                ++changed;
            }
        }
    }
    return changed;
}

namespace {

// Copies `from` over `to`; QFile::copy never replaces a file.
bool copyReplacing(const QString &from, const QString &to)
{
    if (QFileInfo(from).canonicalFilePath() == QFileInfo(to).canonicalFilePath() && QFileInfo::exists(to))
        return true;
    if (QFileInfo::exists(to) && !QFile::remove(to))
        return false;
    return QFile::copy(from, to);
}

} // namespace

ImportOutcome importMacroFile(const QString &path)
{
    ImportOutcome outcome;
    outcome.name = QFileInfo(path).completeBaseName();
    if (!macroNameProblem(outcome.name).isEmpty()) {
        outcome.status = ImportStatus::BadName;
        return outcome;
    }
    if (macroFileExists(outcome.name) || listMacroNames().contains(outcome.name)) {
        outcome.status = ImportStatus::Exists;
        return outcome;
    }
    if (isMacroListFull()) {
        outcome.status = ImportStatus::ListFull;
        return outcome;
    }
    const QString target = macroFilePath(outcome.name);
    if (!QFileInfo(path).isFile() || !QDir().mkpath(macroFolder()) || !QFile::copy(path, target)) {
        outcome.status = ImportStatus::FileError;
        return outcome;
    }
    if (!addMacroName(outcome.name)) {
        QFile::remove(target);
        outcome.status = ImportStatus::FileError;
        return outcome;
    }
    outcome.status = ImportStatus::Imported;
    return outcome;
}

BatchImportReport importMacroFiles(const QStringList &paths)
{
    BatchImportReport report;
    for (int i = 0; i < paths.size(); ++i) {
        const ImportOutcome outcome = importMacroFile(paths[i]);
        if (outcome.status == ImportStatus::Imported) {
            report.imported << outcome.name;
        } else if (outcome.status == ImportStatus::ListFull) {
            for (int j = i; j < paths.size(); ++j)
                report.notReached << QFileInfo(paths[j]).fileName();
            break;
        } else {
            report.skipped << QFileInfo(paths[i]).fileName();
        }
    }
    return report;
}

bool exportMacroFile(const QString &name, const QString &target)
{
    if (!macroFileExists(name) || target.isEmpty())
        return false;
    return copyReplacing(macroFilePath(name), target);
}

QStringList exportMacroFiles(const QStringList &names, const QString &folder)
{
    QStringList failed;
    for (const QString &name : names) {
        if (!exportMacroFile(name, QDir(folder).filePath(name + QStringLiteral(".MSMACRO"))))
            failed << name;
    }
    return failed;
}
