#pragma once

#include "platform/OpenTarget.h"

namespace tabwise {

// Opens addresses through the desktop (xdg-open, or the desktop portal inside a sandbox).
class QtOpenTarget : public OpenTarget {
public:
    bool open(const QUrl& url) override;
};

} // namespace tabwise
