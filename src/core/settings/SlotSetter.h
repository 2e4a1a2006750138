#pragma once

#include "storage/ConfigData.h"

#include <QString>

struct Product;

// Sets the setting `key` of slot `slot` (0..4) of `config` from the text `value`, with the rules of the
// settings pages and the product's limits. Empty when stored; else one line naming what is allowed,
// and `config` may then be partly edited (callers work on a copy).
QString SetSlotSetting(ConfigData &config, int slot, const QString &key, const QString &value,
                       const Product &product);
