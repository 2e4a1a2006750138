#pragma once

#include <QString>
#include <QVector>

struct Product;

// What the current product offers of a slot's settings, as the settings pages show them.
namespace SlotLayout {

// Records of the wheel's two entries.
constexpr int WheelUpRecord = 40;
constexpr int WheelDownRecord = 41;

// The DPI stages the mouse takes.
int stageCount(const Product &product);
// The front records the button page shows, in its numbering (button.1 is the first).
QVector<int> shownButtons(const Product &product);
// The sensor switches offered by the product's "SyncMode" (0 none, 1 all three, 2 no sync).
bool syncOffered(const Product &product);
bool filtersOffered(const Product &product);
// The name of sensor mode `mode` (eco, standard, competitive); empty outside 0..2.
QString sensorModeName(int mode);

} // namespace SlotLayout
