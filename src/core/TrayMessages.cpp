#include "core/TrayMessages.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tabwise {

TrayIconRecord makeTrayRecord(std::uint32_t window, std::uint32_t icon, const QString& tip)
{
    TrayIconRecord record;
    record.size = sizeof(TrayIconRecord);
    record.window = window;
    record.iconId = 1;
    record.flags = trayFlagMessage | trayFlagIcon | trayFlagTip;
    record.callbackMessage = traymsg::leftButtonDown;
    record.icon = icon;
    // Single-byte characters: what Latin-1 cannot hold becomes '?'.
    QByteArray bytes = tip.toLatin1();
    bytes.append('\0');
    std::memset(record.tip, ' ', sizeof record.tip);
    std::memcpy(record.tip, bytes.constData(), std::min<std::size_t>(std::size_t(bytes.size()), sizeof record.tip));
    return record;
}

QString trayTipText(const TrayIconRecord& record)
{
    const char* end = static_cast<const char*>(std::memchr(record.tip, '\0', sizeof record.tip));
    const auto length = end ? end - record.tip : qsizetype(sizeof record.tip);
    return QString::fromLatin1(record.tip, length);
}

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
    case traymsg::leftDoubleClick: return TrayAction::ShowWindow;
    case traymsg::rightButtonUp: return TrayAction::PopUpMenu;
    default: return TrayAction::None;
    }
}

} // namespace tabwise
