#pragma once

#include "platform/GlobalKey.h"

#include <memory>

namespace tabwise {

// The global key as this desktop offers it: a key grabbed on the X11 root window, a shortcut of the
// desktop portal on Wayland where the desktop has one, else none (the desktop's own shortcut
// settings then run `tabwise --toggle`).
std::unique_ptr<GlobalKey> makeGlobalKey();

} // namespace tabwise
