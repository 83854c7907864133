#pragma once

#include <QString>

class QWidget;

namespace tabwise {

class MainWindow;

// What the running copy does when a later start hands over to it: the window comes back in the
// normal state and to the front, as the tray menu's Restore brings it back; on Wayland with the
// later start's activation token, without which the desktop would not let it to the front. While
// the splash still shows, the window is not loaded yet; the request then waits for the splash to
// hand over.
void showRunningWindow(MainWindow& window, const QWidget& splash, const QString& activationToken = {});

} // namespace tabwise
