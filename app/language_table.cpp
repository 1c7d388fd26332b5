#include "app/language_table.h"

#include "storage/app_paths.h"
#include "storage/storage_result.h"

LanguageTable LanguageTable::read()
{
    LanguageTable table;
    readLanguageTable(table.count, table.names, table.files);
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
