#pragma once

#include "ui/buttons/KeyDialogFrame.h"

class QLabel;

// "Single Key": the last key touched becomes the button's key.
class TarnSingleKeyWindow : public KeyDialogFrame
{
    Q_OBJECT
public:
    // An empty dialog; capture starts when it is shown.
    explicit TarnSingleKeyWindow(QWidget *parent = nullptr);

    // Shows key `keyCode` and makes it the value (the button already holds a single key).
    void preset(quint8 keyCode);
    // The chosen key code; 0 when no key was touched.
    quint8 keyCode() const { return m_keyCode; }

protected:
    void showEvent(QShowEvent *event) override;
    void onCapturedKey(quint8 keyCode, bool pressed, bool extended) override;
    void captureRestarted() override;

private:
    QLabel *m_display;
    quint8 m_keyCode = 0;
    int m_lastCode = -1;
    bool m_lastPressed = false;
};
