#pragma once

#include <QPoint>
#include <QWidget>

class DeviceSession;
class StatusThreadRunner;

// The utility's one top-level window: frameless and skinned; closing it only hides it.
class MousecfgWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MousecfgWidget(QWidget *parent = nullptr);
    ~MousecfgWidget() override;

    // Number of device entries whose mouse and command interfaces are both present.
    int connectedCount() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private slots:
    // Shows the window when start-up found no mouse (the entry point shows it otherwise).
    void slotWarning();
    // A battery report from the status thread; all three values zero mean the mouse is off.
    void slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    // The status byte of a battery report; 0 means the mouse lost what it was sent.
    void slotRefreshWriteStatus(quint8 iStatus);

private:
    StatusThreadRunner *m_statusThread = nullptr;
    DeviceSession *m_session = nullptr;
    bool m_dragging = false;
    QPoint m_pressGlobal;
    QPoint m_pressTopLeft;
};
