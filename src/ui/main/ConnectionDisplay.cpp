#include "ui/main/ConnectionDisplay.h"

#include "device/link/DeviceLink.h"
#include "storage/AppSettings.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/TarnProcessbar.h"
#include "ui/widgets/Theme.h"

#include <QLabel>
#include <QPainter>

namespace {
// The area in design units of the window: connection picture at (69, 581), 86 x 47, then the
// receiver icon and the battery bar to its right.
constexpr int AreaX = 69;
constexpr int AreaY = 578;
QLabel *createIcon(const QString &objectName, QWidget *parent)
{
    auto *icon = new QLabel(parent);
    icon->setObjectName(objectName);
    icon->setStyleSheet(QStringLiteral("background:transparent;"));
    return icon;
}
} // namespace

ConnectionDisplay::ConnectionDisplay(const DeviceLink &link, QWidget *parent)
    : QWidget(parent)
    , m_link(link)
    , m_state(LoadBattery())
    , m_bar(new TarnProcessbar(this))
    , m_receiverIcon(createIcon(QStringLiteral("receiverIcon"), this))
    , m_chargingIcon(createIcon(QStringLiteral("chargingIcon"), this))
{
    setObjectName(QStringLiteral("ConnectionDisplay"));
    m_bar->setObjectName(QStringLiteral("batteryBar"));
    m_bar->setValue(m_state.level());
    m_chargingIcon->hide();
    retranslate();
    relayout();
}

void ConnectionDisplay::showBatteryReport(const BatteryReport &report)
{
    const bool cable = m_link.CableCommandPresent();
    if (m_state.takeReport(report, cable))
        SaveBattery(m_state.level());
    m_chargingIcon->hide();
    if (m_state.mouseOff()) {
        m_bar->setBarText(tr("MOUSE OFF"));
        m_bar->setProgressTextShown(false);
    } else {
        m_bar->setBarText(QString());
        m_bar->setProgressTextShown(true);
        m_bar->setFormat(m_state.progressFormat());
        m_bar->setValue(m_state.barValue());
    }
    applyBarLook();
    refreshConnectionState();
}

void ConnectionDisplay::refreshConnectionState()
{
    m_state.updateConnection(m_link.CableCommandPresent(), m_link.ReceiverCommandPresent());
    m_receiverIcon->setVisible(m_state.receiverIconShown());
    m_bar->setVisible(m_state.batteryBarShown());
    m_chargingIcon->hide();
    if (m_picture.relative() != m_state.connectionPicture())
        m_picture = SkinPicture(m_state.connectionPicture());
    setAccessibleDescription(m_state.receiverIconShown() ? tr("Connected through the receiver")
                                 : m_state.connectionState() == BatteryDisplayState::Cable
                                 ? tr("Connected by cable")
                                 : tr("Not connected"));
    update();
}

void ConnectionDisplay::relayout()
{
    PlaceWidget(this, AreaX, AreaY, 250, 54);
    m_receiverIcon->setGeometry(ScaledRect(96, 12, 30, 30));
    m_chargingIcon->setGeometry(ScaledRect(96, 12, 30, 30));
    m_receiverIcon->setPixmap(m_receiverPicture.at(m_receiverIcon->size(), devicePixelRatioF()));
    m_chargingIcon->setPixmap(m_chargingPicture.at(m_chargingIcon->size(), devicePixelRatioF()));
    m_bar->setGeometry(ScaledRect(134, 16, 110, 22));
    applyBarLook();
    update();
}

void ConnectionDisplay::retranslate()
{
    setAccessibleName(tr("Connection and battery"));
    m_bar->setAccessibleName(tr("Battery level"));
    m_receiverIcon->setAccessibleName(tr("Receiver"));
    m_chargingIcon->setAccessibleName(tr("Charging"));
    if (m_state.mouseOff())
        m_bar->setBarText(tr("MOUSE OFF"));
}

void ConnectionDisplay::applyBarLook()
{
    m_bar->setStyleSheet(m_state.styleSheet(UiScale(), AccentColorCss()));
}

void ConnectionDisplay::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    m_picture.draw(painter, ScaledRect(0, 3, 86, 47));
}
