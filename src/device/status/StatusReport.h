#pragma once

#include <QMetaType>
#include <QtGlobal>

// A status report the mouse sends by itself (command 0x49) when the user changes something on it.
// The values are the mouse's own: they may name a slot or stage the program does not have.
struct StatusReport
{
    // Profile slot, 0-based.
    quint8 slot = 0;
    // DPI stage, 0-based.
    quint8 stage = 0;
    // Polling-rate code.
    quint8 rate = 0;
    // Mode byte.
    quint8 mode = 0;

    // Decodes a whole 33-byte report frame.
    static StatusReport fromFrame(const quint8 *frame) { return { frame[4], frame[5], frame[6], frame[7] }; }
};

Q_DECLARE_METATYPE(StatusReport)
