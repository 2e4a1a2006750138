#include "storage/ProfileLibrary.h"

#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/FileCopy.h"
#include "storage/ImportCheck.h"
#include "storage/ImportLimit.h"
#include "storage/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

QString LibraryProfileFile(const QString &name)
{
    return AppPaths::libraryDir(CurrentProduct()) + QLatin1Char('/') + name + QStringLiteral(".prof");
}

QString LibraryTwinFile(const QString &name)
{
    if (!AppPaths::isSafeFileName(name))
        return QString();
    const QString library = LibraryProfileFile(name);
    if (QDir::cleanPath(library) == QDir::cleanPath(SlotProfileFile(name)) || !QFileInfo::exists(library))
        return QString();
    return library;
}

QString StoredProfileFile(const QString &name)
{
    const QString slot = SlotProfileFile(name);
    return QFileInfo::exists(slot) ? slot : LibraryProfileFile(name);
}

bool CopyLibraryToSlotFile(const QString &name)
{
    const QString library = LibraryTwinFile(name);
    if (library.isEmpty())
        return QFileInfo::exists(LibraryProfileFile(name));
    QDir().mkpath(AppPaths::slotProfileDir());
    return CopyFileReplacing(library, SlotProfileFile(name));
}

ProfileImport ImportLibraryProfile(const QString &path, QString &name)
{
    const QFileInfo source(path);
    name = source.completeBaseName();
    if (!source.isFile() || !source.isReadable() || !ImportSizeAcceptable(path))
        return ProfileImport::Unreadable;
    if (!ImportCheck(path, ImportCheck::Profile).accepted())
        return ProfileImport::Damaged;
    if (FileOwner(path) != CurrentProduct())
        return ProfileImport::OtherProduct;
    if (!AppPaths::isSafeFileName(name))
        return ProfileImport::BadName;
    QStringList names = LoadLibraryList();
    const QString target = LibraryProfileFile(name);
    if (QFileInfo::exists(target) || names.contains(name))
        return ProfileImport::Exists;
    QDir().mkpath(AppPaths::libraryDir(CurrentProduct()));
    if (!CopyFileReplacing(path, target))
        return ProfileImport::Failed;
    names.append(name);
    if (!CopyLibraryToSlotFile(name) || !SaveLibraryList(names)) {
        // An unlisted copy would block the next import of the same file.
        QFile::remove(target);
        return ProfileImport::Failed;
    }
    return ProfileImport::Imported;
}

bool ExportSlotProfile(const QString &slotName, const QString &path)
{
    if (!AppPaths::isSafeFileName(slotName))
        return false;
    const QString stored = StoredProfileFile(slotName);
    if (!QFileInfo(stored).isFile())
        return false;
    return SaveFileOwner(stored, CurrentProduct()) && CopyFileReplacing(stored, path);
}
