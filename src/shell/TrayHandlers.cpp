// The tray icon's mouse messages and the tray menu.
#include "shell/Form1.h"

namespace tabwise {

void Form1::connectTrayHandlers() {}

} // namespace tabwise
