#include "core/spelling/SpellingOptions.h"

#include "core/settings/SettingsStore.h"
#include "core/settings/ValueConversion.h"

namespace tabwise {

bool checksSpelling(const SettingsStore& store, int tabIndex)
{
    const std::optional<Key> key = checkSpellingKey(tabIndex);
    if (!key)
        return false;
    const std::optional<int> stored = toBoxState(store.read(*key));
    return stored ? *stored == 1 : *keyInfo(*key).designValue == '1';
}

} // namespace tabwise
