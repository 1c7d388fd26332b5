#include "storage/storage_result.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// A name plus ".prof" must fit a file name (255 bytes on common file systems).
constexpr int kMaxNameBytes = 240;

const char *const kContext = "StorageResult";

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
    case StorageResult::Unreadable:
        return QT_TRANSLATE_NOOP("StorageResult", "cannot be read");
    case StorageResult::NotOurFile:
        return QT_TRANSLATE_NOOP("StorageResult", "not a file of this program");
    case StorageResult::WriteFailed:
        return QT_TRANSLATE_NOOP("StorageResult", "cannot be written");
    case StorageResult::ValueRefused:
        return QT_TRANSLATE_NOOP("StorageResult", "holds a value the mouse cannot take");
    case StorageResult::Busy:
        return QT_TRANSLATE_NOOP("StorageResult", "another program is saving here; try again in a moment");
    }
    return nullptr;
}

// "not a configuration file of %1" and its kin; the product-less forms when no product is known.
QString notOurFileText(StorageFileKind kind, const QString &product)
{
    const bool named = !product.isEmpty();
    const char *text = nullptr;
    switch (kind) {
    case StorageFileKind::Configuration:
        text = named ? QT_TRANSLATE_NOOP("StorageResult", "not a configuration file of %1")
                     : QT_TRANSLATE_NOOP("StorageResult", "not a configuration file");
        break;
    case StorageFileKind::Profile:
        text = named ? QT_TRANSLATE_NOOP("StorageResult", "not a profile file of %1")
                     : QT_TRANSLATE_NOOP("StorageResult", "not a profile file");
        break;
    case StorageFileKind::Macro:
        text = QT_TRANSLATE_NOOP("StorageResult", "not a macro file");
        break;
    }
    const QString translated = QCoreApplication::translate(kContext, text);
    return named && kind != StorageFileKind::Macro ? translated.arg(product) : translated;
}

// The name a user recognises: the file name itself; a folder given with a trailing slash
// keeps its own name.
QString shownName(const QString &path)
{
    const QString name = QFileInfo(QDir::cleanPath(path)).fileName();
    return name.isEmpty() ? path : name;
}

} // namespace

QString storageResultMessage(StorageResult result)
{
    const char *text = sourceText(result);
    return text ? QCoreApplication::translate(kContext, text) : QString();
}

QString storageFileMessage(StorageResult result, const QString &path, StorageFileKind kind, const QString &product)
{
    if (result == StorageResult::Ok)
        return QString();
    const QString text = result == StorageResult::NotOurFile ? notOurFileText(kind, product) : storageResultMessage(result);
    if (path.isEmpty())
        return text;
    //: %1 is a file name, %2 what is wrong with it
    return QCoreApplication::translate("StorageResult", "%1: %2").arg(shownName(path), text);
}

QString StorageOutcome::message() const
{
    if (detail.isEmpty() || result == StorageResult::Ok)
        return storageFileMessage(result, path, kind, product);
    if (result == StorageResult::ValueRefused)
        return QCoreApplication::translate("StorageResult", "%1: %2").arg(shownName(path), detail);
    return storageFileMessage(result, path, kind, product) + QStringLiteral(" (") + detail + QLatin1Char(')');
}

bool isSafeFileName(const QString &name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QChar(0)))
        return false;
    return name.toUtf8().size() <= kMaxNameBytes;
}
