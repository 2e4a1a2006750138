#include "device/upload/TarnProcessThread.h"

#include "device/link/DeviceLink.h"
#include "device/upload/DeviceUpload.h"
#include "platform/LogCategories.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/UploadCut.h"
#include "storage/UploadSlots.h"

#include <QDebug>

TarnProcessThread::TarnProcessThread(DeviceUpload &upload, QObject *parent)
    : QThread(parent)
    , m_upload(upload)
{ }

bool TarnProcessThread::wait(unsigned long time)
{
    if (!QThread::wait(time))
        return false;
    std::lock_guard<std::mutex> ended(m_running);
    return true;
}

void TarnProcessThread::run()
{
    std::lock_guard<std::mutex> running(m_running);
    upload();
}

void TarnProcessThread::upload()
{
    if (m_stop) {
        qCDebug(lcUpload, "isStop.");
        return;
    }
    m_saveFailure.clear();
    QString failed;
    const auto save = [this](bool ok, const QString &file) {
        if (!ok && m_saveFailure.isEmpty())
            m_saveFailure = file;
    };
    UploadState &state = m_upload.state();
    const ConfigData &snapshot = state.UploadSnapshot();
    save(SaveConfig(snapshot, &failed), failed);
    if (state.MouseAsleep()) {
        m_status = DeviceAsleep;
        emit DoProcessDlg();
        return;
    }

    m_status = ReportOk;
    int groups = ChangedGroups(snapshot, state.LastSentConfig());
    const int slot = UploadSlot(snapshot);
    // A slot changed while another was current has never reached the mouse: send all of it.
    const bool slotUnsent = UnsentSlots() & (1 << slot);
    if (LoadDiff() == 1 || m_sendEverything || slotUnsent) {
        groups = AllGroups;
    } else if (groups == 0) {
        emit DoProcessDlg();
        return;
    }

    save(SaveConfig(snapshot, &failed), failed);
    m_status = m_upload.WriteProfileToDevice(snapshot, groups);
    state.LastSentConfig() = snapshot;
    save(SaveDiff(m_status != ReportOk ? 1 : 0), AppPaths::globalConfigFile());
    save(SaveUploadCut(m_status != ReportOk), AppPaths::globalConfigFile());
    if (m_status == ReportOk && slotUnsent)
        save(ClearSlotUnsent(slot), AppPaths::globalConfigFile());
    emit DoProcessDlg();
}
