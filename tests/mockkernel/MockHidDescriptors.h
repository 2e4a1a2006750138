#pragma once

#include <QByteArray>

// Report descriptors of the mock receiver and cable, written as a real device would carry them.
namespace MockHidDescriptors {

// Report ids of the four collections of the vendor interface.
constexpr quint8 MouseReportId = 1;
constexpr quint8 KeyboardReportId = 2;
constexpr quint8 ConsumerReportId = 3;
constexpr quint8 CommandReportId = 5;
// Size of a mouse input report, report id included.
constexpr int MouseReportSize = 7;

// Interface 0 of the receiver and of the cable: mouse (id 1), keyboard (id 2), consumer control
// (id 3) and the command collection (generic desktop, usage 0, id 5, 32 bytes in and out).
QByteArray vendorInterface();
// The same without the command collection, as a receiver of another product could present it.
QByteArray withoutCommandCollection();
// Interface 1 of the receiver: a boot keyboard, reports without ids.
QByteArray bootKeyboard();

} // namespace MockHidDescriptors
