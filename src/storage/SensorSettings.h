#pragma once

#include "storage/ConfigData.h"

#include <QString>
#include <QVariant>

#include <functional>

// The seven global sensor settings of ConfigData ("Config/LiftHigh" ... of Config.ini): the values each
// may take and the product's factory values. A stored value outside its range would be shown as one
// value and sent as another, so it never gets into a ConfigData.

// Lift-off distance in millimetres.
constexpr int LiftMin = 1;
constexpr int LiftMax = 2;
// Key response (the debounce time) in milliseconds.
constexpr int KeyResponseMin = 1;
constexpr int KeyResponseMax = 255;
// Sensor mode: eco, standard, competitive.
constexpr int SensorModeMin = 0;
constexpr int SensorModeMax = 2;

// Sets the seven settings to the product definition's factory values; a product value outside a
// setting's range (or a missing product definition's built-in one) gives the nearest value in range.
void SetFactorySensorSettings(ConfigData &config);
// Reads the seven settings through `stored` (a key path such as "Config/LiftHigh" -> its stored value).
// A missing value, or one that is no number in the setting's range, reads as the factory value.
void ReadSensorSettings(const std::function<QVariant(const QString &key)> &stored, ConfigData &config);
// Writes the factory value of each setting that the Config.ini at `path` lacks; keys it holds are kept
// as they are. False when the file could not be written.
bool AddMissingSensorSettings(const QString &path);
