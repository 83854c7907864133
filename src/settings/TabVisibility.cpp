// Tabs 2 to 5 shown or hidden as the show keys say, after OK.
#include "shell/Form1.h"

#include "settings/SettingsStore.h"
#include "settings/ValueConversion.h"
#include "shell/TabControl.h"

#include <QCheckBox>

namespace tabwise {

void Form1::ShowTabsFromSettings()
{
    applyTabVisibility(1.0, true);
}

void Form1::HideTabsFromSettings()
{
    applyTabVisibility(0.0, false);
}

// One pass: every tab whose stored value equals the acting value gets the pass's visibility; the
// first tab is always shown and has no show box.
void Form1::applyTabVisibility(double acting, bool visible)
{
    std::array<QString, pageCount> stored;
    for (int tab = 1; tab < pageCount; ++tab)
        stored[std::size_t(tab)] = m_settings.read(showKey(tab));

    for (int tab = 1; tab < pageCount; ++tab)
        showBox(tab)->setChecked(true);
    for (int tab = 1; tab < pageCount; ++tab) {
        if (toNumber(stored[std::size_t(tab)]) == acting) {
            SSTab1->setTabVisibleAt(tab, visible);
            showBox(tab)->setChecked(visible);
        }
    }
    // A value that is no box state (another program rewrote it meanwhile) leaves its box alone.
    for (int tab = 1; tab < pageCount; ++tab) {
        if (const std::optional<int> state = toBoxState(stored[std::size_t(tab)]))
            showBox(tab)->setChecked(*state == 1);
    }
}

} // namespace tabwise
