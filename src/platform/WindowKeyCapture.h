#pragma once

#include "platform/KeyboardCapture.h"

#include <QPointer>
#include <QWidget>

class QKeyEvent;
class QWindow;

// Capture from the key events of one of the program's windows, where no system-wide capture exists
// (Wayland, offscreen): keys count only while that window has the focus. The native scan code gives
// the key where the platform provides one; otherwise the Qt key does.
class WindowKeyCapture : public KeyboardCapture
{
    Q_OBJECT
public:
    // Reads the key events of `window` (its top-level window, to be exact).
    explicit WindowKeyCapture(QWidget *window, QObject *parent = nullptr);
    ~WindowKeyCapture() override;

    // With `grabKeyboard` the window's own controls see no key either while capturing.
    bool start(bool grabKeyboard) override;
    void stop() override;
    void releaseGrab() override { m_swallow = false; }
    bool isSystemWide() const override { return false; }

    // The captured form of a Qt key event; false for a key without a make code.
    static bool translate(const QKeyEvent &event, CapturedKey &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_widget;
    QPointer<QWindow> m_window;
    bool m_swallow = false;
};
