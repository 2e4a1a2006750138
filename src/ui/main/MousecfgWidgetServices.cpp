// The main window's services outside itself: the on-screen display, the firmware updater, the
// interface language and the battery notices with the tray tooltip.
#include "ui/main/MousecfgWidget.h"

#include "device/session/MouseSession.h"
#include "device/status/StatusThreadRunner.h"
#include "platform/DesktopNotifications.h"
#include "platform/OsdClient.h"
#include "storage/AppPaths.h"
#include "ui/main/AppSwitching.h"
#include "ui/main/BatteryAlerts.h"
#include "ui/main/ConnectionDisplay.h"
#include "ui/main/FirmwareUpdate.h"
#include "ui/main/HeaderBar.h"
#include "ui/main/LanguageButton.h"
#include "ui/main/LanguageSwitch.h"
#include "ui/main/TrayIcon.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

#include <QTimer>

namespace {
// The status thread rests this long while the texts change language.
constexpr int LanguagePauseMs = 500;
} // namespace

void MousecfgWidget::setUpServices()
{
    m_osd = new OsdClient(AppPaths::appDir() + QStringLiteral("/OSD"), OsdServerName(), this);
    m_firmware = new FirmwareUpdate(
        m_mouse.link(), [this] { m_statusThread->stop(); }, this, this);
    m_alerts = new BatteryAlerts(new DesktopNotifications(this), this);

    TarnPushButton *firmwareButton = m_header->firmwareButton();
    connect(firmwareButton, &TarnPushButton::EnterSignal, this, [this](TarnPushButton *button) {
        button->setChecked(false);
        // Out of the press handler: the question box must not open while the button is held down.
        QTimer::singleShot(0, m_firmware, &FirmwareUpdate::run);
    });
    LanguageButton *languageButton = m_header->languageButton();
    languageButton->setLanguages(m_languages->languages(), m_languages->current());
    connect(languageButton, &LanguageButton::languageChosen, this, [this](int index) {
        m_languages->choose(index);
        // The button names the chosen language even when its translation is missing.
        m_header->languageButton()->setCurrent(m_languages->current());
    });
    connect(m_languages, &LanguageSwitch::languageChanged, this, &MousecfgWidget::onLanguageChanged);
    refreshTrayToolTip();
    m_appSwitching = new AppSwitching(this);
}

void MousecfgWidget::showOsdText(const QString &text)
{
    emit osdTextRequested(text);
    OsdMessage message;
    message.text = text;
    message.color = AccentColor();
    m_osd->send(message);
}

void MousecfgWidget::onLanguageChanged(int)
{
    m_statusThread->stop();
    retranslateAll();
    // The fonts of the new language.
    relayoutAll();
    m_header->languageButton()->restyle();
    refreshTrayToolTip();
    QTimer::singleShot(LanguagePauseMs, this, [this] {
        if (m_mouse.link().CommandHandleOpen() && !m_statusThread->isRunning())
            m_statusThread->start();
    });
}

void MousecfgWidget::refreshTrayToolTip()
{
    if (m_tray)
        m_tray->icon()->setToolTip(BatteryAlerts::toolTip(m_connection->state(), m_mouse.product().name));
}
