#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

namespace tabwise {

class OverlayPanel;

// Which panels lie over the pages, front to back: a panel that opens comes to the front, over any
// panel already open, and the one beneath is in front again when it closes.
class PanelStack : public QObject {
    Q_OBJECT
public:
    explicit PanelStack(QObject* parent = nullptr);

    // Watches PANEL from now on (it may be open already).
    void add(OverlayPanel* panel);
    // The panel in front; nullptr when the pages are in view.
    OverlayPanel* top() const;
    bool isEmpty() const { return m_open.isEmpty(); }
    // The title word of the frontmost panel that has one; empty when none has.
    QString titleWord() const;

Q_SIGNALS:
    // A panel opened or closed.
    void changed();

private:
    void panelOpenChanged(OverlayPanel* panel, bool open);

    QList<QPointer<OverlayPanel>> m_open; // back to front
};

} // namespace tabwise
