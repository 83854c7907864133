#pragma once

#include "platform/OpenTarget.h"

namespace tabwise {

// Opens targets through the desktop (xdg-open), the target always handed over as one argument.
class QtOpenTarget : public OpenTarget {
public:
    void open(QWidget* owner, const QString& operation, const QString& target, int showCommand) override;
};

} // namespace tabwise
