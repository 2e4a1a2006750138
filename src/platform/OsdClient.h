#pragma once

#include "platform/OsdMessage.h"

#include <QObject>
#include <QTimer>

#include <functional>

class LocalSocket;

// Hands notices to the on-screen display companion over its local socket without ever waiting for
// it: when the companion is not listening it is started, and looked for again every 500 ms, at most
// five starts per notice; then the notice is dropped silently. A notice given while an earlier one
// is still on its way replaces it.
class OsdClient : public QObject
{
    Q_OBJECT
public:
    // Starts of the companion for one notice, and the pause after each.
    static constexpr int MaxStarts = 5;
    static constexpr int RetryDelayMs = 500;
    // Starts `program` detached; true when it started.
    using Starter = std::function<bool(const QString &program)>;

    // A client of the companion `program` listening on `serverName`.
    OsdClient(const QString &program, const QString &serverName, QObject *parent = nullptr);

    // Replaces how the companion is started (tests).
    void setStarter(Starter starter) { m_starter = std::move(starter); }
    // Sends `message`, or makes it the one to send once the companion answers.
    void send(const OsdMessage &message);
    // True while a notice waits for the companion.
    bool isWaiting() const { return m_waiting; }
    // Starts made for the current (or last) notice.
    int startsMade() const { return m_starts; }

signals:
    // The notice reached the companion.
    void delivered();
    // The companion could not be reached; the notice was dropped.
    void dropped();

private:
    void connectToCompanion();
    void deliver(LocalSocket *socket);
    void onFailed();

    QString m_program;
    QString m_serverName;
    Starter m_starter;
    QTimer m_retry;
    QByteArray m_pending;
        int m_starts = 0;
    bool m_waiting = false;
};
