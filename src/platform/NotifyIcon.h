#pragma once

#include <functional>

class QMenu;
class QString;
class QWidget;

namespace tabwise {

// The program's icon in the desktop's notification area: a panel that speaks StatusNotifierItem
// over D-Bus (KDE Plasma, GNOME with AppIndicator, waybar ...) or an XEmbed system tray.
class NotifyIcon {
public:
    virtual ~NotifyIcon() = default;
    // Shows the window's icon with the tip and the menu as its own context menu, now or as soon as
    // a tray appears. Returns whether a tray shows it now.
    virtual bool addIcon(QWidget* owner, const QString& tip, QMenu* menu) = 0;
    virtual void removeIcon() = 0;
    // Whether a tray shows the icon (or would show one) right now.
    virtual bool available() const = 0;

    // The icon asks for the window back: a D-Bus tray's activation (a single click there), a
    // double-click in an XEmbed tray. A single click in an XEmbed tray asks nothing.
    std::function<void()> onActivated;
    // A tray appeared or went away; the argument is available() after the change.
    std::function<void(bool available)> onAvailabilityChanged;
};

} // namespace tabwise
