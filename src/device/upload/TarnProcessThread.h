#pragma once

#include <QString>
#include <QThread>

#include <atomic>
#include <climits>
#include <mutex>

class DeviceUpload;

// Runs one upload of the upload state's snapshot to the mouse and reports when it is done.
class TarnProcessThread : public QThread
{
    Q_OBJECT
public:
    // Uploads through `upload`, which must outlive the run.
    explicit TarnProcessThread(DeviceUpload &upload, QObject *parent = nullptr);

    // The upload's result: 0 success, 5 mouse asleep, otherwise the transport's code.
    quint8 status() const { return m_status.load(); }
    // Sends every group, whatever changed (set before start).
    void setSendEverything(bool all) { m_sendEverything = all; }
    // The first settings file the run could not write (empty: every save succeeded). Read after the end.
    QString saveFailure() const { return m_saveFailure; }
    // Makes a run that has not started yet do nothing.
    void requestStop() { m_stop = true; }
    // QThread::wait(), then the lock the run held: QThread::wait() returns through Qt's own lock,
    // which ThreadSanitizer cannot see, and the end of the run would look unordered with what follows.
    bool wait(unsigned long time = ULONG_MAX);

signals:
    // Emitted once at the end of every run that was not stopped.
    void DoProcessDlg();

protected:
    void run() override;

private:
    // The upload itself: saves, then writes what changed.
    void upload();

    DeviceUpload &m_upload;
    std::atomic<quint8> m_status { 0 };
    std::atomic<bool> m_sendEverything { false };
    std::atomic<bool> m_stop { false };
    QString m_saveFailure;
    std::mutex m_running; // held by run() from its start to its end
};
