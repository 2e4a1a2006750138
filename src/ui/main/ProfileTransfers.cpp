// ProfileOperations: uploads, the footer actions, and the profile and configuration file dialogs.
// The rules of the files are ProfileTransfers'; here the file is chosen and the outcome shown.
#include "ui/main/ProfileOperations.h"

#include "core/ProfileTransfers.h"
#include "device/link/DeviceLink.h"
#include "device/session/MouseSession.h"
#include "storage/ConfigStore.h"
#include "storage/ImportCheck.h"
#include "ui/main/ProfileHost.h"
#include "ui/widgets/UserPrompts.h"

#include <QDir>
#include <QWidget>

namespace {

const char *const ProfileFilter = QT_TRANSLATE_NOOP("ProfileOperations", "Profile File(*.prof)");
const char *const ConfigFilter = QT_TRANSLATE_NOOP("ProfileOperations", "Config File(*.conf)");

// What is wrong with a file an import was given, as a sentence for a box.
QString importRefusal(const QString &path, ImportCheck::Kind kind, const QStringList &heldNames)
{
    const ImportCheck check(path, kind, heldNames);
    QString text = check.message(QDir::toNativeSeparators(path));
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

} // namespace

void ProfileOperations::setUploadWaiter(UploadWaiter waiter)
{
    m_waiter = std::move(waiter);
}

OperationResult ProfileOperations::upload(bool sendEverything, bool showProgress)
{
    const OperationResult result = uploadAndWait(sendEverything, showProgress);
    // No box follows (the D-Bus caller prints the result): follow the mouse again at once.
    resumeStatusThread();
    return result;
}

OperationResult ProfileOperations::uploadAndWait(bool sendEverything, bool showProgress)
{
    // The progress dialog is modal; a nested call (from a test's event loop) must not start a second
    // upload on the same handles.
    if (m_uploading)
        return OperationResult::done();
    m_uploading = true;
    const OperationResult result = MouseOperations::upload(m_host->mouseSession(), config(), sendEverything,
                                                           showProgress ? m_waiter : UploadWaiter());
    m_uploading = false;
    return result;
}

OperationResult ProfileOperations::switchMouseTo(int slot)
{
    if (m_uploading)
        return OperationResult::busy();
    m_uploading = true;
    // From the tray (a program's own slot, a D-Bus call) the upload runs without a progress dialog.
    const QWidget *parent = m_host->dialogParent();
    const OperationResult result = MouseOperations::switchSlot(m_host->mouseSession(), config(), slot,
                                                               parent && parent->isVisible() ? m_waiter : UploadWaiter());
    m_uploading = false;
    if (!result.ok())
        resumeStatusThread();
    return result;
}

void ProfileOperations::resumeStatusThread()
{
    // A failed upload leaves the status thread stopped; without it battery, sleep and the mouse's own
    // slot and stage changes go unseen. Running, or in another upload, it is left as it is.
    MouseSession &session = m_host->mouseSession();
    if (!m_uploading && session.link().CommandHandleOpen())
        session.statusControl().StartStatusThread();
}

quint8 ProfileOperations::applyToDevice(bool sendEverything)
{
    const OperationResult result = uploadAndWait(sendEverything, true);
    const quint8 status = result.device;
    // The answer to either box changes nothing.
    if (status == DeviceAsleep)
        ask(tr("Mouse is sleeping or not connected."));
    else if (status != 0)
        ask(tr("Send data failed, please try again."));
    else if (result.unconfirmed)
        notice(tr("The settings were sent, but the mouse did not confirm them."));
    // Once the user has read why, so that no report of the mouse's comes in under the box.
    resumeStatusThread();
    return status;
}

void ProfileOperations::apply()
{
    m_host->collectPageState();
    applyToDevice();
}

void ProfileOperations::ok()
{
    applyToDevice();
    m_host->hideWindow();
}

void ProfileOperations::cancel()
{
    m_host->hideWindow();
    selectProfileSlot(currentSlot(), true);
}

void ProfileOperations::showFailure(const OperationResult &result, int kind) const
{
    switch (result.code) {
    case OperationResult::Done:
    case OperationResult::DeviceFailed:
    case OperationResult::Busy:
    case OperationResult::BadValue: // only the D-Bus interface sets values by key
        break;
    case OperationResult::Refused:
        notice(importRefusal(result.path, ImportCheck::Kind(kind), SlotNames(config())));
        break;
    case OperationResult::OtherProduct:
        // A configuration of another product is passed over without a word.
        if (kind == ImportCheck::Profile)
            notice(tr("The file is not match current mouse!"));
        break;
    case OperationResult::NameUsed:
        notice(tr("Profile is Already Used!"));
        break;
    case OperationResult::NameExists:
        notice(tr("Profile Exist!"));
        break;
    case OperationResult::BadName:
        notice(tr("\"%1\" cannot name a profile file.").arg(result.name));
        break;
    case OperationResult::Unreadable:
        fileNotice(tr("The file \"%1\" could not be read."), result.path);
        break;
    case OperationResult::CannotWrite:
        fileNotice(tr("The file \"%1\" could not be written."), result.path);
        break;
    }
}

OperationResult ProfileOperations::exportProfileTo(int slot, const QString &path)
{
    return ProfileTransfers::exportProfile(config(), slot, path);
}

bool ProfileOperations::exportProfile()
{
    const QString path = Prompts().saveFileName(m_host->dialogParent(), tr("Save Profile File"), QString(),
                                                tr(ProfileFilter));
    if (path.isEmpty())
        return false;
    // The dialog has already asked before an existing file is replaced.
    const OperationResult result = exportProfileTo(currentSlot(), path);
    showFailure(result, ImportCheck::Profile);
    return result.ok();
}

OperationResult ProfileOperations::takeProfileFile(const QString &path)
{
    const OperationResult result = ProfileTransfers::importProfile(config(), path);
    if (!result.ok())
        return result;
    // The import wrote the list on disk; the list in memory follows it.
    m_host->libraryList().append(result.name);
    saveLibraryList();
    emit libraryChanged();
    m_host->refreshPages();
    emit slotChanged();
    return result;
}

bool ProfileOperations::importProfile()
{
    const QString path = Prompts().openFileName(m_host->dialogParent(), tr("Load Profile File"), QString(),
                                                tr(ProfileFilter));
    if (path.isEmpty())
        return false;
    const OperationResult result = takeProfileFile(path);
    if (!result.ok()) {
        showFailure(result, ImportCheck::Profile);
        return false;
    }
    applyToDevice();
    return true;
}

OperationResult ProfileOperations::exportConfigurationTo(const QString &path)
{
    return ProfileTransfers::exportConfig(config(), path);
}

bool ProfileOperations::saveConfiguration()
{
    const QString path
        = Prompts().saveFileName(m_host->dialogParent(), tr("Save Config File"), QString(), tr(ConfigFilter));
    if (path.isEmpty())
        return false;
    const OperationResult result = exportConfigurationTo(path);
    showFailure(result, ImportCheck::Configuration);
    return result.ok();
}

OperationResult ProfileOperations::takeConfigurationFile(const QString &path)
{
    const OperationResult result = ProfileTransfers::importConfig(config(), path);
    if (!result.ok())
        return result;
    m_host->showFirstTab();
    m_host->refreshPages();
    emit slotChanged();
    return result;
}

bool ProfileOperations::loadConfiguration()
{
    const QString path
        = Prompts().openFileName(m_host->dialogParent(), tr("Load Config File"), QString(), tr(ConfigFilter));
    if (path.isEmpty())
        return false;
    const OperationResult result = takeConfigurationFile(path);
    if (!result.ok()) {
        showFailure(result, ImportCheck::Configuration);
        return false;
    }
    applyToDevice();
    return true;
}
