#include "storage/storage_result.h"

#include <QCoreApplication>

namespace {

// A name plus ".prof" must fit a file name (255 bytes on common file systems).
constexpr int kMaxNameBytes = 240;

const char *sourceText(StorageResult result)
{
    switch (result) {
    case StorageResult::Ok:
        return nullptr;
    case StorageResult::BadName:
        return QT_TRANSLATE_NOOP("StorageResult",
                                 "This name cannot be used: it must not be empty, contain \"/\" or "
                                 "\"\\\", be \".\" or \"..\", or be too long.");
    case StorageResult::ProductMismatch:
        return QT_TRANSLATE_NOOP("StorageResult", "The file is not match current mouse!");
    case StorageResult::ProfileExists:
        return QT_TRANSLATE_NOOP("StorageResult", "Profile Exist!");
    case StorageResult::FileError:
        return QT_TRANSLATE_NOOP("StorageResult", "The file could not be read or written.");
    }
    return nullptr;
}

} // namespace

QString storageResultMessage(StorageResult result)
{
    const char *text = sourceText(result);
    return text ? QCoreApplication::translate("StorageResult", text) : QString();
}

bool isSafeFileName(const QString &name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QChar(0)))
        return false;
    return name.toUtf8().size() <= kMaxNameBytes;
}
