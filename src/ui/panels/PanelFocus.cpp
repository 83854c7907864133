#include "ui/panels/PanelFocus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tabwise {

namespace {

bool takesTabFocus(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled()
        && !widget->focusProxy();
}

} // namespace

void PanelFocus::keep(QWidget* panel)
{
    auto* keeper = new PanelFocus(panel);
    panel->installEventFilter(keeper);
    for (QWidget* control : panel->findChildren<QWidget*>()) {
        if (control->focusPolicy() & Qt::TabFocus)
            control->installEventFilter(keeper);
    }
}

PanelFocus::PanelFocus(QWidget* panel)
    : QObject(panel)
{
}

QWidget* PanelFocus::panel() const
{
    return static_cast<QWidget*>(parent());
}

QWidget* PanelFocus::stepWithin(QWidget* from, bool forward) const
{
    for (QWidget* w = forward ? from->nextInFocusChain() : from->previousInFocusChain(); w != from;
         w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (takesTabFocus(w))
            return panel()->isAncestorOf(w) ? w : nullptr;
    }
    return nullptr;
}

QWidget* PanelFocus::firstOrLast(bool first) const
{
    QWidget* found = nullptr;
    for (QWidget* w = panel()->nextInFocusChain(); w != panel(); w = w->nextInFocusChain()) {
        if (panel()->isAncestorOf(w) && takesTabFocus(w)) {
            found = w;
            if (first)
                break;
        }
    }
    return found;
}

bool PanelFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panel()) {
        if (event->type() == QEvent::Show) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus || !panel()->isAncestorOf(focus)) {
                if (QWidget* first = firstOrLast(true))
                    first->setFocus(Qt::TabFocusReason);
            }
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!plain || (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab))
        return false;
    const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
    auto* from = static_cast<QWidget*>(watched);
    if (stepWithin(from, forward))
        return false; // the usual step stays inside the panel
    if (QWidget* wrapped = firstOrLast(forward)) {
        wrapped->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

} // namespace tabwise
