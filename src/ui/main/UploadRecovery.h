#pragma once

#include <QObject>

class MouseSession;
class ProfileOperations;
class QWidget;

// After an upload that was cut (the mouse pulled out or gone silent midway), the mouse may hold half
// of the settings. When it comes back (plugged in, woken, or found at start) this offers once to send
// everything again, with the usual progress dialog.
class UploadRecovery : public QObject
{
    Q_OBJECT
public:
    // Offers through `operations` while `mouse` is open and awake, its boxes parented to `dialogParent`.
    UploadRecovery(MouseSession &mouse, ProfileOperations *operations, QWidget *dialogParent,
                   QObject *parent = nullptr);

    // The mouse is back: soon (outside the caller's handling), offers the full upload if it is due.
    void mouseCameBack();

private:
    void offer();

    MouseSession &m_mouse;
    ProfileOperations *m_operations;
    QWidget *m_dialogParent;
    bool m_offered = false; // asked since the upload was last cut
    bool m_pending = false;
};
