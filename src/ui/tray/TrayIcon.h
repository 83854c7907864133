#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace tabwise {

class NotifyIcon;

// The program's icon in the desktop's notification area and its menu (Help, About, Restore,
// Options, Exit: the window's own actions), which is the icon's own context menu. Activating the
// icon asks for the window back; so does a tray that goes away while the window is hidden in it,
// so that the window can always be reached.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    // The menu holds ENTRIES in order; a null entry is a separator.
    TrayIcon(NotifyIcon& notifyIcon, QWidget* window, const QList<QAction*>& entries);

    QMenu* menu() const { return m_menu; }

    // Adds the icon, with the tip "Tabwise"; false when the desktop has no tray right now (a tray
    // that comes later still gets the icon).
    bool add();
    void remove();
    // Whether the desktop has a tray right now.
    bool available() const;

Q_SIGNALS:
    // The icon was activated, or the tray holding the hidden window went away: the window is asked
    // back.
    void activated();

private:
    void trayAvailabilityChanged(bool available);

    NotifyIcon& m_notifyIcon;
    QWidget* m_window;
    QMenu* m_menu;
    bool m_added = false;
};

} // namespace tabwise
