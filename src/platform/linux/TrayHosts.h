#pragma once

#include <QObject>

class QDBusServiceWatcher;
class QTimer;

namespace tabwise {

// Which trays the desktop has right now, without asking Qt's tray icon: Qt decides once per process,
// when the first icon is made, between a StatusNotifierWatcher on the session bus and an XEmbed
// tray, so nothing may make an icon before a tray exists. The watcher's name is watched on the
// session bus; the XEmbed tray's selection is looked at once a second on X11.
class TrayHosts : public QObject {
    Q_OBJECT
public:
    explicit TrayHosts(QObject* parent = nullptr);

    // Starts or stops watching (no look at the X server while nobody needs it).
    void watch(bool on);
    bool statusNotifierWatcher() const;
    bool xembedTray() const { return m_xembed; }

Q_SIGNALS:
    // A StatusNotifierWatcher registered on the session bus (also one that restarted).
    void watcherRegistered();
    // Any tray came or went.
    void changed();

private:
    void lookAtX();

    QDBusServiceWatcher* m_watcher = nullptr;
    QTimer* m_poll = nullptr;
    bool m_xembed = false;
};

} // namespace tabwise
