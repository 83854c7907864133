#pragma once

#include <functional>

class QWidget;

namespace tabwise {

struct TrayIconRecord;

// The icon in the desktop's notification area (system tray).
class NotifyIcon {
public:
    static constexpr int Add = 0;
    static constexpr int Delete = 2;

    virtual ~NotifyIcon() = default;
    // Adds or removes the icon described by the record; owner is the window the record names.
    // Returns whether the desktop took the command.
    virtual bool notify(int command, const TrayIconRecord& record, QWidget* owner) = 0;
    // Whether the desktop has a notification area at all right now.
    virtual bool available() const = 0;
    // Each mouse message of the icon (515 left double-click, 517 right-button release, ...) is
    // handed to the window through this callback.
    std::function<void(int message)> onMouseMessage;
};

} // namespace tabwise
