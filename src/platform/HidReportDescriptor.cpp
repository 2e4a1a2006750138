#include "platform/HidReportDescriptor.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Item prefixes with the size bits masked off.
enum ItemTag : quint8 {
    UsagePageItem = 0x04,
    ReportSizeItem = 0x74,
    ReportIdItem = 0x84,
    ReportCountItem = 0x94,
    PushItem = 0xA4,
    PopItem = 0xB4,
    UsageItem = 0x08,
    InputItem = 0x80,
    OutputItem = 0x90,
    FeatureItem = 0xB0,
    CollectionItem = 0xA0,
    EndCollectionItem = 0xC0,
};

constexpr quint8 LongItemPrefix = 0xFE;
// Deeper pushes than any real descriptor uses are ignored rather than grown without bound.
constexpr int MaxPushDepth = 16;
// HID caps a report at this many bits; sizes beyond it come from a damaged descriptor.
constexpr quint64 MaxReportBits = 8 * 4096;

struct GlobalState
{
    quint32 usagePage = 0;
    quint8 reportId = 0;
    quint32 reportSize = 0;
    quint32 reportCount = 0;
};

void addReportBits(HidCollectionInfo &collection, const GlobalState &global, quint8 tag)
{
    HidReportSize *report = nullptr;
    for (HidReportSize &known : collection.reports) {
        if (known.id == global.reportId)
            report = &known;
    }
    if (!report) {
        collection.reports.append(HidReportSize());
        report = &collection.reports.last();
        report->id = global.reportId;
    }
    quint32 &bits = tag == InputItem ? report->inputBits
        : tag == OutputItem          ? report->outputBits
                                     : report->featureBits;
    bits = quint32(qMin(MaxReportBits, quint64(bits) + quint64(global.reportSize) * global.reportCount));
}

} // namespace

QVector<HidCollectionInfo> topLevelCollections(const QByteArray &descriptor)
{
    QVector<HidCollectionInfo> collections;
    QVector<GlobalState> pushed;
    GlobalState global;
    quint32 usage = 0;
    bool haveUsage = false;
    bool extendedUsage = false;
    int depth = 0;
    const auto *bytes = reinterpret_cast<const quint8 *>(descriptor.constData());
    const int size = descriptor.size();

    for (int pos = 0; pos < size;) {
        const quint8 prefix = bytes[pos];
        if (prefix == LongItemPrefix) {
            if (pos + 1 >= size)
                break;
            pos += 3 + bytes[pos + 1];
            continue;
        }
        const int dataSize = (prefix & 3) == 3 ? 4 : prefix & 3;
        if (pos + 1 + dataSize > size)
            break;
        quint32 value = 0;
        for (int i = 0; i < dataSize; ++i)
            value |= quint32(bytes[pos + 1 + i]) << (8 * i);
        pos += 1 + dataSize;

        switch (prefix & 0xFC) {
        case UsagePageItem:
            global.usagePage = value;
            break;
        case ReportIdItem:
            global.reportId = quint8(value);
            break;
        case ReportSizeItem:
            global.reportSize = value;
            break;
        case ReportCountItem:
            global.reportCount = value;
            break;
        case PushItem:
            if (pushed.size() < MaxPushDepth)
                pushed.append(global);
            break;
        case PopItem:
            if (!pushed.isEmpty())
                global = pushed.takeLast();
            break;
        case UsageItem:
            usage = value;
            haveUsage = true;
            extendedUsage = dataSize == 4;
            break;
        case CollectionItem: {
            if (depth == 0) {
                // A four-byte usage carries its own page in the high half.
                const bool extended = haveUsage && extendedUsage;
                HidCollectionInfo collection;
                collection.usagePage = quint16(extended ? usage >> 16 : global.usagePage);
                collection.usage = quint16(haveUsage ? usage & 0xFFFF : 0);
                collections.append(collection);
            }
            ++depth;
            haveUsage = false;
            break;
        }
        case EndCollectionItem:
            depth = qMax(0, depth - 1);
            haveUsage = false;
            break;
        case InputItem:
        case OutputItem:
        case FeatureItem:
            if (depth > 0 && global.reportId != 0 && !collections.last().reportIds.contains(global.reportId))
                collections.last().reportIds.append(global.reportId);
            if (depth > 0)
                addReportBits(collections.last(), global, prefix & 0xFC);
            haveUsage = false;
            break;
        default:
            break;
        }
    }
    return collections;
}

int hidReportBytes(quint8 id, quint32 bits)
{
    return int((bits + 7) / 8) + (id != 0 ? 1 : 0);
}

QByteArray hidrawReportDescriptor(const QByteArray &devnode)
{
    const QString node = QFileInfo(QString::fromLocal8Bit(devnode)).fileName();
    QFile file(QStringLiteral("/sys/class/hidraw/%1/device/report_descriptor").arg(node));
    if (node.isEmpty() || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    // HID caps report descriptors at 4 KiB.
    return file.read(4096);
}
