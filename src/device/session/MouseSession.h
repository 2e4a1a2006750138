#pragma once

#include "device/link/DeviceLink.h"
#include "device/link/StatusThreadControl.h"
#include "device/upload/DeviceUpload.h"
#include "storage/Product.h"

#include <memory>

class HidBackend;
class StatusThreadRunner;

// Everything one program keeps about its mouse: the product it is, the device link (table, handles, HID backend), the
// upload state and command set, and the background status thread. Each program's main creates one
// and hands it (or the one part a class needs) to whoever talks to the mouse.
//
// Threads: a session made WithStatusThread owns the status runner; the window starts it once its
// device is open, the hot-plug handling (DeviceSession) and every upload stop and start it through
// statusControl(), and this object stops it before the link closes. A session without one (the
// command-line tool, most tests) polls nothing: the uploads' stop and start do nothing. Uploads run
// on a TarnProcessThread their caller starts and waits for.
class MouseSession
{
public:
    // Whether the session polls the mouse in the background.
    enum StatusThread { NoStatusThread, WithStatusThread };

    // Talks through `backend` (null: the system hidapi), which must outlive the session's use of it.
    // Reads the product definition and the installation data once, here.
    explicit MouseSession(HidBackend *backend = nullptr, StatusThread status = NoStatusThread);
    // Stops the status thread, then closes the handles.
    ~MouseSession();
    MouseSession(const MouseSession &) = delete;
    MouseSession &operator=(const MouseSession &) = delete;

    // What the installation knows of its mouse, read when the session started.
    const Product &product() const { return m_product; }
    // The device table, handles and report transport.
    DeviceLink &link() { return m_link; }
    // The hooks through which uploads and hot-plug handling pause the status thread.
    StatusThreadControl &statusControl() { return m_statusControl; }
    // The command set, the upload state and the upload of a snapshot.
    DeviceUpload &upload() { return m_upload; }
    // The status thread's owner, whose signals carry the mouse's reports; null without a status thread.
    StatusThreadRunner *statusRunner() { return m_statusRunner.get(); }

private:
    const Product m_product;
    DeviceLink m_link;
    StatusThreadControl m_statusControl;
    DeviceUpload m_upload;
    std::unique_ptr<StatusThreadRunner> m_statusRunner;
};
