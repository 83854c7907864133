#include "core/settings/FirstStart.h"

#include "core/captions/Titles.h"
#include "core/page/PageTable.h"
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
        if (!isStartupKey(info))
            continue;
        // The tabs are named in the user's language; from now on the names are the user's own.
        const int tab = static_cast<int>(info.key) - static_cast<int>(Key::TabName1);
        store.write(
            info.key, tab >= 0 && tab < pageCount ? defaultTabCaption(tab) : QString::fromUtf8(info.designValue));
    }
}

} // namespace tabwise
