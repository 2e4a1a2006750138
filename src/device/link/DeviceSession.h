#pragma once

#include <QObject>

class DeviceLink;
class DeviceNoticeSource;
class StatusThreadControl;
class QTimer;

// The GUI thread's side of the device link: builds the table, enumerates, opens the current
// product's device and follows hot-plug notices, stopping and starting the status thread around
// every close and reopen of the handles (StatusThreadControl).
class DeviceSession : public QObject
{
    Q_OBJECT
public:
    // Builds the table of `link` and enumerates; follows the notices of `notices` and takes it over;
    // pauses the status thread through `status` around every close and reopen.
    DeviceSession(DeviceLink &link, StatusThreadControl &status, DeviceNoticeSource *notices,
                  QObject *parent = nullptr);
    // Closes the device and ends the HID library (before the notice source goes).
    ~DeviceSession() override;

    // Number of table entries with a complete receiver or cable.
    int connectedCount() const { return m_connectedCount; }
    // Opens the device of the current product ("Config/CurrentProductName"). When the user may not
    // open it, tries again every few seconds until that succeeds (a rule installed and applied).
    void openCurrentDevice();
    // Opens the current product's device afresh (handles may not survive a suspend) and restarts the
    // status thread, which asks for the battery at once; nothing when no mouse is connected.
    void reopenDevice();
    // True while the current product is present but may not be opened (DeniedDeviceNodes()).
    bool accessDenied() const { return m_accessDenied; }

public slots:
    // Applies one notice; `interfaceName` is the full name, "\\?\" prefix included.
    void handleNotice(const QString &interfaceName, bool arrived);

signals:
    // A notice changed the table (the window refreshes its connection state and model menu).
    void devicesChanged();
    // A device was opened after no mouse or the current one had been connected.
    void deviceReady();
    // The last mouse went away; the handles are closed.
    void deviceLost();
    // The mouse is present, but opening it was refused for lack of permission.
    void accessRefused();

private:
    void reopen(int pauseMs);
    void openAfterFirstArrival();
    void retryAccess();
    bool noteAccess();

    DeviceLink &m_link;
    StatusThreadControl &m_status;
    int m_connectedCount = 0;
    bool m_accessDenied = false;
    QTimer *m_accessRetry = nullptr;
};
