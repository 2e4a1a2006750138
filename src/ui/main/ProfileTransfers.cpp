// ProfileOperations: uploads, the footer actions, and the profile and configuration files.
#include "ui/main/ProfileOperations.h"

#include "device/link/DeviceLink.h"
#include "device/session/MouseSession.h"
#include "device/upload/TarnProcessThread.h"
#include "platform/LogCategories.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"
#include "storage/ImportCheck.h"
#include "storage/ProfileFile.h"
#include "storage/ProfileLibrary.h"
#include "ui/main/ProfileHost.h"
#include "ui/widgets/UserPrompts.h"

#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

namespace {

const char *const ProfileFilter = QT_TRANSLATE_NOOP("ProfileOperations", "Profile File(*.prof)");
const char *const ConfigFilter = QT_TRANSLATE_NOOP("ProfileOperations", "Config File(*.conf)");

bool readable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

// What is wrong with a file an import was given, as a sentence for a box; empty when it may be read.
QString importRefusal(const QString &path, ImportCheck::Kind kind)
{
    const ImportCheck check(path, kind);
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

quint8 ProfileOperations::applyToDevice(bool sendEverything)
{
    // The progress dialog is modal; a nested call (from a test's event loop) must not start a second
    // upload on the same handles.
    if (m_uploading)
        return 0;
    m_uploading = true;
    DeviceUpload &upload = m_host->mouseSession().upload();
    upload.state().UploadSnapshot() = config();
    TarnProcessThread thread(upload);
    thread.setSendEverything(sendEverything);
    thread.start(QThread::InheritPriority);
    if (m_waiter) {
        m_waiter(thread);
    } else {
        QEventLoop loop;
        connect(&thread, &QThread::finished, &loop, &QEventLoop::quit);
        if (!thread.isFinished())
            loop.exec();
    }
    thread.wait();
    m_uploading = false;

    const quint8 status = thread.status();
    // The answer to either box changes nothing.
    if (status == DeviceAsleep)
        ask(tr("Mouse is sleeping or not connected."));
    else if (status != 0)
        ask(tr("Send data failed, please try again."));
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

bool ProfileOperations::exportProfile()
{
    const QString path = Prompts().saveFileName(m_host->dialogParent(), tr("Save Profile File"), QString(),
                                                tr(ProfileFilter));
    if (path.isEmpty())
        return false;
    const QString name = currentName();
    // The dialog has already asked before an existing file is replaced.
    if (ExportSlotProfile(name, path))
        return true;
    if (!readable(SlotProfileFile(name)))
        fileNotice(tr("The file \"%1\" could not be read."), SlotProfileFile(name));
    else
        fileNotice(tr("The file \"%1\" could not be written."), path);
    return false;
}

bool ProfileOperations::importProfile()
{
    const QString path = Prompts().openFileName(m_host->dialogParent(), tr("Load Profile File"), QString(),
                                                tr(ProfileFilter));
    if (path.isEmpty())
        return false;
    // A damaged or cut-off file is refused whole, before anything is copied or loaded.
    const QString refusal = importRefusal(path, ImportCheck::Profile);
    if (!refusal.isEmpty()) {
        notice(refusal);
        return false;
    }
    if (FileOwner(path) != CurrentProduct()) {
        notice(tr("The file is not match current mouse!"));
        return false;
    }
    const QString baseName = QFileInfo(path).completeBaseName();
    qCDebug(lcUi) << "Import profile" << baseName;
    // Two slots of one name would share one file and overwrite each other.
    if (otherSlotNames().contains(baseName)) {
        notice(tr("Profile is Already Used!"));
        return false;
    }
    QString name;
    switch (ImportLibraryProfile(path, name)) {
    case ProfileImport::Imported:
        break;
    case ProfileImport::Damaged:
        notice(importRefusal(path, ImportCheck::Profile));
        return false;
    case ProfileImport::OtherProduct:
        notice(tr("The file is not match current mouse!"));
        return false;
    case ProfileImport::Exists:
        notice(tr("Profile Exist!"));
        return false;
    case ProfileImport::BadName:
        notice(tr("\"%1\" cannot name a profile file.").arg(name));
        return false;
    case ProfileImport::Unreadable:
        fileNotice(tr("The file \"%1\" could not be read."), path);
        return false;
    case ProfileImport::Failed:
        fileNotice(tr("The file \"%1\" could not be written."), LibraryProfileFile(name));
        return false;
    }
    // The import wrote the list on disk; the list in memory follows it.
    m_host->libraryList().append(name);
    saveLibraryList();
    emit libraryChanged();
    loadIntoCurrentSlot(name);
    applyToDevice();
    return true;
}

bool ProfileOperations::saveConfiguration()
{
    const QString path
        = Prompts().saveFileName(m_host->dialogParent(), tr("Save Config File"), QString(), tr(ConfigFilter));
    if (path.isEmpty())
        return false;
    if (!ExportConfigStamped(config(), path, CurrentProduct())) {
        fileNotice(tr("The file \"%1\" could not be written."), path);
        return false;
    }
    return true;
}

bool ProfileOperations::loadConfiguration()
{
    const QString path
        = Prompts().openFileName(m_host->dialogParent(), tr("Load Config File"), QString(), tr(ConfigFilter));
    if (path.isEmpty())
        return false;
    // A damaged or cut-off file is refused whole, before anything is taken from it.
    const QString refusal = importRefusal(path, ImportCheck::Configuration);
    if (!refusal.isEmpty()) {
        notice(refusal);
        return false;
    }
    // A file of another product is passed over without a word.
    if (FileOwner(path) != CurrentProduct())
        return false;
    if (!ImportConfig(config(), path)) {
        // Only a file changed since the check gets here.
        fileNotice(tr("The file \"%1\" could not be read."), path);
        return false;
    }
    m_host->showFirstTab();
    m_host->refreshPages();
    emit slotChanged();
    applyToDevice();
    return true;
}
