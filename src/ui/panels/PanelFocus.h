#pragma once

#include <QObject>

class QWidget;

namespace tabwise {

// Keeps the keyboard focus inside a panel that covers the pages (the options and About panels):
// when the panel appears the focus moves into it, and Tab and Shift+Tab go round its own controls
// instead of wandering on to the page controls hidden underneath.
class PanelFocus : public QObject {
    Q_OBJECT
public:
    // Watches PANEL and its controls as they are now; lives as long as the panel.
    static void keep(QWidget* panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit PanelFocus(QWidget* panel);
    QWidget* panel() const;
    // The control Tab (forward) or Shift+Tab would reach from FROM, or nullptr at the panel's end.
    QWidget* stepWithin(QWidget* from, bool forward) const;
    QWidget* firstOrLast(bool first) const;
};

} // namespace tabwise
