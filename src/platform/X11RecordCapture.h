#pragma once

#include "platform/KeyboardCapture.h"

#include <QSet>

class QSocketNotifier;
struct _XDisplay;

// System-wide capture on an X server through the RECORD extension: every key press and release of
// the server, whichever program has the focus. Two connections of its own: one records, the other
// controls the recording and holds the keyboard grab that keeps keys from every other program.
class X11RecordCapture : public KeyboardCapture
{
    Q_OBJECT
public:
    // A capture that opens its connections on start().
    explicit X11RecordCapture(QObject *parent = nullptr);
    ~X11RecordCapture() override;

    // True when the X server of DISPLAY offers RECORD.
    static bool available();

    bool start(bool grabKeyboard) override;
    void stop() override;
    void releaseGrab() override;
    bool isSystemWide() const override { return true; }
    // True while the keyboard grab is held.
    bool isGrabbing() const { return m_grabbed; }

    // Handles one recorded X key event (X keycode, press or release, server time).
    void handleXKey(int xKeycode, bool pressed, quint32 serverTime = 0);

private:
    void readRecorded();
    void discardGrabbedEvents();
    bool grabKeyboard();

    _XDisplay *m_control = nullptr;
    _XDisplay *m_data = nullptr;
    unsigned long m_context = 0;
    QSocketNotifier *m_recordNotifier = nullptr;
    QSocketNotifier *m_grabNotifier = nullptr;
    bool m_grabbed = false;
    QSet<int> m_held; // X keycodes currently down, to tell repeats from presses
};
