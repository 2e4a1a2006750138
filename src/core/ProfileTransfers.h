#pragma once

#include "core/OperationResult.h"
#include "storage/ImportCheck.h"

struct ConfigData;

// The rules of profile and configuration files, shared by the window and the command-line tool: the
// checks every import makes, and what an import or an export changes. Nothing here asks, shows,
// saves the configuration or talks to the mouse; the caller does what follows.
class ProfileTransfers
{
public:
    // The checks every import makes on `path` as a file of `kind`: complete, readable, this product's;
    // a configuration must leave each slot a name of its own, `heldNames` being what they hold now.
    static OperationResult checkImport(const QString &path, ImportCheck::Kind kind,
                                       const QStringList &heldNames = QStringList());
    // Writes `config`, stamped with the current product, to `path`.
    static OperationResult exportConfig(const ConfigData &config, const QString &path);
    // Checks `path` and reads the whole configuration from it into `config`.
    static OperationResult importConfig(ConfigData &config, const QString &path);
    // Copies the file of `config`'s slot `slot` (0 to 4), stamped with the product, to `path`.
    static OperationResult exportProfile(const ConfigData &config, int slot, const QString &path);
    // Checks `path`, adds it to the profile library and loads it into `config`'s current slot; the
    // result's `name` is the library name it got.
    static OperationResult importProfile(ConfigData &config, const QString &path);
};
