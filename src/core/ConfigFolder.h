#pragma once

#include <QString>

namespace tabwise {

// The user's config folder: $XDG_CONFIG_HOME, or ~/.config when it is unset, empty or relative
// (a relative value is invalid and ignored, as the XDG base-directory rules say; Qt would take it
// relative to the working folder).
QString userConfigFolder();

} // namespace tabwise
