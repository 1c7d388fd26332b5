#include "app/language_table.h"

#include "storage/app_paths.h"
#include "storage/storage_result.h"

LanguageTable LanguageTable::from(const AppSettings &settings)
{
    LanguageTable table;
    table.count = settings.languageCount;
    for (size_t i = 0; i < table.names.size(); ++i) {
        table.names[i] = settings.languages[i].name;
        table.files[i] = settings.languages[i].file;
    }
    return table;
}

QString LanguageTable::name(int index) const
{
    return contains(index) ? names[static_cast<size_t>(index)] : QString();
}

QString LanguageTable::translationPath(int index) const
{
    if (!contains(index))
        return QString();
    const QString &file = files[static_cast<size_t>(index)];
    if (file.isEmpty() || !isSafeFileName(file))
        return QString();
    return AppPaths::langFolder() + "/" + file + ".qm";
}
