#include "platform/OsdMessage.h"

#include <QDir>
#include <QtEndian>

const char OsdDisplayTitle[] = "PRVA Wireless Mouse OSD";

namespace {
constexpr int TextOffset = 0;
constexpr int FadeInOffset = 512;
constexpr int ShowOffset = 516;
constexpr int FadeOutOffset = 520;
constexpr int ColorOffset = 524;
constexpr int PixelSizeOffset = 528;
constexpr int FamilyOffset = 532;
constexpr int StringFieldBytes = 512;

void putInt(QByteArray &bytes, int offset, quint32 value)
{
    // Through replace() rather than a write at data() + offset, which gcc's sanitizer builds take
    // for a write past the array's header.
    const quint32 little = qToLittleEndian(value);
    bytes.replace(offset, int(sizeof little), reinterpret_cast<const char *>(&little), int(sizeof little));
}

qint32 takeInt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

// The string's UTF-16 units, cut so the terminator still fits the field (the rest stays zero).
void putString(QByteArray &bytes, int offset, const QString &text)
{
    int units = qMin(text.size(), OsdMessage::MaxChars);
    // Never leave half of a surrogate pair at the cut.
    if (units < text.size() && units > 0 && text.at(units - 1).isHighSurrogate())
        --units;
    for (int i = 0; i < units; ++i)
        qToLittleEndian(text.at(i).unicode(), bytes.data() + offset + 2 * i);
}

// Up to the first zero unit; a field without one ends at its last unit.
QString takeString(const QByteArray &bytes, int offset)
{
    QString text;
    for (int i = 0; i < StringFieldBytes / 2; ++i) {
        const ushort unit = qFromLittleEndian<quint16>(bytes.constData() + offset + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}
} // namespace

QByteArray OsdMessage::toBytes() const
{
    QByteArray bytes(Size, '\0');
    putString(bytes, TextOffset, text);
    putInt(bytes, FadeInOffset, quint32(fadeInMs));
    putInt(bytes, ShowOffset, quint32(showMs));
    putInt(bytes, FadeOutOffset, quint32(fadeOutMs));
    const quint32 colorRef = quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
    putInt(bytes, ColorOffset, colorRef);
    putInt(bytes, PixelSizeOffset, quint32(pixelSize));
    putString(bytes, FamilyOffset, family);
    return bytes;
}

bool OsdMessage::fromBytes(const QByteArray &bytes, OsdMessage &message)
{
    if (bytes.size() != Size)
        return false;
    OsdMessage read;
    read.text = takeString(bytes, TextOffset);
    read.fadeInMs = takeInt(bytes, FadeInOffset);
    read.showMs = takeInt(bytes, ShowOffset);
    read.fadeOutMs = takeInt(bytes, FadeOutOffset);
    const quint32 colorRef = quint32(takeInt(bytes, ColorOffset));
    read.color = QColor(int(colorRef & 0xFF), int(colorRef >> 8 & 0xFF), int(colorRef >> 16 & 0xFF));
    read.pixelSize = takeInt(bytes, PixelSizeOffset);
    read.family = takeString(bytes, FamilyOffset);
    message = read;
    return true;
}

QString OsdServerName()
{
    const QString runtimeDir = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    const QString title = QString::fromLatin1(OsdDisplayTitle);
    if (runtimeDir.isEmpty() || !QDir(runtimeDir).exists())
        return title;
    return runtimeDir + QLatin1Char('/') + title;
}
