#pragma once

#include "device/status/BatteryReport.h"
#include "device/status/StatusReport.h"

#include <QObject>

#include <mutex>

class DeviceLink;
class StatusThreadControl;
class TarnGetBatteryThread;
class UploadState;

// Owns the background status thread: starts a fresh one on request, and stops it by joining it and
// freeing it, so that no handle is closed while it reads. Installs itself in the session's status
// thread control, and passes the thread's reports on as its own signals.
class StatusThreadRunner : public QObject
{
    Q_OBJECT
public:
    // Runs threads on `link` that record into `upload`, with battery levels against `fullMillivolts`;
    // installs itself in `control`.
    StatusThreadRunner(DeviceLink &link, UploadState &upload, StatusThreadControl &control, int fullMillivolts,
                       QObject *parent = nullptr);
    // Stops the thread and uninstalls the control.
    ~StatusThreadRunner() override;

    // Starts a new status thread unless one runs; from another thread the start is queued to ours.
    void start();
    // Stops the status thread and returns once it has ended; callable from any thread.
    void stop();
    // True while a status thread exists.
    bool isRunning() const;

signals:
    // A battery report; an asleep one also when the query got no answer.
    void RefreshBatteryStatus(const BatteryReport &report);
    // A status report sent by the mouse itself.
    void RefreshStatus(const StatusReport &report);
    // The write status of a battery report of a mouse that is awake.
    void RefreshWriteStatus(quint8 iStatus);

private:
    DeviceLink &m_link;
    UploadState &m_upload;
    StatusThreadControl &m_control;
    const int m_fullMillivolts;
    mutable std::mutex m_mutex;
    TarnGetBatteryThread *m_thread = nullptr;
};
