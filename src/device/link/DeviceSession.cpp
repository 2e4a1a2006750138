#include "device/link/DeviceSession.h"

#include "device/link/DeviceLink.h"
#include "device/link/StatusThreadControl.h"
#include "platform/DeviceNoticeSource.h"
#include "storage/AppSettings.h"

#include <QThread>
#include <QTimer>

namespace {
// Time for a receiver or cable that has just come or gone to settle before it is opened again.
constexpr int ReconnectPauseMs = 500;
// Delay between the first complete arrival and opening the device.
constexpr int FirstArrivalDelayMs = 200;
// How often a mouse the user may not open is tried again: a rule applied with "udevadm trigger"
// changes the nodes' permissions without any hot-plug notice.
constexpr int AccessRetryMs = 2000;
} // namespace

DeviceSession::DeviceSession(DeviceLink &link, StatusThreadControl &status, DeviceNoticeSource *notices,
                             QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_status(status)
{
    m_accessRetry = new QTimer(this);
    m_accessRetry->setInterval(AccessRetryMs);
    connect(m_accessRetry, &QTimer::timeout, this, &DeviceSession::retryAccess);
    m_link.BuildDeviceTable();
    m_link.EnumerateDevices();
    m_connectedCount = m_link.ConnectedDeviceCount();
    if (notices) {
        // A child is deleted after this object's destructor has closed the handles it may own.
        notices->setParent(this);
        connect(notices, &DeviceNoticeSource::deviceChanged, this, &DeviceSession::handleNotice);
    }
}

DeviceSession::~DeviceSession()
{
    m_link.CloseDevice();
    m_link.ExitHid();
}

void DeviceSession::openCurrentDevice()
{
    m_link.OpenDevice(CurrentProduct().toLatin1().constData());
    if (noteAccess())
        emit accessRefused();
}

bool DeviceSession::noteAccess()
{
    const bool wasDenied = m_accessDenied;
    m_accessDenied = !m_link.DeniedDeviceNodes().isEmpty();
    if (m_accessDenied)
        m_accessRetry->start();
    else
        m_accessRetry->stop();
    return m_accessDenied && !wasDenied;
}

void DeviceSession::retryAccess()
{
    if (!m_accessDenied || m_link.CommandHandleOpen())
        return;
    m_status.StopStatusThread();
    m_link.CloseDevice();
    openCurrentDevice();
    if (!m_link.CommandHandleOpen())
        return;
    m_status.StartStatusThread();
    emit deviceReady();
    emit devicesChanged();
}

void DeviceSession::handleNotice(const QString &interfaceName, bool arrived)
{
    const int connectedBefore = m_connectedCount;
    const DeviceChange change = m_link.HandleDeviceChange(interfaceName.mid(4), arrived ? 1 : 0);
    if (!change.matched)
        return;
    m_connectedCount = m_link.ConnectedDeviceCount();

    if (change.completed) {
        if (connectedBefore > 0)
            reopen(0);
        else
            QTimer::singleShot(FirstArrivalDelayMs, this, &DeviceSession::openAfterFirstArrival);
    } else if (change.gone) {
        if (m_connectedCount == 0) {
            m_accessDenied = false;
            m_accessRetry->stop();
        }
        if (m_connectedCount > 0) {
            reopen(0);
            emit deviceReady();
        } else {
            m_status.StopStatusThread();
            m_link.CloseDevice();
            emit deviceLost();
        }
    } else if (change.reconnect) {
        reopen(ReconnectPauseMs);
    }
    emit devicesChanged();
}

void DeviceSession::reopenDevice()
{
    if (m_connectedCount > 0)
        reopen(0);
}

void DeviceSession::reopen(int pauseMs)
{
    m_status.StopStatusThread();
    m_link.CloseDevice();
    if (pauseMs > 0)
        QThread::msleep(pauseMs);
    openCurrentDevice();
    m_status.StartStatusThread();
}

void DeviceSession::openAfterFirstArrival()
{
    // The mouse may have gone again during the delay.
    if (m_connectedCount == 0)
        return;
    // A status thread started by an earlier reopen may still read the handles about to close.
    m_status.StopStatusThread();
    m_link.CloseDevice();
    openCurrentDevice();
    m_status.StartStatusThread();
    // A mouse that may not be opened has said so (accessRefused); it is not ready.
    if (!m_accessDenied)
        emit deviceReady();
}
