#pragma once

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
    // Talks through `link`; records the device type byte of battery reports in `upload`.
    TarnGetBatteryThread(DeviceLink &link, UploadState &upload, QObject *parent = nullptr);

    // Asks the loop to end at its next check; pauses end at once.
    void requestStop();
    // Asks the loop to end and waits until the thread has left the device handles.
    void stopAndWait();

signals:
    // A battery report: charge byte, battery reading low and high byte (all 0: the mouse is off).
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    // A status report sent by the mouse itself: profile, DPI stage, polling-rate code, mode.
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    // The status byte of a battery report that carried a reading.
    void RefreshWriteStatus(quint8 iStatus);

protected:
    void run() override;

private:
    void handleBatteryReport(const quint8 *reply);
    // Sleeps `ms` milliseconds unless a stop is requested meanwhile.
    void pause(int ms);

    DeviceLink &m_link;
    UploadState &m_upload;
    std::atomic<bool> m_stop { false };
    std::mutex m_pauseMutex;
    std::condition_variable m_pauseCondition;
};
