#pragma once

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
    // Runs threads on `link` that record into `upload`; installs itself in `control`.
    StatusThreadRunner(DeviceLink &link, UploadState &upload, StatusThreadControl &control,
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
    // A battery report: charge byte, reading low and high byte (all 0: the mouse is off).
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    // A status report sent by the mouse itself: profile, DPI stage, polling-rate code, mode.
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    // The status byte of a battery report that carried a reading.
    void RefreshWriteStatus(quint8 iStatus);

private:
    DeviceLink &m_link;
    UploadState &m_upload;
    StatusThreadControl &m_control;
    mutable std::mutex m_mutex;
    TarnGetBatteryThread *m_thread = nullptr;
};
