#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>
#include <QVariantMap>

#include <functional>

// The desktop's standard "org.freedesktop.Application" interface: every call asks for the window.
class ApplicationAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    // Exports the interface for `parent`, the object registered on the bus; `activate` runs for every
    // call (a callback, not a signal: the adaptor's signals would show on the bus).
    ApplicationAdaptor(QObject *parent, std::function<void()> activate);

public slots:
    // Show, raise and activate the window; `platformData` (start-up token) is not used.
    void Activate(const QVariantMap &platformData);
    // The program opens no files: the same as Activate.
    void Open(const QStringList &uris, const QVariantMap &platformData);
    // The program has no desktop actions: the same as Activate.
    void ActivateAction(const QString &name, const QVariantList &parameter, const QVariantMap &platformData);

private:
    std::function<void()> m_activate;
};
