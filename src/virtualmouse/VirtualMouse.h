#pragma once

#include "device/link/HidBackend.h"
#include "platform/DeviceNoticeSource.h"
#include "virtualmouse/VirtualFirmware.h"

#include <QDeadlineTimer>
#include <QList>

#include <condition_variable>
#include <functional>
#include <mutex>

// A simulated mouse behind its receiver and its cable, usable as the HID backend
// of a session's device link, with a timeline of scheduled events. Each plugged link presents four
// collections: mouse (col01), keyboard, consumer control and command (col04). Reports written to a command
// collection go to the firmware model; its replies are read back from the same link. Thread-safe; nothing
// sleeps except a read waiting for a reply (at most its time-out) and the simulated latency.
class VirtualMouseTimeline;

class VirtualMouse : public DeviceNoticeSource, public HidBackend
{
    Q_OBJECT
public:
    enum Link { Receiver = 0, Cable = 1 };
    // A fault count that never runs out.
    static constexpr int Unlimited = VirtualFirmware::Unlimited;
    // Collections per link; collection 1 is the mouse, 4 the command collection.
    static constexpr int CollectionCount = 4;

    // A mouse with the USB ids of the product definition in use, with the given links plugged.
    VirtualMouse(bool receiverPlugged, bool cablePlugged, QObject *parent = nullptr);
    // The device link that uses it must have closed its handles (or ended) first.
    ~VirtualMouse() override;

    // The USB ids a link presents.
    void setUsbIds(Link link, quint16 vendorId, quint16 productId);
    // The USB release number a link presents.
    void setReleaseNumber(Link link, quint16 release);
    // The path of collection `index` (1 to 4) of a link, as enumeration lists it.
    QByteArray path(Link link, int index) const;
    // The notice name of collection `index` of a link ("\\?\HID#VID_...").
    QString interfaceName(Link link, int index) const;

    // Every report written to a command collection (bad ones included), in order.
    QList<QByteArray> reports() const;
    // The reports written through one link.
    QList<QByteArray> reports(Link link) const;
    // Forgets the reports received so far.
    void clearReports();
    // The device memory of block command 0x01 to 0x05.
    QByteArray memory(quint8 command) const;
    // The profile last chosen by command 0x44.
    quint8 selectedProfile() const;
    // The on-board slot the mouse has current (last general block or select command).
    quint8 onBoardSlot() const;
    // What on-board slot `slot` holds of the DPI (0x02), button (0x03) or lighting (0x04) block.
    QByteArray slotMemory(quint8 slot, quint8 command) const;
    // Number of handles open on a link.
    int openHandles(Link link) const;

    // The battery report's values.
    void setBattery(const VirtualBattery &battery);
    // The battery report's charge byte and reading, the other values kept.
    void setBatteryReading(quint8 charge, quint8 low, quint8 high);
    // A sleeping mouse answers nothing but the battery query, with zeros.
    void setAsleep(bool asleep);
    // Queues a status report 0x49 on the cable if plugged, else the receiver; the next read returns it.
    void sendStatusReport(quint8 profile, quint8 dpiStage, quint8 rate, quint8 mode);
    // Queues any report the same way, as a mouse that answers something unexpected.
    void injectReport(const QByteArray &report);

    // Pulls a link out: its handles fail from now on; removal notices for its four collections.
    void unplug(Link link);
    // Plugs a link in; arrival notices for its four collections.
    void plug(Link link);
    // True while a link is plugged.
    bool isPlugged(Link link) const;
    // While denied, the links enumerate but every open fails with EACCES, as hidraw nodes that
    // belong to another user do.
    void setAccessDenied(bool denied);
    // Access given, as a udev rule does: the plugged links are announced gone and back, as the
    // re-plug after installing the rule does.
    void grantAccess();

    // Faults: the next n reports are lost (silence), the next n echoes are wrong in their header or
    // payload, the next n reads or writes fail; Unlimited for always.
    void setSilence(int reports);
    void setWrongHeaderEchoes(int count);
    void setWrongPayloadEchoes(int count);
    void setReadErrors(int count);
    void setWriteErrors(int count);
    // Time from a report written to its reply being readable.
    void setLatency(int milliseconds);
    // The answer to every read of a command handle, given the last report written to that link.
    using ReplySource = std::function<int(const QByteArray &lastWritten, quint8 *data, int length)>;
    // Reads of a command handle answered by `source` (its result as hid_read_timeout gives it)
    // instead of the firmware, whose replies are then dropped; null restores the firmware. For a
    // fuzzer that answers from its data; `source` must not call back into the mouse.
    void setReplySource(ReplySource source);
    // Events scheduled from the first init() on (see VirtualMouseTimeline).
    VirtualMouseTimeline *timeline() const { return m_timeline; }

    int init() override;
    int exit() override;
    QVector<HidDeviceRecord> enumerate(quint16 vendorId, quint16 productId) override;
    HidDevice *openPath(const char *path) override;
    void close(HidDevice *device) override;
    int write(HidDevice *device, const quint8 *data, int length) override;
    int readTimeout(HidDevice *device, quint8 *data, int length, int milliseconds) override;
    quint16 releaseNumber(const char *path) override;

private:
    struct Pending
    {
        QByteArray report;
        QDeadlineTimer readyAt;
    };
    struct LinkState
    {
        bool plugged = false;
        quint64 generation = 0; // bumped by unplug: older handles are dead
        quint16 vendorId = 0;
        quint16 productId = 0;
        quint16 release = 0;
        int openHandles = 0;
        QList<Pending> replies;
    };
    struct Received
    {
        Link link;
        QByteArray report;
    };

    int linkOfPath(const QByteArray &path, int *index) const;
    void queueReply(Link link, const QByteArray &report);
    void announce(Link link, bool arrived);

    // Standard primitives, so that ThreadSanitizer can follow them.
    mutable std::mutex m_mutex;
    std::condition_variable m_replyQueued;
    LinkState m_links[2];
    VirtualFirmware m_firmware;
    QList<Received> m_received;
    int m_readErrors = 0;
    int m_writeErrors = 0;
    int m_latencyMs = 0;
    bool m_accessDenied = false;
    ReplySource m_replySource;
    VirtualMouseTimeline *m_timeline;
};
