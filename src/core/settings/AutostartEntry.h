#pragma once

#include <QString>

// The desktop's log-on autostart entry for the program: a desktop entry file "Tabwise.desktop"
// in the user's autostart folder.
namespace tabwise {

// The Exec value that starts the executable: quoted and escaped as desktop entries require.
QString desktopExecValue(const QString& executablePath);

// The whole text of the entry.
QString autostartEntryText(const QString& executablePath);

// $XDG_CONFIG_HOME/autostart (by default ~/.config/autostart).
QString autostartFolder();

} // namespace tabwise
