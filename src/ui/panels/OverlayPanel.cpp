#include "ui/panels/OverlayPanel.h"

#include "ui/common/Measures.h"
#include "ui/panels/PanelFocus.h"

#include <QShortcut>

namespace tabwise {

OverlayPanel::OverlayPanel(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
    setGeometry(measure::panelRect());
    setAutoFillBackground(true);
    QGroupBox::setVisible(false);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &OverlayPanel::dismiss);
}

void OverlayPanel::setVisible(bool visible)
{
    // Shown again while open, it comes to the front.
    const bool wasOpen = !isHidden();
    QGroupBox::setVisible(visible);
    if (visible || wasOpen)
        Q_EMIT openChanged(visible);
}

void OverlayPanel::keepFocusInside()
{
    PanelFocus::keep(this);
}

} // namespace tabwise
