#pragma once

#include <QEvent>
#include <QObject>

namespace tabwise {

// Raises a signal whenever the watched object receives one kind of event, so that a handler can be
// connected to an event the widget itself has no signal for (a window's state change, a label's
// click). The event goes on to the object unchanged. Owned by the watched object.
class EventSignal : public QObject {
    Q_OBJECT
public:
    EventSignal(QObject* watched, QEvent::Type type);

Q_SIGNALS:
    void occurred();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QEvent::Type m_type;
};

} // namespace tabwise
