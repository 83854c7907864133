#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace tabwise {

class NotifyIcon;

// The program's icon in the desktop's notification area and its menu (Help, About, Restore,
// Options, Exit), which is the icon's own context menu. Activating the icon asks for the window
// back; so does a tray that goes away while the window is hidden in it, so that the window can
// always be reached.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(NotifyIcon& notifyIcon, QWidget* window);

    QMenu* menu() const { return m_menu; }
    QAction* helpAction() const { return m_help; }
    QAction* aboutAction() const { return m_about; }
    QAction* restoreAction() const { return m_restore; }
    QAction* optionsAction() const { return m_options; }
    QAction* exitAction() const { return m_exit; }

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
    QAction* m_help;
    QAction* m_about;
    QAction* m_restore;
    QAction* m_options;
    QAction* m_exit;
    bool m_added = false;
};

} // namespace tabwise
