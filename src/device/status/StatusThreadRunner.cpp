#include "device/status/StatusThreadRunner.h"

#include "device/link/StatusThreadControl.h"
#include "device/status/TarnGetBatteryThread.h"

#include <QThread>

StatusThreadRunner::StatusThreadRunner(DeviceLink &link, UploadState &upload, StatusThreadControl &control,
                                       int fullMillivolts, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_upload(upload)
    , m_control(control)
    , m_fullMillivolts(fullMillivolts)
{
    m_control.SetStatusThreadControl([this] { stop(); }, [this] { start(); });
}

StatusThreadRunner::~StatusThreadRunner()
{
    m_control.SetStatusThreadControl(nullptr, nullptr);
    stop();
}

void StatusThreadRunner::start()
{
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, &StatusThreadRunner::start, Qt::QueuedConnection);
        return;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    // A thread that found no command handle has ended on its own; it must not block a new one.
    if (m_thread && m_thread->isFinished()) {
        delete m_thread;
        m_thread = nullptr;
    }
    if (m_thread)
        return;
    m_thread = new TarnGetBatteryThread(m_link, m_upload, m_fullMillivolts);
    connect(m_thread, &TarnGetBatteryThread::RefreshBatteryStatus, this,
            &StatusThreadRunner::RefreshBatteryStatus);
    connect(m_thread, &TarnGetBatteryThread::RefreshStatus, this, &StatusThreadRunner::RefreshStatus);
    connect(m_thread, &TarnGetBatteryThread::RefreshWriteStatus, this,
            &StatusThreadRunner::RefreshWriteStatus);
    m_thread->start(QThread::InheritPriority);
}

void StatusThreadRunner::stop()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_thread)
        return;
    m_thread->stopAndWait();
    // The thread object belongs to our thread; from another one (the upload) it is freed there.
    if (QThread::currentThread() == thread())
        delete m_thread;
    else
        m_thread->deleteLater();
    m_thread = nullptr;
}

bool StatusThreadRunner::isRunning() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_thread != nullptr;
}
