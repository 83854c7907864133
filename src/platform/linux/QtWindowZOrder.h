#pragma once

#include "platform/WindowZOrder.h"

namespace tabwise {

// Stay on top through the window's stay-on-top flag.
class QtWindowZOrder : public WindowZOrder {
public:
    void setTopmost(QWidget* window, bool topmost, QPoint topLeft) override;
};

} // namespace tabwise
