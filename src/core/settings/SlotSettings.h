#pragma once

#include "storage/ConfigData.h"
#include "storage/Product.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QVector>

// Every setting of a profile slot under a stable key ("dpi.2", "button.4", "lighting.colour", ...),
// read into values and written from text with the rules of the settings pages and the product's limits.
// Slots count from 0 here; the sensor switches and the lift-off distance belong to every slot.
namespace SlotSettings {

// One setting: its key and its value (a number, a switch as a bool, a text, or a list of texts).
struct Value
{
    QString key;
    QJsonValue value;
};

// What set() did.
struct SetResult
{
    bool ok = false;
    QString error; // one line naming what is allowed, when refused
};

// Every setting of slot `slot`, in stable order: DPI, buttons, lighting, rate and sensor, speeds, macros.
QVector<Value> read(const ConfigData &config, int slot, const Product &product);
// The same as one JSON object.
QJsonObject toJson(const ConfigData &config, int slot, const Product &product);
// A value as the text form shows it and set() reads it: switches "on"/"off", lists joined by ", ".
QString text(const QJsonValue &value);
// Every key of the current product, in the order read() gives them; read-only keys included.
QStringList keys(const Product &product);
// Sets `key` of slot `slot` from `values` (joined by spaces); `config` is unchanged when refused.
SetResult set(ConfigData &config, int slot, const QString &key, const QStringList &values,
              const Product &product);

// A key whose value the mouse never receives, and why it stays on this computer.
struct LocalKey
{
    const char *pattern; // the key, "N" standing for any stage number
    const char *reason;
};
// Every key kept on this computer; each other key changes a byte of the next upload.
QVector<LocalKey> keptOnComputer();
// True when `key` matches a pattern of keptOnComputer().
bool isKeptOnComputer(const QString &key);

} // namespace SlotSettings
