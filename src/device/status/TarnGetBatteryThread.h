#pragma once

#include "device/status/BatteryReport.h"
#include "device/status/StatusReport.h"

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>

class DeviceLink;
class UploadState;

// Asks the mouse for its battery state about every 28 s and listens in between for the battery
// and status reports it sends; passes them on as signals. Runs while a device is open.
class TarnGetBatteryThread : public QThread
{
    Q_OBJECT
public:
    // Talks through `link`; records the device type byte of battery reports in `upload`. Battery
    // levels are worked out against `fullMillivolts` ("Config/BatteryFull").
    TarnGetBatteryThread(DeviceLink &link, UploadState &upload, int fullMillivolts, QObject *parent = nullptr);

    // Asks the loop to end at its next check; pauses end at once.
    void requestStop();
    // Asks the loop to end and waits until the thread has left the device handles.
    void stopAndWait();

signals:
    // A battery report; an asleep one also when the query got no answer.
    void RefreshBatteryStatus(const BatteryReport &report);
    // A status report sent by the mouse itself.
    void RefreshStatus(const StatusReport &report);
    // The write status of a battery report of a mouse that is awake.
    void RefreshWriteStatus(quint8 iStatus);

protected:
    void run() override;

private:
    void handleBatteryReport(const quint8 *reply);
    // Sleeps `ms` milliseconds unless a stop is requested meanwhile.
    void pause(int ms);

    DeviceLink &m_link;
    UploadState &m_upload;
    const int m_fullMillivolts;
    std::atomic<bool> m_stop { false };
    std::mutex m_pauseMutex;
    std::condition_variable m_pauseCondition;
};
