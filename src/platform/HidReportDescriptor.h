#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// The sizes of one report of a collection, in bits of data (the report id byte not counted).
struct HidReportSize
{
    quint8 id = 0; // 0: the reports carry no id
    quint32 inputBits = 0;
    quint32 outputBits = 0;
    quint32 featureBits = 0;
};

// One top-level collection of a HID report descriptor.
struct HidCollectionInfo
{
    quint16 usagePage = 0;
    quint16 usage = 0;
    QVector<quint8> reportIds; // ids of the reports defined inside it; empty when reports carry no id
    QVector<HidReportSize> reports; // every report defined inside it, in order of first mention
};

// Bytes of a report as read from or written to a hidraw node: the data, and the id byte when it has one.
int hidReportBytes(quint8 id, quint32 bits);

// The top-level collections of a report descriptor, in order. A malformed item ends the walk; what
// was found before it is kept.
QVector<HidCollectionInfo> topLevelCollections(const QByteArray &descriptor);
// The report descriptor of a hidraw node (for example "/dev/hidraw3") as sysfs gives it; empty if unreadable.
QByteArray hidrawReportDescriptor(const QByteArray &devnode);
