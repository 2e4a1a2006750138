#pragma once

#include <QObject>

// Something that reports HID interfaces arriving and leaving: the udev monitor of hidraw nodes, or
// the virtual mouse.
class DeviceNoticeSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // An interface arrived (true) or was removed (false); the name is Windows-style ("\\?\HID#VID_...").
    void deviceChanged(const QString &interfaceName, bool arrived);
};
