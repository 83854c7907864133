#include "ui/window/PanelStack.h"

#include "ui/panels/OverlayPanel.h"

namespace tabwise {

PanelStack::PanelStack(QObject* parent)
    : QObject(parent)
{
}

void PanelStack::add(OverlayPanel* panel)
{
    connect(panel, &OverlayPanel::openChanged, this, [this, panel](bool open) { panelOpenChanged(panel, open); });
    if (!panel->isHidden())
        panelOpenChanged(panel, true);
}

void PanelStack::panelOpenChanged(OverlayPanel* panel, bool open)
{
    m_open.removeAll(panel);
    m_open.removeAll(nullptr);
    if (open) {
        m_open.append(panel);
        panel->raise();
    }
    Q_EMIT changed();
}

OverlayPanel* PanelStack::top() const
{
    return m_open.isEmpty() ? nullptr : m_open.last().data();
}

QString PanelStack::titleWord() const
{
    for (auto panel = m_open.crbegin(); panel != m_open.crend(); ++panel) {
        if (*panel && !(*panel)->titleWord().isEmpty())
            return (*panel)->titleWord();
    }
    return {};
}

} // namespace tabwise
