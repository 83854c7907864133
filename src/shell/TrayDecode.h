#pragma once

#include <optional>

namespace tabwise {

// The tray icon's own mouse messages that the main window acts on.
inline constexpr int trayLeftDoubleClick = 515;
inline constexpr int trayRightButtonUp = 517;

// A tray event reaches the window as a left-button press whose X coordinate carries the event's own
// mouse message, converted to twips. Dividing by the screen's twips per pixel (single precision)
// and rounding to the nearest 16-bit integer, ties to even, gives the message back. A quotient
// outside the 16-bit range gives nothing.
std::optional<int> trayMouseMessage(float xTwips, float twipsPerPixel);

// What the window does for a tray event: a left double-click brings the window back, the right
// button's release pops up the tray menu, everything else is ignored.
enum class TrayAction { None, ShowWindow, PopUpMenu };
TrayAction trayAction(float xTwips, float twipsPerPixel);

} // namespace tabwise
