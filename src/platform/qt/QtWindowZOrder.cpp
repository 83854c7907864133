#include "platform/qt/QtWindowZOrder.h"

#include <QWidget>

namespace tabwise {

void QtWindowZOrder::setTopmost(QWidget* window, bool topmost, QPoint topLeft)
{
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost); // hides a visible window
    window->move(topLeft);
    if (wasVisible)
        window->show();
}

} // namespace tabwise
