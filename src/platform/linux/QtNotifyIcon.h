#pragma once

#include "platform/NotifyIcon.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class QSystemTrayIcon;

namespace tabwise {

class TrayHosts;

// The notification-area icon over QSystemTrayIcon, with the menu as the icon's own context menu: a
// D-Bus tray draws it from the exported menu, an XEmbed tray pops it up on a right click. With no
// tray at all the icon waits; a tray that appears later gets it, and a D-Bus tray that starts
// (again) gets it anew.
class QtNotifyIcon : public QObject, public NotifyIcon {
    Q_OBJECT
public:
    QtNotifyIcon();
    ~QtNotifyIcon() override;
    bool addIcon(QWidget* owner, const QString& tip, QMenu* menu) override;
    void removeIcon() override;
    bool available() const override;

private:
    void showIcon();
    // Pops up the menu of an XEmbed icon at AT (where it was clicked).
    void popUpMenu(QPoint at);
    void openMenu(QPoint at, int tries);
    void traysChanged();

    TrayHosts* m_hosts;
    QSystemTrayIcon* m_icon = nullptr;
    QPointer<QWidget> m_owner;
    QPointer<QMenu> m_menu;
    QString m_tip;
    bool m_wanted = false;
    bool m_wasAvailable = false;
};

} // namespace tabwise
