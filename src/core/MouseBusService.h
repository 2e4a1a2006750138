#pragma once

#include "core/MouseState.h"
#include "core/OperationResult.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>

class MouseEngine;

// The object behind "org.mousecfg.Mouse1" at /org/mousecfg/Mouse: holds the mouse's state as the
// window last showed it, announces its changes with PropertiesChanged, and hands the calls to the
// window's engine. Register it through AppBusName before the name is owned; the engine may come later.
class MouseBusService : public QObject, protected QDBusContext
{
    Q_OBJECT
public:
    // The object path.
    static QString objectPath();
    // The interface name.
    static QString interfaceName();

    // Announces changes on `bus`; creates the interface's adaptor.
    explicit MouseBusService(const QDBusConnection &bus, QObject *parent = nullptr);

    // The engine that carries out the calls (not owned); calls before one is set fail as "no mouse".
    void setEngine(MouseEngine *engine) { m_engine = engine; }
    // The engine, or null.
    MouseEngine *engine() const { return m_engine; }
    // The state shown by the properties.
    const MouseState &state() const { return m_state; }
    // Takes a new state and sends PropertiesChanged with the properties that differ.
    void setState(const MouseState &state);
    // Answers the D-Bus call being delivered with the error of exit code `exitCode` and `message`
    // (the call context of an adaptor's slot is its object's).
    void replyError(int exitCode, const QString &message);

private:
    QDBusConnection m_bus;
    MouseEngine *m_engine = nullptr;
    MouseState m_state;
};
