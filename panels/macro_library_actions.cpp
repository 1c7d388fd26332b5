#include "panels/macro_library_actions.h"

#include "model/button_assignment.h"
#include "model/macro_steps.h"
#include "storage/data_paths.h"
#include "storage/profile_files.h"
#include "storage/macro_file.h"
#include "storage/profile_data.h"
#include "storage/storage_result.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

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
    int changed = 0;
    for (ProfileData &profile : set.profiles)
        changed += rebindMacroButtons(profile, oldName, newName);
    return changed;
}

int unbindMacroButtons(ProfileSet &set, const QString &name)
{
    int changed = 0;
    for (ProfileData &profile : set.profiles)
        changed += unbindMacroButtons(profile, name);
    return changed;
}

namespace {

StoredProfilesOutcome editStoredProfiles(const std::function<int(ProfileData &)> &edit)
{
    StoredProfilesOutcome outcome;
    const QDir folder(productProfileFolder());
    for (const QString &file : folder.entryList({QStringLiteral("*.prof")}, QDir::Files, QDir::Name)) {
        const QString path = folder.filePath(file);
        ProfileData profile;
        readProfileFile(profile, path);
        if (edit(profile) == 0)
            continue;
        if (writeProfileFile(profile, path))
            ++outcome.changedFiles;
        else
            outcome.failed << file;
    }
    return outcome;
}

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

StoredProfilesOutcome rebindStoredProfiles(const QString &oldName, const QString &newName)
{
    return editStoredProfiles([&](ProfileData &p) { return rebindMacroButtons(p, oldName, newName); });
}

StoredProfilesOutcome unbindStoredProfiles(const QString &name)
{
    return editStoredProfiles([&](ProfileData &p) { return unbindMacroButtons(p, name); });
}

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
