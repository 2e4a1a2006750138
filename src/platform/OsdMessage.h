#pragma once

#include <QByteArray>
#include <QColor>
#include <QMetaType>
#include <QString>

// The notice sent to the on-screen display companion: a fixed 1044-byte little-endian record.
//   0  512  text, UTF-16, zero-terminated (at most 255 characters)
// 512    4  fade-in time in ms
// 516    4  time the notice stays fully shown, in ms
// 520    4  fade-out time in ms
// 524    4  text colour as 0x00BBGGRR (red in the lowest byte)
// 528    4  text pixel size at 96 DPI (the companion scales it to the screen)
// 532  512  font family, UTF-16, zero-terminated
struct OsdMessage
{
    // Size of the record on the wire.
    static constexpr int Size = 1044;
    // Characters of text and of font family that fit their 512-byte fields with the terminator.
    static constexpr int MaxChars = 255;

    QString text;
    qint32 fadeInMs = 0;
    qint32 showMs = 1500;
    qint32 fadeOutMs = 0;
    QColor color;
    qint32 pixelSize = 60;
    QString family = QStringLiteral("Arial");

    // The record's bytes; longer texts are cut to MaxChars.
    QByteArray toBytes() const;
    // Reads a record; false (and `message` untouched) when `bytes` is not exactly Size long.
    static bool fromBytes(const QByteArray &bytes, OsdMessage &message);
};

Q_DECLARE_METATYPE(OsdMessage)

// The display's name: the title the companion's window is known by.
extern const char OsdDisplayTitle[];
// The local socket the companion listens on: the display's name in $XDG_RUNTIME_DIR, or in the
// temporary folder (Qt's default place) without one.
QString OsdServerName();
