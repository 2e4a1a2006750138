#pragma once

#include "platform/ActiveWindowWatcher.h"

#include <QJsonObject>

class LocalSocket;

// The sway watcher: a connection of its own to sway's IPC socket subscribes to window events; the
// focused container's app_id (Wayland windows) or X11 instance and class (XWayland windows) and its
// process id describe the window in front.
class SwayActiveWindowWatcher : public ActiveWindowWatcher
{
    Q_OBJECT
public:
    // A watcher for the sway listening on `socketPath` ($SWAYSOCK by default).
    explicit SwayActiveWindowWatcher(const QString &socketPath = QString(), QObject *parent = nullptr);
    ~SwayActiveWindowWatcher() override;

    bool start() override;
    void stop() override;
    QVector<ActiveWindow> openWindows() const override;

    // What one container of sway's tree tells about its window; empty for workspaces and outputs.
    static ActiveWindow describe(const QJsonObject &container);
    // The focused container of a tree, or an empty object when no node has the focus.
    static QJsonObject focusedContainer(const QJsonObject &node);

private:
    void readMessages();
    void handle(quint32 type, const QByteArray &payload);
    void send(quint32 type, const QByteArray &payload);
    void report(const QJsonObject &container);

    QString m_socketPath;
    LocalSocket *m_socket = nullptr;
    QByteArray m_buffer;
    qint64 m_focusedId = -1;
    ActiveWindow m_last;
};
