#pragma once

#include "core/MouseEngine.h"

#include <QObject>

class MouseBusService;
class MousecfgWidget;
class ProfileOperations;
struct MouseState;

// The window as the engine of its D-Bus interface: the calls run the profile bar's operations (so the
// pages follow, without boxes: a failure goes back to the caller; the upload's progress dialog only
// while the window is shown), and the interface's properties follow what the window shows. Removes
// itself from the service when it goes.
class WindowMouseEngine : public QObject, public MouseEngine
{
    Q_OBJECT
public:
    // Serves `service` from `window`; a child of the window.
    WindowMouseEngine(MousecfgWidget *window, MouseBusService *service);
    ~WindowMouseEngine() override;

    OperationResult selectSlot(int slot) override;
    OperationResult apply(bool all) override;
    OperationResult importConfig(const QString &path) override;
    OperationResult exportConfig(const QString &path) override;
    OperationResult importProfile(const QString &path) override;
    OperationResult exportProfile(int slot, const QString &path) override;
    QJsonObject settings(int slot) override;
    OperationResult setSetting(int slot, const QString &key, const QString &value) override;

    // The mouse's state as the window shows it now.
    MouseState currentState() const;
    // Hands the current state to the service, which announces what changed.
    void publishState();

private:
    ProfileOperations *operations() const;

    MousecfgWidget *m_window;
    MouseBusService *m_service;
};
