#include "shell/EventSignal.h"

namespace tabwise {

EventSignal::EventSignal(QObject* watched, QEvent::Type type)
    : QObject(watched)
    , m_type(type)
{
    watched->installEventFilter(this);
}

bool EventSignal::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == m_type)
        Q_EMIT occurred();
    return false;
}

} // namespace tabwise
