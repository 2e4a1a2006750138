#pragma once

#include "platform/PointerSpeedBackend.h"

#include <QStringList>

// KDE Plasma on Wayland: KWin's input-device objects on the session bus, property "pointerAcceleration"
// of every pointer that is not a touchpad; the value is also written to Plasma's kcminputrc so that it
// stays after the next login.
class KWinPointerSpeed : public PointerSpeedBackend
{
public:
    // Null when KWin offers no input devices on `bus`.
    static std::unique_ptr<KWinPointerSpeed> create(const QDBusConnection &bus);

    QString name() const override { return QStringLiteral("kwin"); }
    bool read(int *speed) override;
    bool apply(int speed) override;

    // The program that writes Plasma settings (kwriteconfig6 or kwriteconfig5); empty when missing.
    static QString configWriter();

private:
    explicit KWinPointerSpeed(const QDBusConnection &bus);
    // Object paths of KWin's pointers (mice, trackballs), touchpads left out.
    QStringList pointerPaths() const;

    QDBusConnection m_bus;
};
