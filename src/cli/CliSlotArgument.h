#pragma once

#include <QStringList>

struct ConfigData;

// Takes a leading slot number ("1".."5") off `args`: 0..4, the current slot of `config` when the first
// argument is no number, -1 for a number outside 1..5.
int takeSlotArgument(QStringList &args, const ConfigData &config);
