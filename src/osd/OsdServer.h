#pragma once

#include "platform/OsdMessage.h"

#include <QObject>

class LocalServer;
class LocalSocket;

// The companion's end of the display link: listens on the display's local socket and reads the
// fixed-size notices that clients write.
class OsdServer : public QObject
{
    Q_OBJECT
public:
    // A server not yet listening.
    explicit OsdServer(QObject *parent = nullptr);

    // Listens on `name`, taking over a socket left behind by an ended companion (the caller holds the
    // companion's instance lock, so no live one owns it). False when listening failed.
    bool listen(const QString &name);
    // The name listened on.
    QString serverName() const;

signals:
    // A complete notice arrived.
    void messageReceived(const OsdMessage &message);

private:
    void accept();
    void read(LocalSocket *socket);

    LocalServer *m_server;
};
