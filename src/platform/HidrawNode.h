#pragma once

#include "platform/HidReportDescriptor.h"

#include <QByteArray>
#include <QStringList>

// How the Linux build names HID collections so that the device rules written for Windows paths keep
// working. A hidraw node carries all top-level collections of one USB interface under one path
// ("/dev/hidraw3"); the system backend lists each collection N (1-based, descriptor order) as
// "/dev/hidraw3&colNN", the marker Windows puts in its collection paths. A hot-plug notice names
// collection N of a node as Windows would, with that path after the last '#':
// "\\?\HID#VID_248A&PID_FA02&MI_00&col04#/dev/hidraw3&col04". Opening either form opens the node.
struct HidrawNode
{
    QByteArray devnode; // "/dev/hidrawN"
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0;
    int interfaceNumber = -1; // USB interface, -1 when not a USB device
    QVector<HidCollectionInfo> collections;
};

namespace HidrawPath {

// The path of collection `index` (1-based) of a node: devnode + "&colNN".
QByteArray collectionPath(const QByteArray &devnode, int index);
// The node of a collection path or of a notice path.
QByteArray devnodeOf(const QByteArray &path);
// The collection index of a collection path or notice path; 0 when it names none.
int collectionIndexOf(const QByteArray &path);
// The notice names ("\\?\HID#...") of every collection of a node, in order.
QStringList interfaceNames(const HidrawNode &node);

} // namespace HidrawPath
