#pragma once

#include "storage/ConfigData.h"

#include <array>

struct Product;

constexpr int GeneralBlockSize = 19;

// Device effect number (1..10) of a lighting effect index; indexes above 13 give 6.
quint8 DeviceEffectNumber(int effect);
// The general settings block of a configuration; `syncMode` is the product's "SyncMode".
std::array<quint8, GeneralBlockSize> GeneralSettingsBlock(const ConfigData &config, int syncMode, int lightingSlot);
class CommandSet;

// Sends the general settings block of `deviceSide` through `commands`; returns the result code.
quint8 WriteGeneralSettings(CommandSet &commands, const ConfigData &deviceSide, const Product &product);
