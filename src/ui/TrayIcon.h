#pragma once

#include "core/TrayMessages.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace tabwise {

class NotifyIcon;

// The program's icon in the desktop's notification area and its menu (Help, About, Restore,
// Options, Exit). The icon's mouse messages come in as the platform delivers them: a left
// double-click asks for the window back, the right button's release pops the menu up at the
// pointer.
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

    // Adds the icon, with the tip "Tabwise"; false when the desktop has no notification area.
    bool add();
    void remove();
    // Whether the desktop has a notification area right now.
    bool available() const;
    const TrayIconRecord& record() const { return m_record; }

    // One mouse message of the icon, as the window receives it (see core/TrayMessages.h).
    void handleMouseMessage(int message);

Q_SIGNALS:
    // A left double-click on the icon.
    void doubleClicked();

private:
    NotifyIcon& m_notifyIcon;
    QWidget* m_window;
    TrayIconRecord m_record;
    QMenu* m_menu;
    QAction* m_help;
    QAction* m_about;
    QAction* m_restore;
    QAction* m_options;
    QAction* m_exit;
};

} // namespace tabwise
