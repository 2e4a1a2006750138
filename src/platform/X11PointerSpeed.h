#pragma once

#include "platform/PointerSpeedBackend.h"

// The X server's pointers: libinput's "libinput Accel Speed" where the devices have it, else the core
// pointer acceleration. One display connection per call: pointer changes are rare.
class X11PointerSpeed : public PointerSpeedBackend
{
public:
    QString name() const override { return QStringLiteral("x11"); }
    bool read(int *speed) override;
    bool apply(int speed) override;
};
