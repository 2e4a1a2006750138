#include "virtualmouse/VirtualMouse.h"

#include "storage/Product.h"
#include "virtualmouse/VirtualMouseTimeline.h"

namespace {

const char *linkName(VirtualMouse::Link link)
{
    return link == VirtualMouse::Receiver ? "receiver" : "cable";
}

} // namespace

VirtualMouse::VirtualMouse(bool receiverPlugged, bool cablePlugged, QObject *parent)
    : DeviceNoticeSource(parent)
    , m_timeline(new VirtualMouseTimeline(this))
{
    // The ids the installation's product definition names.
    const Product product = Product::load();
    const int vid1 = product.receiverVid, pid1 = product.receiverPid;
    const int vid2 = product.cableVid, pid2 = product.cablePid;
    setUsbIds(Receiver, quint16(vid1), quint16(pid1));
    setUsbIds(Cable, quint16(vid2), quint16(pid2));
    setReleaseNumber(Receiver, 0x0102);
    setReleaseNumber(Cable, 0x0105);
    m_links[Receiver].plugged = receiverPlugged;
    m_links[Cable].plugged = cablePlugged;
}

VirtualMouse::~VirtualMouse() = default;

void VirtualMouse::setUsbIds(Link link, quint16 vendorId, quint16 productId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_links[link].vendorId = vendorId;
    m_links[link].productId = productId;
}

void VirtualMouse::setReleaseNumber(Link link, quint16 release)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_links[link].release = release;
}

QByteArray VirtualMouse::path(Link link, int index) const
{
    // Lower case, as hidapi gives paths; notices use upper case (see interfaceName).
    return interfaceName(link, index).toLower().toLatin1();
}

QString VirtualMouse::interfaceName(Link link, int index) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return QStringLiteral("\\\\?\\HID#VID_%1&PID_%2&MI_00&Col%3#virtual-%4")
        .arg(QString::number(m_links[link].vendorId, 16).toUpper().rightJustified(4, QLatin1Char('0')))
        .arg(QString::number(m_links[link].productId, 16).toUpper().rightJustified(4, QLatin1Char('0')))
        .arg(index, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(linkName(link)));
}

QList<QByteArray> VirtualMouse::reports() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<QByteArray> all;
    for (const Received &received : m_received)
        all.append(received.report);
    return all;
}

QList<QByteArray> VirtualMouse::reports(Link link) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<QByteArray> ofLink;
    for (const Received &received : m_received) {
        if (received.link == link)
            ofLink.append(received.report);
    }
    return ofLink;
}

void VirtualMouse::clearReports()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_received.clear();
}

QByteArray VirtualMouse::memory(quint8 command) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmware.memory(command);
}

quint8 VirtualMouse::selectedProfile() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmware.selectedProfile();
}

quint8 VirtualMouse::onBoardSlot() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmware.onBoardSlot();
}

QByteArray VirtualMouse::slotMemory(quint8 slot, quint8 command) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmware.slotMemory(slot, command);
}

int VirtualMouse::openHandles(Link link) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_links[link].openHandles;
}

void VirtualMouse::setBattery(const VirtualBattery &battery)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmware.battery = battery;
}

void VirtualMouse::setBatteryReading(quint8 charge, quint8 low, quint8 high)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmware.battery.charge = charge;
    m_firmware.battery.low = low;
    m_firmware.battery.high = high;
}

void VirtualMouse::setAsleep(bool asleep)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmware.asleep = asleep;
}

void VirtualMouse::sendStatusReport(quint8 profile, quint8 dpiStage, quint8 rate, quint8 mode)
{
    injectReport(VirtualFirmware::statusReport(profile, dpiStage, rate, mode));
}

void VirtualMouse::injectReport(const QByteArray &report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_links[Cable].plugged)
        queueReply(Cable, report);
    else if (m_links[Receiver].plugged)
        queueReply(Receiver, report);
}

void VirtualMouse::unplug(Link link)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        LinkState &state = m_links[link];
        if (!state.plugged)
            return;
        state.plugged = false;
        ++state.generation;
        state.replies.clear();
        m_replyQueued.notify_all();
    }
    announce(link, false);
}

void VirtualMouse::plug(Link link)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_links[link].plugged)
            return;
        m_links[link].plugged = true;
    }
    announce(link, true);
}

void VirtualMouse::setAccessDenied(bool denied)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_accessDenied = denied;
}

void VirtualMouse::grantAccess()
{
    setAccessDenied(false);
    for (const Link link : { Receiver, Cable }) {
        if (isPlugged(link)) {
            unplug(link);
            plug(link);
        }
    }
}

bool VirtualMouse::isPlugged(Link link) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_links[link].plugged;
}

void VirtualMouse::setSilence(int reports)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmware.silentReports = reports;
}

void VirtualMouse::setWrongHeaderEchoes(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmware.wrongHeaderEchoes = count;
}

void VirtualMouse::setWrongPayloadEchoes(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmware.wrongPayloadEchoes = count;
}

void VirtualMouse::setReadErrors(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_readErrors = count;
}

void VirtualMouse::setWriteErrors(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writeErrors = count;
}

void VirtualMouse::setLatency(int milliseconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_latencyMs = qMax(0, milliseconds);
}

void VirtualMouse::setReplySource(ReplySource source)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_replySource = std::move(source);
    for (LinkState &state : m_links)
        state.replies.clear();
}

void VirtualMouse::queueReply(Link link, const QByteArray &report)
{
    m_links[link].replies.append({ report, QDeadlineTimer(m_latencyMs) });
    m_replyQueued.notify_all();
}

void VirtualMouse::announce(Link link, bool arrived)
{
    for (int index = 1; index <= CollectionCount; ++index)
        emit deviceChanged(interfaceName(link, index), arrived);
}
