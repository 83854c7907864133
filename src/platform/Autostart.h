#pragma once

#include "core/page/AtomicFile.h"

#include <QString>

namespace tabwise {

// The current user's list of programs started at log-on.
class Autostart {
public:
    virtual ~Autostart() = default;
    // Registers the program under the name "Tabwise", replacing the entry as a whole.
    virtual FileWrite add() = 0;
    // Removes the registration; having none is no failure.
    virtual FileWrite remove() = 0;
};

} // namespace tabwise
