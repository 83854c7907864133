#pragma once

#include <QPoint>

class QWidget;

namespace tabwise {

// Keeps a window above all others, or lets other windows cover it again; also places its top-left
// corner at the given screen position.
class WindowZOrder {
public:
    virtual ~WindowZOrder() = default;
    virtual void setTopmost(QWidget* window, bool topmost, QPoint topLeft) = 0;
};

} // namespace tabwise
