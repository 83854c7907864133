#pragma once

#include <QString>

// The user's own folders, as the XDG base-directory rules name them. A variable that is unset,
// empty or relative is ignored (a relative value is invalid; Qt would take it relative to the
// working folder).
namespace tabwise {

// $XDG_CONFIG_HOME, or ~/.config.
QString userConfigFolder();
// $XDG_STATE_HOME, or ~/.local/state: what the program keeps for itself between runs.
QString userStateFolder();
// $XDG_DATA_HOME, or ~/.local/share: what the user keeps with the program (their own words).
QString userDataFolder();

// A short name that stands for one application folder, the same for every spelling of it (links,
// "..", a final "/"): the program's own state for that folder is kept under this name.
QString folderId(const QString& appFolder);

} // namespace tabwise
