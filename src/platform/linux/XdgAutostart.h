#pragma once

#include "platform/Autostart.h"

namespace tabwise {

// Start at log-on through the freedesktop autostart folder of the current user.
class XdgAutostart : public Autostart {
public:
    FileWrite add(const QString& executablePath) override;
    FileWrite remove() override;
};

} // namespace tabwise
