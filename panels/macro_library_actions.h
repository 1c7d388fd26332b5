#pragma once
// What the macro page does to the library beyond storage's own operations: the name rule of
// the page, keeping buttons bound across a rename (in the working set and the stored profile
// files), unbinding them when their macro goes, importing and exporting macro files.

#include <QString>
#include <QStringList>

struct ProfileSet;

// The message for a name the page refuses (storage's refusal, or longer than 20 characters);
// empty when the name can be used.
QString macroNameProblem(const QString &name);

// Every button of `set` bound to `oldName` (macro or gun set function) is bound to `newName`.
// Returns how many buttons changed.
int rebindMacroButtons(ProfileSet &set, const QString &oldName, const QString &newName);
// Every button of `set` bound to `name` becomes "Button Off". Returns how many changed.
int unbindMacroButtons(ProfileSet &set, const QString &name);

// The same on every stored profile file (*.prof) of the current product, each rewritten only
// when one of its buttons changed.
struct StoredProfilesOutcome {
    int changedFiles = 0;
    QStringList failed; // files that could not be rewritten
};
StoredProfilesOutcome rebindStoredProfiles(const QString &oldName, const QString &newName);
StoredProfilesOutcome unbindStoredProfiles(const QString &name);

enum class ImportStatus { Imported, Exists, BadName, ListFull, FileError };
struct ImportOutcome {
    ImportStatus status = ImportStatus::FileError;
    QString name; // the macro's name (the file's base name)
};
// Copies one .MSMACRO file into the library and lists it, unless a macro of its name exists,
// the name is refused or the list is full.
ImportOutcome importMacroFile(const QString &path);

struct BatchImportReport {
    QStringList imported; // names, in the order of the files
    QStringList skipped;  // file names not imported (existing name, refused name, file error)
    QStringList notReached; // file names left when the list became full
};
// Imports each file as importMacroFile does; stops at the 50-macro limit.
BatchImportReport importMacroFiles(const QStringList &paths);

// Copies the macro's file to `target` (replacing a file there). False when it cannot.
bool exportMacroFile(const QString &name, const QString &target);
// Copies each named macro into `folder` as name + ".MSMACRO"; returns the names that failed.
QStringList exportMacroFiles(const QStringList &names, const QString &folder);
