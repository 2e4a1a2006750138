#include "core/ProfileTransfers.h"

#include "platform/LogCategories.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"
#include "storage/ProfileFile.h"
#include "storage/ProfileLibrary.h"
#include "storage/UploadSlots.h"

#include <QDebug>
#include <QFileInfo>

namespace {

bool readable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

OperationResult refused(OperationResult::Code code, const QString &path, const QString &message)
{
    OperationResult result;
    result.code = code;
    result.path = path;
    result.exitCode = ExitRefused;
    result.message = message;
    return result;
}

OperationResult otherProduct(const QString &path)
{
    OperationResult result = refused(OperationResult::OtherProduct, path,
                                     QStringLiteral("'%1' belongs to mouse '%2', not to '%3'")
                                         .arg(ShownPath(path), ShownPath(FileOwner(path)), CurrentProduct()));
    result.name = FileOwner(path);
    return result;
}

// The import check's verdict on a file that failed it.
OperationResult checkFailed(const QString &path, ImportCheck::Kind kind, const QStringList &heldNames = {})
{
    const ImportCheck check(path, kind, heldNames);
    QString message = check.message(ShownPath(path));
    if (check.result() == ImportCheck::WrongKind)
        message += kind == ImportCheck::Profile ? QStringLiteral(" (use import-config)")
                                                : QStringLiteral(" (use import-profile)");
    OperationResult result = refused(OperationResult::Refused, path, message);
    if (check.unreadable())
        result.exitCode = ExitNoInput;
    return result;
}

} // namespace

OperationResult ProfileTransfers::checkImport(const QString &path, ImportCheck::Kind kind,
                                              const QStringList &heldNames)
{
    // A damaged or cut-off file is refused whole, before anything is taken from it.
    if (!ImportCheck(path, kind, heldNames).accepted())
        return checkFailed(path, kind, heldNames);
    if (FileOwner(path) != CurrentProduct())
        return otherProduct(path);
    return OperationResult::done();
}

OperationResult ProfileTransfers::exportConfig(const ConfigData &config, const QString &path)
{
    if (!ExportConfigStamped(config, path, CurrentProduct()))
        return OperationResult::cannotWrite(path);
    return OperationResult::done();
}

OperationResult ProfileTransfers::importConfig(ConfigData &config, const QString &path)
{
    const QStringList held = SlotNames(config);
    const OperationResult checked = checkImport(path, ImportCheck::Configuration, held);
    if (!checked.ok())
        return checked;
    if (!ImportConfig(config, path)) {
        // Only a file changed since the check gets here.
        return refused(OperationResult::Unreadable, path,
                       ImportCheck(path, ImportCheck::Configuration, held).message(ShownPath(path)));
    }
    // Every slot changed; the mouse gets each one when it is next current.
    if (!MarkSlotsUnsent(AllSlotsMask))
        return OperationResult::cannotWrite(AppPaths::globalConfigFile());
    return OperationResult::done();
}

OperationResult ProfileTransfers::exportProfile(const ConfigData &config, int slot, const QString &path)
{
    const QString name = config.profileNames[slot];
    // A profile added or picked but not yet applied has only its library file.
    if (!readable(StoredProfileFile(name)))
        return OperationResult::unreadable(StoredProfileFile(name));
    if (!ExportSlotProfile(name, path))
        return OperationResult::cannotWrite(path);
    OperationResult result;
    result.name = name;
    result.slot = slot;
    return result;
}

OperationResult ProfileTransfers::importProfile(ConfigData &config, const QString &path)
{
    const OperationResult checked = checkImport(path, ImportCheck::Profile);
    if (!checked.ok())
        return checked;
    const int current = config.ProfileID < ProfileSlots ? config.ProfileID : 0;
    const QString baseName = QFileInfo(path).completeBaseName();
    qCDebug(lcUi) << "Import profile" << baseName;
    // Two slots of one name would share one file and overwrite each other.
    for (int k = 0; k < ProfileSlots; ++k) {
        if (k != current && config.profileNames[k] == baseName) {
            OperationResult result = refused(
                OperationResult::NameUsed, path,
                QStringLiteral("Profile is Already Used! ('%1' is profile %2)").arg(baseName).arg(k + 1));
            result.name = baseName;
            result.slot = k;
            return result;
        }
    }
    QString name;
    OperationResult result;
    switch (ImportLibraryProfile(path, name)) {
    case ProfileImport::Imported:
        break;
    case ProfileImport::Unreadable:
        result = OperationResult::unreadable(path);
        break;
    case ProfileImport::Damaged:
        result = checkFailed(path, ImportCheck::Profile);
        break;
    case ProfileImport::OtherProduct:
        result = otherProduct(path);
        break;
    case ProfileImport::Exists:
        result = refused(OperationResult::NameExists, path,
                         QStringLiteral("Profile Exist! ('%1' is already in the library)").arg(name));
        break;
    case ProfileImport::BadName:
        result
            = refused(OperationResult::BadName, path, QStringLiteral("'%1' cannot name a profile").arg(name));
        break;
    case ProfileImport::Failed:
        result = OperationResult::cannotWrite(LibraryProfileFile(name));
        break;
    }
    result.name = name;
    if (!result.ok())
        return result;
    LoadProfileFile(config.profiles[current], LibraryProfileFile(name));
    config.profiles[current].ProfileName = name;
    config.profileNames[current] = name;
    result.slot = current;
    return result;
}
