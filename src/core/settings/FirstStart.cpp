#include "core/settings/FirstStart.h"

#include "core/settings/SettingsStore.h"

#include <algorithm>

namespace tabwise {

void seedFirstStart(SettingsStore& store)
{
    const auto isStartupKey = [](const KeyInfo& info) { return info.designValue != nullptr; };
    const bool anyStored = std::any_of(keyTable.begin(), keyTable.end(),
        [&](const KeyInfo& info) { return isStartupKey(info) && store.contains(info.key); });
    if (anyStored)
        return;
    for (const KeyInfo& info : keyTable) {
        if (isStartupKey(info))
            store.write(info.key, QString::fromUtf8(info.designValue));
    }
}

} // namespace tabwise
