#pragma once

#include "ui/main/BatteryDisplayState.h"

#include "ui/widgets/SkinPicture.h"

#include <QWidget>

class DeviceLink;
class QLabel;
class TarnProcessbar;

// The footer's connection area: the connection picture, the receiver and charging icons and the
// battery bar, driven by the battery reports and the device table's presence facts.
class ConnectionDisplay : public QWidget
{
    Q_OBJECT
public:
    // Starts from the level last saved in the settings; reads the presence facts of `link`.
    explicit ConnectionDisplay(const DeviceLink &link, QWidget *parent = nullptr);

    // Takes a battery report of the status thread.
    void showBatteryReport(const BatteryReport &report);
    // Works out the connection state from the device table and shows it.
    void refreshConnectionState();
    // Places the parts again at the current scale.
    void relayout();
    // Sets the texts again through the translator.
    void retranslate();

    // The state shown.
    const BatteryDisplayState &state() const { return m_state; }
    // The battery bar.
    TarnProcessbar *batteryBar() const { return m_bar; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applyBarLook();

    const DeviceLink &m_link;
    BatteryDisplayState m_state;
    TarnProcessbar *m_bar;
    QLabel *m_receiverIcon;
    QLabel *m_chargingIcon;
    SkinPicture m_picture;
    SkinPicture m_receiverPicture { QStringLiteral("/dongle.png") };
    SkinPicture m_chargingPicture { QStringLiteral("/lightning.png") };
};
