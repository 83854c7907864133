#pragma once

namespace tabwise {

class SettingsStore;

// Whether the page at TAB_INDEX checks its spelling: its stored "Check Spelling" state, or the
// design's (Notes and Other on, Phone Numbers off) when none or no box state is stored. List pages
// never do.
bool checksSpelling(const SettingsStore& store, int tabIndex);

} // namespace tabwise
