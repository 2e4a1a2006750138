#include "device/session/MouseSession.h"

#include "device/status/StatusThreadRunner.h"

MouseSession::MouseSession(HidBackend *backend, StatusThread status)
    : m_product(Product::load())
    , m_link(m_product, backend)
    , m_upload(m_link, m_statusControl, m_product)
{
    // Installs itself as the status control: from here on uploads pause and resume it.
    if (status == WithStatusThread)
        m_statusRunner = std::make_unique<StatusThreadRunner>(m_link, m_upload.state(), m_statusControl,
                                                              m_product.batteryFullMillivolts);
}

MouseSession::~MouseSession()
{
    // The status thread reads the handles; it ends before they close.
    m_statusRunner.reset();
    m_link.CloseDevice();
}
