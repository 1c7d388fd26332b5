#include "cli/edit_model.h"

#include "cli/cli_command.h"
#include "storage/data_paths.h"
#include "storage/macro_file.h"
#include "storage/model_description.h"

EditModel storedEditModel(const AppSettings &settings)
{
    EditModel model;
    model.view = storedModelView(settings);
    model.macrosEnabled = macrosDisabled() == 0;
    model.macroNames = listMacroNames();
    model.macroFileOf = [](const QString &name) { return macroFileExists(name) ? macroFilePath(name) : QString(); };
    model.settingsFile = settingsFilePath();
    return model;
}

QString profilePrefix(int profile) { return QString("profile %1: ").arg(profile + 1); }

EditOutcome EditOutcome::usage(const QString &message) { return {kExitUsage, message}; }

EditOutcome EditOutcome::refused(const QString &message) { return {kExitBadInput, message}; }

EditOutcome EditOutcome::changed(const QString &message) { return {kExitOk, message}; }
