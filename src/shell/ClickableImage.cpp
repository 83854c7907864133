#include "shell/ClickableImage.h"

#include <QMouseEvent>

namespace tabwise {

void ClickableImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT Click();
    QLabel::mouseReleaseEvent(event);
}

} // namespace tabwise
