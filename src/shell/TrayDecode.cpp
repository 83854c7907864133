#include "shell/TrayDecode.h"

#include <cmath>

namespace tabwise {

std::optional<int> trayMouseMessage(float xTwips, float twipsPerPixel)
{
    const float quotient = xTwips / twipsPerPixel;
    if (!(quotient >= -32768.5f && quotient <= 32767.5f)) // also refuses NaN
        return std::nullopt;
    // std::nearbyint rounds half-way cases to the even neighbour in the default rounding mode.
    const auto message = static_cast<int>(std::nearbyint(quotient));
    if (message < -32768 || message > 32767)
        return std::nullopt;
    return message;
}

TrayAction trayAction(float xTwips, float twipsPerPixel)
{
    switch (trayMouseMessage(xTwips, twipsPerPixel).value_or(0)) {
    case trayLeftDoubleClick: return TrayAction::ShowWindow;
    case trayRightButtonUp: return TrayAction::PopUpMenu;
    default: return TrayAction::None;
    }
}

} // namespace tabwise
