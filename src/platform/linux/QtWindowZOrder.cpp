#include "platform/linux/QtWindowZOrder.h"

#include <QWidget>
#include <QWindow>

namespace tabwise {

void QtWindowZOrder::setTopmost(QWidget* window, bool topmost, QPoint topLeft)
{
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    // QWidget::setWindowFlags would hide a shown window and show it again, which the window takes
    // for a return from the tray. Instead the widget keeps the flag for any later native window,
    // and an existing native window is told directly: it changes its stacking in place.
    window->overrideWindowFlags(flags);
    if (QWindow* handle = window->windowHandle())
        handle->setFlags(flags);
    window->move(topLeft);
}

} // namespace tabwise
