#pragma once

namespace tabwise {

class SettingsStore;

// On a store that holds none of the program's start-up keys, writes the values that match the
// window's own design (shown, tabs named and visible, no start at log-on), so that the first start
// looks like every later one; the tabs' names are in the user's language. Does nothing once any of
// them exists: stored names are never changed.
void seedFirstStart(SettingsStore& store);

} // namespace tabwise
