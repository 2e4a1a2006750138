#include "device/upload/TarnProcessThread.h"

#include "device/upload/CommandSet.h"
#include "device/link/DeviceLink.h"
#include "device/upload/UploadThreadState.h"
#include "storage/AppSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"

#include <QDebug>

TarnProcessThread::TarnProcessThread(QObject *parent)
    : QThread(parent)
{ }

void TarnProcessThread::run()
{
    if (m_stop) {
        qDebug("isStop.\n");
        return;
    }
    const ConfigData &snapshot = UploadSnapshot();
    SaveConfig(snapshot);
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

    SaveConfig(snapshot);
    m_status = WriteProfileToDevice(snapshot, groups);
    LastSentConfig() = snapshot;
    SaveDiff(m_status != ReportOk ? 1 : 0);
    emit DoProcessDlg();
}
