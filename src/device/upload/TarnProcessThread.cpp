#include "device/upload/TarnProcessThread.h"

#include "device/link/DeviceLink.h"
#include "device/upload/CommandSet.h"
#include "device/upload/UploadThreadState.h"
#include "platform/LogCategories.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/UploadCut.h"

#include <QDebug>

TarnProcessThread::TarnProcessThread(QObject *parent)
    : QThread(parent)
{ }

void TarnProcessThread::run()
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
    const ConfigData &snapshot = UploadSnapshot();
    save(SaveConfig(snapshot, &failed), failed);
    if (MouseAsleep()) {
        m_status = DeviceAsleep;
        emit DoProcessDlg();
        return;
    }

    m_status = ReportOk;
    int groups = ChangedGroups(snapshot, LastSentConfig());
    if (LoadDiff() == 1 || m_sendEverything) {
        groups = AllGroups;
    } else if (groups == 0) {
        emit DoProcessDlg();
        return;
    }

    save(SaveConfig(snapshot, &failed), failed);
    m_status = WriteProfileToDevice(snapshot, groups);
    LastSentConfig() = snapshot;
    save(SaveDiff(m_status != ReportOk ? 1 : 0), AppPaths::globalConfigFile());
    save(SaveUploadCut(m_status != ReportOk), AppPaths::globalConfigFile());
    emit DoProcessDlg();
}
