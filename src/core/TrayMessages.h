#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The notification-area icon as the program describes it to the desktop, and the icon's mouse
// messages as they reach the window. Every message number is defined here and nowhere else.
namespace tabwise {

namespace traymsg {
inline constexpr int mouseMove = 512;
inline constexpr int leftButtonDown = 513; // also the record's callback message
inline constexpr int leftButtonUp = 514;
inline constexpr int leftDoubleClick = 515;
inline constexpr int rightButtonDown = 516;
inline constexpr int rightButtonUp = 517;
inline constexpr int middleButtonUp = 520;
} // namespace traymsg

// The icon's record in its first, 88-byte, single-byte form.
struct TrayIconRecord {
    std::uint32_t size = 0; // 88, the size of the record
    std::uint32_t window = 0; // the main window's handle
    std::uint32_t iconId = 0; // 1
    std::uint32_t flags = 0; // 7: message + icon + tip
    std::uint32_t callbackMessage = 0; // left-button-down
    std::uint32_t icon = 0; // the window icon's handle
    char tip[64] = {}; // tip + NUL, the rest filled with spaces, cut at 64
};
static_assert(sizeof(TrayIconRecord) == 88, "the tray record is 88 bytes");

inline constexpr std::uint32_t trayFlagMessage = 1;
inline constexpr std::uint32_t trayFlagIcon = 2;
inline constexpr std::uint32_t trayFlagTip = 4;

TrayIconRecord makeTrayRecord(std::uint32_t window, std::uint32_t icon, const QString& tip);

// The tip text the record carries: the field up to its NUL (all 64 characters when it has none).
QString trayTipText(const TrayIconRecord& record);

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
