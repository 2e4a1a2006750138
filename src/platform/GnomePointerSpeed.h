#pragma once

#include "platform/PointerSpeedBackend.h"

typedef struct _GSettings GSettings;

// GNOME's mouse speed (GSettings "org.gnome.desktop.peripherals.mouse", key "speed"): the desktop
// applies it on X11 and Wayland alike and keeps it across logins.
class GnomePointerSpeed : public PointerSpeedBackend
{
public:
    // Null when the schema or its key is not installed.
    static std::unique_ptr<GnomePointerSpeed> create();
    ~GnomePointerSpeed() override;

    QString name() const override { return QStringLiteral("gnome"); }
    bool read(int *speed) override;
    bool apply(int speed) override;

private:
    explicit GnomePointerSpeed(GSettings *settings);
    GSettings *m_settings;
};
