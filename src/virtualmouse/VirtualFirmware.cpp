#include "virtualmouse/VirtualFirmware.h"

#include "device/link/DeviceLink.h"

namespace {

constexpr int MaxPayload = 25;
constexpr quint8 FirstChunk = 0xD1;
constexpr quint8 FurtherChunk = 0xD2;
constexpr quint8 GeneralBlock = 0x01;
constexpr quint8 MacroBlock = 0x05;
// The general block's byte that names the current profile.
constexpr int ProfileByte = 6;

void writeAt(QByteArray &block, int offset, const QByteArray &bytes)
{
    if (block.size() < offset + bytes.size())
        block.append(QByteArray(offset + bytes.size() - block.size(), '\0'));
    block.replace(offset, bytes.size(), bytes);
}

QByteArray frame(quint8 command)
{
    QByteArray report(ReportLength, '\0');
    report[0] = char(ReportId);
    report[2] = char(ReportMarker);
    report[3] = char(command);
    return report;
}

void seal(QByteArray &report)
{
    report[1] = char(ReportChecksum(reinterpret_cast<const quint8 *>(report.constData())));
}

bool isValid(const QByteArray &report)
{
    const auto *bytes = reinterpret_cast<const quint8 *>(report.constData());
    return report.size() >= 8 && bytes[0] == ReportId && bytes[2] == ReportMarker && bytes[6] <= MaxPayload
        && 8 + bytes[6] <= report.size() && bytes[1] == ReportChecksum(bytes);
}

} // namespace

bool consumeFault(int &count)
{
    if (count == VirtualFirmware::Unlimited)
        return true;
    if (count <= 0)
        return false;
    --count;
    return true;
}

QByteArray VirtualFirmware::receive(const QByteArray &report)
{
    if (!isValid(report) || consumeFault(silentReports))
        return QByteArray();
    const quint8 command = quint8(report[3]);
    if (asleep) {
        if (command != 0x48)
            return QByteArray();
        QByteArray zeros = frame(0x48);
        seal(zeros);
        return zeros;
    }

    QByteArray echo;
    if (command <= 10) {
        store(report);
        echo = report.left(ReportLength);
        echo.resize(ReportLength);
    } else if (command == 0x40 || command == 0x46) {
        echo = report.left(8);
        echo.append(QByteArray(ReportLength - 8, '\0'));
    } else if (command == 0x44) {
        m_selectedProfile = quint8(report[4]);
        m_onBoardSlot = m_selectedProfile;
        return QByteArray();
    } else if (command == 0x48) {
        return batteryReport();
    } else {
        return QByteArray();
    }
    if (consumeFault(wrongHeaderEchoes))
        echo[5] = char(~quint8(echo[5]));
    if (consumeFault(wrongPayloadEchoes))
        echo[8] = char(~quint8(echo[8]));
    seal(echo);
    return echo;
}

QByteArray VirtualFirmware::statusReport(quint8 profile, quint8 dpiStage, quint8 rate, quint8 mode)
{
    QByteArray report = frame(0x49);
    report[4] = char(profile);
    report[5] = char(dpiStage);
    report[6] = char(rate);
    report[7] = char(mode);
    seal(report);
    return report;
}

void VirtualFirmware::store(const QByteArray &report)
{
    const quint8 command = quint8(report[3]);
    const quint8 chunk = quint8(report[7]);
    if (command < 0x01 || command > MacroBlock || (chunk != FirstChunk && chunk != FurtherChunk))
        return;
    int offset = quint8(report[4]);
    if (command == MacroBlock)
        offset |= quint8(report[5]) << 8;
    const QByteArray bytes = report.mid(8, quint8(report[6]));
    writeAt(m_memory[command], offset, bytes);
    if (command == GeneralBlock && offset <= ProfileByte && ProfileByte < offset + bytes.size())
        m_onBoardSlot = quint8(bytes[ProfileByte - offset]);
    // DPI stages, buttons and lighting are kept for the slot that is current when they arrive.
    if (command > GeneralBlock && command < MacroBlock)
        writeAt(m_slotMemory[slotKey(m_onBoardSlot, command)], offset, bytes);
}

QByteArray VirtualFirmware::batteryReport() const
{
    QByteArray report = frame(0x48);
    report[4] = char(battery.low);
    report[5] = char(battery.high);
    report[6] = char(battery.charge);
    report[7] = char(battery.status);
    report[10] = char(battery.deviceType);
    seal(report);
    return report;
}
