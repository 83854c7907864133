#include "ui/panels/RuledFrame.h"

#include <QPainter>

namespace tabwise {

RuledFrame::RuledFrame(const QString& caption, QList<QLine> rules, QWidget* parent)
    : QGroupBox(caption, parent)
    , m_rules(std::move(rules))
{
}

void RuledFrame::paintEvent(QPaintEvent* event)
{
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLines(m_rules);
}

} // namespace tabwise
