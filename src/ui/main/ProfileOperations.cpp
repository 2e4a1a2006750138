#include "ui/main/ProfileOperations.h"

#include "device/session/MouseSession.h"
#include "platform/LogCategories.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/FileCopy.h"
#include "storage/ProfileFile.h"
#include "storage/ProfileLibrary.h"
#include "storage/UploadSlots.h"
#include "ui/main/ProfileHost.h"
#include "ui/main/ProfileNames.h"
#include "ui/widgets/UserPrompts.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

ProfileOperations::ProfileOperations(ProfileHost *host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{ }

ConfigData &ProfileOperations::config() const
{
    return m_host->workingConfig();
}

int ProfileOperations::currentSlot() const
{
    const int slot = config().ProfileID;
    return slot < ProfileSlots ? slot : 0;
}

QString ProfileOperations::currentName() const
{
    return config().profileNames[currentSlot()];
}

ProfileData &ProfileOperations::currentProfile() const
{
    return config().profiles[currentSlot()];
}

QStringList ProfileOperations::otherSlotNames() const
{
    QStringList names;
    for (int k = 0; k < ProfileSlots; ++k) {
        if (k != currentSlot())
            names << config().profileNames[k];
    }
    return names;
}

bool ProfileOperations::nameTaken(const QString &name) const
{
    // A name held by any slot, listed, or with a file would make two profiles share one file.
    for (const QString &held : config().profileNames) {
        if (held == name)
            return true;
    }
    return m_host->libraryList().contains(name) || QFileInfo::exists(LibraryProfileFile(name));
}

void ProfileOperations::notice(const QString &text) const
{
    ShowWarning(tr("Warning"), text, m_host->dialogParent());
}

bool ProfileOperations::ask(const QString &text) const
{
    return AskQuestion(tr("Warning"), text, m_host->dialogParent());
}

void ProfileOperations::fileNotice(const QString &pattern, const QString &path) const
{
    notice(pattern.arg(QDir::toNativeSeparators(path)));
}

void ProfileOperations::loadIntoCurrentSlot(const QString &name)
{
    config().profileNames[currentSlot()] = name;
    LoadProfileFile(currentProfile(), StoredProfileFile(name));
    currentProfile().ProfileName = name;
    m_host->refreshPages();
    emit slotChanged();
}

bool ProfileOperations::takeSlotFile(const QString &name)
{
    if (CopyLibraryToSlotFile(name))
        return true;
    // Unlisted, the new library file would only block its name.
    QFile::remove(LibraryProfileFile(name));
    fileNotice(tr("The file \"%1\" could not be written."), SlotProfileFile(name));
    return false;
}

void ProfileOperations::selectProfileSlot(int slot, bool reload)
{
    if (slot < 0 || slot >= ProfileSlots)
        return;
    config().ProfileID = quint8(slot);
    if (reload) {
        const QString name = config().profileNames[slot];
        LoadProfileFile(config().profiles[slot], StoredProfileFile(name));
        config().profiles[slot].ProfileName = name;
    }
    m_host->refreshPages();
    SaveProfileID(slot);
    emit slotChanged();
}

bool ProfileOperations::selectSlot(int slot)
{
    return switchSlot(slot).ok();
}

OperationResult ProfileOperations::switchSlot(int slot)
{
    if (slot < 0 || slot >= ProfileSlots)
        return OperationResult::fromDevice(ReportNoDevice);
    selectProfileSlot(slot, false);
    emit libraryChanged();
    const OperationResult result = switchMouseTo(slot);
    m_host->applySlotMouseSpeed();
    return result;
}

bool ProfileOperations::pickLibraryEntry(int index)
{
    const QStringList &list = m_host->libraryList();
    if (index < 0 || index >= LibraryLookupLimit || index >= list.size())
        return false;
    return pickLibraryProfile(list.at(index));
}

bool ProfileOperations::pickLibraryProfile(const QString &name)
{
    if (otherSlotNames().contains(name)) {
        notice(tr("Profile is Already Used!"));
        return false;
    }
    if (!AppPaths::isSafeFileName(name) || !QFileInfo(LibraryProfileFile(name)).isFile()) {
        fileNotice(tr("The file \"%1\" could not be read."), LibraryProfileFile(name));
        return false;
    }
    loadIntoCurrentSlot(name);
    return true;
}

bool ProfileOperations::renameProfile(const QString &newName)
{
    const QString oldName = currentName();
    if (ProfileNames::isDefaultName(oldName)) {
        notice(tr("The default Profile cannot be deleted or renamed."));
        emit slotChanged();
        return false;
    }
    if (!AppPaths::isSafeFileName(newName)) {
        notice(tr("\"%1\" cannot name a profile file.").arg(newName));
        emit slotChanged();
        return false;
    }
    if (newName == oldName)
        return true;
    // The field keeps the typed name so that the user can change it.
    if (nameTaken(newName)) {
        notice(tr("Profile Exist!"));
        return false;
    }

    QDir().mkpath(AppPaths::libraryDir(CurrentProduct()));
    const QString oldFile = LibraryProfileFile(oldName);
    const QString newFile = LibraryProfileFile(newName);
    ProfileData renamed = currentProfile();
    renamed.ProfileName = newName;
    if (QFileInfo::exists(oldFile)) {
        if (!QFile::rename(oldFile, newFile)) {
            fileNotice(tr("The file \"%1\" could not be renamed."), oldFile);
            emit slotChanged();
            return false;
        }
    } else if (!SaveProfileFileAt(renamed, newFile)) {
        // Without a file of its own the renamed entry would load as an empty profile.
        fileNotice(tr("The file \"%1\" could not be written."), newFile);
        emit slotChanged();
        return false;
    }

    QStringList &list = m_host->libraryList();
    const int position = list.indexOf(oldName);
    if (position >= 0)
        list[position] = newName;
    else
        list.append(newName);
    config().profileNames[currentSlot()] = newName;
    currentProfile().ProfileName = newName;
    saveLibraryList();
    emit libraryChanged();
    emit slotChanged();
    QString failed;
    if (!SaveConfig(config(), &failed)) {
        fileNotice(tr("The file \"%1\" could not be written."), failed);
        return false;
    }
    // Nothing names the old slot file any more; left behind, it would be read for a later profile of
    // that name.
    if (!otherSlotNames().contains(oldName))
        QFile::remove(SlotProfileFile(oldName));
    return true;
}

bool ProfileOperations::addProfile()
{
    const QString name = ProfileNames::newProfileName([this](const QString &n) { return nameTaken(n); });
    const QString templateFile = AppPaths::slotProfileDir() + QStringLiteral("/DefaultProfile.prof");
    if (!QFileInfo::exists(templateFile))
        WriteFactoryProfileFile();
    QDir().mkpath(AppPaths::libraryDir(CurrentProduct()));
    const QString file = LibraryProfileFile(name);
    if (name.isEmpty() || !CopyFileReplacing(templateFile, file)) {
        fileNotice(tr("The file \"%1\" could not be written."), file);
        return false;
    }
    if (!takeSlotFile(name))
        return false;
    m_host->libraryList().append(name);
    saveLibraryList();
    emit libraryChanged();
    loadIntoCurrentSlot(name);
    return true;
}

bool ProfileOperations::copyProfile()
{
    const QString name = currentName();
    const QString copy = ProfileNames::copyName(name, [this](const QString &n) { return nameTaken(n); });
    QDir().mkpath(AppPaths::libraryDir(CurrentProduct()));
    const QString target = LibraryProfileFile(copy);
    const QString source = StoredProfileFile(name);
    // A slot that was never saved has no file yet: its profile as held is what gets copied.
    const bool copied = !copy.isEmpty()
        && (QFileInfo::exists(source) ? CopyFileReplacing(source, target)
                                      : SaveProfileFileAt(currentProfile(), target));
    if (!copied) {
        fileNotice(tr("The file \"%1\" could not be written."), target);
        return false;
    }
    if (!takeSlotFile(copy))
        return false;
    m_host->libraryList().append(copy);
    config().profileNames[currentSlot()] = copy;
    saveLibraryList();
    emit libraryChanged();
    emit slotChanged();
    return true;
}

bool ProfileOperations::deleteProfile()
{
    QStringList &list = m_host->libraryList();
    const QString name = currentName();
    if (list.size() <= 1) {
        notice(tr("AT LEAST ONE PROFILE TO BE RETAINED."));
        return false;
    }
    if (ProfileNames::isDefaultName(name)) {
        notice(tr("The default Profile cannot be deleted or renamed."));
        return false;
    }
    if (!ask(tr("Are you sure you want delete this profile?")))
        return false;

    // A name missing from the list is looked up as if it stood last.
    int position = list.indexOf(name);
    QStringList candidates = list;
    if (position < 0) {
        candidates.append(name);
        position = candidates.size() - 1;
    }
    const int replacement = ProfileNames::pickReplacementProfile(candidates, position, otherSlotNames());
    if (replacement < 0) {
        notice(tr("Every other profile is held by another slot, so this one cannot be deleted."));
        return false;
    }
    const QString file = LibraryProfileFile(name);
    if (QFileInfo::exists(file) && !QFile::remove(file)) {
        fileNotice(tr("The file \"%1\" could not be deleted."), file);
        return false;
    }
    const QString next = candidates.at(replacement);
    list.removeAll(name);
    saveLibraryList();
    emit libraryChanged();
    loadIntoCurrentSlot(next);
    return true;
}

bool ProfileOperations::resetProfile()
{
    if (!ask(tr("Are you sure you want reset this profile?")))
        return false;
    const int slot = currentSlot();
    qCDebug(lcUi, "Accepted %d", slot);
    MakeFactoryProfile(currentProfile());
    m_host->retranslateWindow();
    m_host->refreshPages();
    emit slotChanged();
    applyToDevice();
    return true;
}

bool ProfileOperations::resetAllProfiles()
{
    if (!ask(tr("Are you sure you want reset all profiles?")))
        return false;
    MakeFactoryConfig(config());
    // The upload below writes the current slot; the others are written when next selected.
    MarkSlotsUnsent(AllSlotsMask);
    m_host->refreshPages();
    emit slotChanged();
    applyToDevice(true);
    return true;
}

void ProfileOperations::saveLibraryList()
{
    SaveLibraryList(m_host->libraryList());
}

void ProfileOperations::loadLibraryList()
{
    m_host->libraryList() = LoadLibraryList();
    emit libraryChanged();
}
