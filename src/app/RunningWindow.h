#pragma once

class QWidget;

namespace tabwise {

// What the running copy does when a later start hands over to it: the window comes back in the
// normal state, as the tray menu's Restore brings it back, and comes to the front.
void showRunningWindow(QWidget& window);

} // namespace tabwise
