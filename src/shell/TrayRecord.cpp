#include "shell/TrayRecord.h"

#include <algorithm>
#include <cstring>

namespace tabwise {

TrayIconRecord makeTrayRecord(std::uint32_t window, std::uint32_t icon, const QString& tip)
{
    TrayIconRecord record;
    record.size = sizeof(TrayIconRecord);
    record.window = window;
    record.iconId = 1;
    record.flags = trayFlagMessage | trayFlagIcon | trayFlagTip;
    record.callbackMessage = trayCallbackMessage;
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

} // namespace tabwise
