#pragma once

#include "storage/ConfigData.h"

#include <array>

struct Product;

constexpr int LightingBlockSize = 80;

// The ten 8-byte effect slot records the mouse keeps, built from a profile's fourteen effects.
std::array<quint8, LightingBlockSize> LightingBlock(const ProfileData &profile);
class CommandSet;

// Sends the lighting block of the lighting slot of `deviceSide` through `commands`; returns the
// result code.
quint8 WriteLighting(CommandSet &commands, const ConfigData &deviceSide, const Product &product);
