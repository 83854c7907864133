#pragma once

#include <QString>

namespace tabwise {

// The current user's list of programs started at log-on.
class Autostart {
public:
    virtual ~Autostart() = default;
    // Registers the executable under the name "Tabwise"; false when it could not be written.
    virtual bool add(const QString& executablePath) = 0;
    // Removes the registration; false when there was none or it could not be removed.
    virtual bool remove() = 0;
};

} // namespace tabwise
