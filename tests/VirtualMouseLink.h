#pragma once

#include "TestAppDir.h"
#include "device/link/DeviceLink.h"
#include "device/session/MouseSession.h"
#include "storage/AppSettings.h"
#include "virtualmouse/VirtualMouse.h"

#include <QByteArray>

// An installed program folder and a session of its own with a virtual mouse as the HID backend: the
// device table is built and enumerated and the current product's device is open.
class VirtualMouseLink
{
public:
    VirtualMouseLink(bool receiver, bool cable)
        : mouse(receiver, cable)
        , session(&mouse)
    {
        device().BuildDeviceTable();
        device().EnumerateDevices();
        device().OpenDevice(CurrentProduct().toLatin1().constData());
    }

    // The session's device link.
    DeviceLink &device() { return session.link(); }
    // SendReport on a frame built by requestFrame.
    quint8 send(const QByteArray &frame)
    {
        return device().SendReport(reinterpret_cast<const quint8 *>(frame.constData()), frame.size());
    }

    TestAppDir dir { TestAppDir::Installed };
    VirtualMouse mouse;
    // Declared after the mouse: it closes its handles before the mouse goes.
    MouseSession session;
};

// A 33-byte request as callers build it: checksum left at 0.
inline QByteArray requestFrame(quint8 command, quint8 parameter1 = 0, quint8 parameter2 = 0,
                               const QByteArray &payload = QByteArray(), quint8 chunkType = 0)
{
    QByteArray frame(ReportLength, '\0');
    frame[0] = char(ReportId);
    frame[2] = char(ReportMarker);
    frame[3] = char(command);
    frame[4] = char(parameter1);
    frame[5] = char(parameter2);
    frame[6] = char(payload.size());
    frame[7] = char(chunkType);
    frame.replace(8, payload.size(), payload);
    return frame;
}

// The same frame as it goes on the wire, checksum filled in.
inline QByteArray wireFrame(QByteArray frame)
{
    frame[1] = char(ReportChecksum(reinterpret_cast<const quint8 *>(frame.constData())));
    return frame;
}
