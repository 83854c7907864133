#pragma once

#include <QString>

class QWidget;

namespace tabwise {

class MainWindow;

// What the running copy does when a later start hands over to it: the window comes back in the
// normal state and to the front, as the tray menu's Restore brings it back; for --toggle, a window
// that is shown and active is hidden instead. On Wayland the later start's activation token goes
// with it, without which the desktop would not let the window to the front. While the splash still
// shows, the window is not loaded yet; the request then waits for the splash to hand over, and
// shows the window.
void showRunningWindow(MainWindow& window, const QWidget& splash, bool toggle = false,
                       const QString& activationToken = {});

} // namespace tabwise
