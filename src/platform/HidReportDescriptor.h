#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// One top-level collection of a HID report descriptor.
struct HidCollectionInfo
{
    quint16 usagePage = 0;
    quint16 usage = 0;
    QVector<quint8> reportIds; // ids of the reports defined inside it; empty when reports carry no id
};

// The top-level collections of a report descriptor, in order. A malformed item ends the walk; what
// was found before it is kept.
QVector<HidCollectionInfo> topLevelCollections(const QByteArray &descriptor);
// The report descriptor of a hidraw node (for example "/dev/hidraw3") as sysfs gives it; empty if unreadable.
QByteArray hidrawReportDescriptor(const QByteArray &devnode);
