#pragma once

#include "platform/PointerSpeedBackend.h"

// sway and its IPC: `input type:pointer pointer_accel <v>` for every pointer but touchpads, read back
// from the libinput settings of the pointers sway lists. Nothing goes into the user's sway config: the
// value holds until sway restarts or the window sets it again.
class SwayPointerSpeed : public PointerSpeedBackend
{
public:
    // Null when no sway answers on `socketPath`.
    static std::unique_ptr<SwayPointerSpeed> create(const QString &socketPath);

    QString name() const override { return QStringLiteral("sway"); }
    bool read(int *speed) override;
    bool apply(int speed) override;
    bool appliesOnlyWhileRunning() const override { return true; }

    // The command that sets `speed`.
    static QByteArray command(int speed);

private:
    explicit SwayPointerSpeed(const QString &socketPath);

    QString m_socketPath;
};
