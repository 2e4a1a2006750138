#pragma once

// The desktop's pointer speed on the scale of the profiles, 1 (slowest) to 20 (fastest).
//
// On X11, pointer devices driven by libinput take the speed through their "libinput Accel Speed"
// property (XInput2): 1..20 maps linearly onto -1..1 (10 is -0.053, 11 is 0.053), and a property
// value reads back as the nearest step. Other pointers take it as the core pointer acceleration:
// speed/10 (numerator = speed, denominator = 10, threshold kept), read back as
// numerator * 10 / denominator rounded and cut to 1..20. On Wayland, without a display or under a
// platform plugin other than xcb, the value is only remembered for the next reading.

// The current pointer speed (1 to 20); the remembered value (first 10) where there is no X11.
int GetSystemMouseSpeed();
// Sets the pointer speed to `speed`, a slot's stored value; values outside 1..20 change nothing.
// False when the desktop could not be told (the value is remembered all the same).
bool ApplySlotMouseSpeed(int speed);

// The libinput acceleration (-1 to 1) of a speed, and the nearest speed of an acceleration.
double LibinputAccelFromSpeed(int speed);
int SpeedFromLibinputAccel(double accel);
// The core pointer acceleration of a speed (as numerator and denominator), and back.
void CoreAccelFromSpeed(int speed, int *numerator, int *denominator);
int SpeedFromCoreAccel(int numerator, int denominator);
