#pragma once

#include <QObject>

#include <memory>

class QWidget;

// One key press or release as the capture saw it, in the keyboard's set-1 terms.
struct CapturedKey
{
    quint16 makeCode = 0; // set-1 make code of the key
    bool extended = false; // the key sends the 0xE0 prefix (right Ctrl, arrows, keypad Enter, ...)
    bool pressed = false; // true on press, false on release
    bool autoRepeat = false; // a press repeated by the keyboard while the key is held
    qint64 timestampMs = 0; // monotonic time of the event in milliseconds
    quint32 serverTime = 0; // the window system's own time of the event (0: unknown), to match its copy
};
Q_DECLARE_METATYPE(CapturedKey)

// Captures key presses and releases while a capture dialog or the macro recorder is active:
// system-wide where the platform allows it (X11 RECORD), else the key events of one window.
class KeyboardCapture : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts capturing; with `grabKeyboard` no other program receives keys until stop(). False when
    // nothing can be captured.
    virtual bool start(bool grabKeyboard) = 0;
    // Stops capturing and releases any grab; safe to call when not started.
    virtual void stop() = 0;
    // Keeps capturing but lets keys reach their programs (and controls) again.
    virtual void releaseGrab() = 0;
    // True when keys typed into other programs are seen too.
    virtual bool isSystemWide() const = 0;

signals:
    // A key went down or up.
    void keyEvent(const CapturedKey &key);
};

// The monotonic clock of CapturedKey::timestampMs, in milliseconds.
qint64 CaptureClockMs();

// The best capture this session offers; `window` is the one whose key events serve when no
// system-wide capture is possible.
std::unique_ptr<KeyboardCapture> CreateKeyboardCapture(QWidget *window);
