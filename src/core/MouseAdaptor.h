#pragma once

#include "core/OperationResult.h"

#include <QDBusAbstractAdaptor>

class MouseBusService;
class MouseEngine;

// The interface "org.mousecfg.Mouse1" of the running window (data/org.mousecfg.Mouse1.xml). A failed
// call answers with a D-Bus error named after the tool's exit code (BusErrors), carrying its message.
class MouseAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mousecfg.Mouse1")
    Q_PROPERTY(QString Connection READ connection)
    Q_PROPERTY(uint Battery READ battery)
    Q_PROPERTY(bool Charging READ charging)
    Q_PROPERTY(bool Asleep READ asleep)
    Q_PROPERTY(uint Slot READ slot)
    Q_PROPERTY(uint DpiStage READ dpiStage)
    Q_PROPERTY(uint ReportRate READ reportRate)

public:
    // The adaptor of `service`.
    explicit MouseAdaptor(MouseBusService *service);

    // "none", "receiver" or "cable".
    QString connection() const;
    // Battery level in percent.
    uint battery() const;
    // True while the battery charges.
    bool charging() const;
    // True while the mouse sleeps.
    bool asleep() const;
    // The current slot, 1 to 5.
    uint slot() const;
    // The current DPI stage, 1 to 8.
    uint dpiStage() const;
    // The report rate in Hz.
    uint reportRate() const;

public slots:
    // Makes slot `slot` (1 to 5) current on the mouse and in the window.
    void SelectSlot(uint slot);
    // Sends the window's configuration to the mouse; `all` sends every group.
    void Apply(bool all);
    // Reads a configuration file into the window and sends it.
    void ImportConfig(const QString &path);
    // Writes the window's configuration to a file.
    void ExportConfig(const QString &path);
    // Adds a profile file to the library, loads it into the current slot and sends it.
    void ImportProfile(const QString &path);
    // Copies slot `slot`'s (1 to 5) profile to a file.
    void ExportProfile(uint slot, const QString &path);
    // Every setting of slot `slot` (1 to 5) as one JSON object under the keys of "mousecfg-cli get".
    QString Get(uint slot);
    // Sets one setting of slot `slot` (1 to 5) as "mousecfg-cli set --no-apply" does; Apply sends it.
    void Set(uint slot, const QString &key, const QString &value);

private:
    // Answers a failed `result` with its D-Bus error.
    void answer(const OperationResult &result);
    // Answers with the error of `exitCode` and `message`.
    void fail(int exitCode, const QString &message);
    // False, after answering with a usage error, unless `slot` is 1 to 5.
    bool validSlot(uint slot);
    // False, after answering with a usage error, unless `path` is absolute (the window's own folder
    // means nothing to the caller).
    bool validPath(const QString &path);
    // The engine, or null after answering "no mouse".
    MouseEngine *engine();

    MouseBusService *m_service;
};
