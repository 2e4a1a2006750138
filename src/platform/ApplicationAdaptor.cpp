#include "platform/ApplicationAdaptor.h"

ApplicationAdaptor::ApplicationAdaptor(QObject *parent, std::function<void()> activate)
    : QDBusAbstractAdaptor(parent)
    , m_activate(std::move(activate))
{ }

void ApplicationAdaptor::Activate(const QVariantMap &)
{
    m_activate();
}

void ApplicationAdaptor::Open(const QStringList &, const QVariantMap &platformData)
{
    Activate(platformData);
}

void ApplicationAdaptor::ActivateAction(const QString &, const QVariantList &, const QVariantMap &platformData)
{
    Activate(platformData);
}
