#pragma once

// How the profiles' pointer speed, 1 (slowest) to 20 (fastest), reads on each desktop.
//
// - libinput on X11 ("libinput Accel Speed" of each pointer, XInput2), GNOME (GSettings
//   org.gnome.desktop.peripherals.mouse, key "speed"), KDE Plasma on Wayland (KWin's
//   "pointerAcceleration" of each pointer, kept in kcminputrc [Libinput][vendor][product][name]
//   PointerAcceleration) and sway ("input type:pointer pointer_accel <v>" over its IPC, read back from
//   the libinput "accel_speed" of the first pointer sway lists; not kept in sway's config): all take
//   -1..1, and 1..20 maps linearly onto it (1 is -1, 10 is -0.053, 11 is 0.053, 20 is 1). A value
//   reads back as the nearest step.
// - Other X11 pointers (core pointer acceleration): speed/10, that is numerator = speed and
//   denominator = 10 with the threshold kept; read back as numerator * 10 / denominator rounded and cut
//   to 1..20.
// - Anywhere else the value is only remembered for the next reading (first 10).

// The -1..1 acceleration (libinput, GNOME, KWin, sway) of a speed, and the nearest speed of an acceleration.
double LibinputAccelFromSpeed(int speed);
int SpeedFromLibinputAccel(double accel);
// The core pointer acceleration of a speed (as numerator and denominator), and back.
void CoreAccelFromSpeed(int speed, int *numerator, int *denominator);
int SpeedFromCoreAccel(int numerator, int denominator);

namespace PointerSpeedRange {
constexpr int Slowest = 1;
constexpr int Fastest = 20;
constexpr int Default = 10;
} // namespace PointerSpeedRange
