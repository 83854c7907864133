#pragma once

#include <QString>

#include <cstdint>

namespace tabwise {

// The notification-area record of the main window, in its first, 88-byte, single-byte form.
struct TrayIconRecord {
    std::uint32_t size = 0;            // 88, the size of the record
    std::uint32_t window = 0;          // the main window's handle
    std::uint32_t iconId = 0;          // 1
    std::uint32_t flags = 0;           // 7: message + icon + tip
    std::uint32_t callbackMessage = 0; // 513, left-button-down
    std::uint32_t icon = 0;            // the window icon's handle
    char tip[64] = {};                 // tip + NUL, the rest filled with spaces, cut at 64
};
static_assert(sizeof(TrayIconRecord) == 88, "the tray record is 88 bytes");

inline constexpr std::uint32_t trayFlagMessage = 1;
inline constexpr std::uint32_t trayFlagIcon = 2;
inline constexpr std::uint32_t trayFlagTip = 4;
inline constexpr std::uint32_t trayCallbackMessage = 513;

TrayIconRecord makeTrayRecord(std::uint32_t window, std::uint32_t icon, const QString& tip);

// The tip text the record carries: the field up to its NUL (all 64 characters when it has none).
QString trayTipText(const TrayIconRecord& record);

} // namespace tabwise
