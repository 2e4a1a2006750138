#pragma once

#include <QObject>

#include <functional>

class DeviceLink;
class QWidget;

// Hands the mouse over to the external firmware updater: only by cable, only after the user agrees;
// then the status thread stops, the updater starts detached and this process ends at once, so that
// the updater has the mouse to itself.
class FirmwareUpdate : public QObject
{
    Q_OBJECT
public:
    // Starts a program detached; true when it started.
    using Starter = std::function<bool(const QString &program)>;
    // Ends the process with a code.
    using Exit = std::function<void(int code)>;

    // Checks the cable on `link`; `stopStatusThread` stops the status thread before the hand-over;
    // boxes open over `dialogParent`.
    FirmwareUpdate(const DeviceLink &link, std::function<void()> stopStatusThread, QWidget *dialogParent,
                   QObject *parent = nullptr);

    // The updater: AppDir + "/skin/mouse/bin/RX71QA-UPD-VER1.3".
    static QString updaterPath();

    // Asks and hands over when the mouse is on its cable; otherwise tells the user to connect it.
    void run();

    // Replace how the updater is started and how the process ends (tests).
    void setStarter(Starter starter) { m_starter = std::move(starter); }
    void setExit(Exit exit) { m_exit = std::move(exit); }

private:
    const DeviceLink &m_link;
    std::function<void()> m_stopStatusThread;
    QWidget *m_dialogParent;
    Starter m_starter;
    Exit m_exit;
};
