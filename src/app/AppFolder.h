#pragma once

#include <QString>

namespace tabwise {

// The folder that holds the page files: the folder of the executable, as for a portable copy; or,
// for an installed copy whose executable lives in a folder the user cannot write, the folder the
// launcher names in the environment variable TABWISE_APP_FOLDER (created when missing).
QString applicationFolder();

// What starts this program at log-on: the installed launcher that started it, which names itself in
// TABWISE_LAUNCHER (it gives the program its application folder), or else the executable itself.
QString startCommand();

} // namespace tabwise
