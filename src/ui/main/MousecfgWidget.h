#pragma once

#include <QPoint>
#include <QWidget>

class DeviceSession;

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

private:
    DeviceSession *m_session = nullptr;
    bool m_dragging = false;
    QPoint m_pressGlobal;
    QPoint m_pressTopLeft;
};
