#pragma once

#include "core/OperationResult.h"

#include <QJsonObject>

// The running window's side of the D-Bus interface: each call does what the window's own controls do,
// so the window's pages follow. Slots are 0 to 4.
class MouseEngine
{
public:
    virtual ~MouseEngine() = default;
    // Makes `slot` current and tells the mouse to switch to it, sending the slot's settings when they
    // were changed while another slot was current.
    virtual OperationResult selectSlot(int slot) = 0;
    // Uploads the working configuration; `all` sends every group.
    virtual OperationResult apply(bool all) = 0;
    // Reads the whole configuration from `path` and uploads it.
    virtual OperationResult importConfig(const QString &path) = 0;
    // Writes the whole configuration to `path`.
    virtual OperationResult exportConfig(const QString &path) = 0;
    // Adds the profile file `path` to the library, loads it into the current slot and uploads it.
    virtual OperationResult importProfile(const QString &path) = 0;
    // Copies slot `slot`'s profile to `path`.
    virtual OperationResult exportProfile(int slot, const QString &path) = 0;
    // Every setting of slot `slot` under its stable key, as the window holds it.
    virtual QJsonObject settings(int slot) = 0;
    // Sets `key` of slot `slot` from `value`, saves it and shows it; the mouse gets it with apply() when
    // the slot is current, else with the next selectSlot() of that slot.
    virtual OperationResult setSetting(int slot, const QString &key, const QString &value) = 0;
};
