#pragma once

#include <QGroupBox>

namespace tabwise {

// A panel laid over the pages (options, About, find in all pages, history). It covers the window
// down to the tab strip, which stays in view beneath it, and is hidden until opened; once its
// controls are made, the focus moves into it when it appears and Tab and Shift+Tab go round its
// own controls; Escape dismisses it as the panel says (Cancel, Ok, Close). The window keeps count
// of the open panels through openChanged().
class OverlayPanel : public QGroupBox {
    Q_OBJECT
public:
    OverlayPanel(const QString& title, QWidget* parent);

    // The word the window's title shows while this panel is on top ("Options"); empty: the title
    // stays as what lies beneath makes it.
    virtual QString titleWord() const { return {}; }
    // What Escape does.
    virtual void dismiss() = 0;

    // Opened or closed by the program or the user; not when the whole window hides or comes back.
    // Opened again while open, it comes to the front.
    void setVisible(bool visible) override;

Q_SIGNALS:
    void openChanged(bool open);

protected:
    // Call once the panel's controls exist.
    void keepFocusInside();
};

} // namespace tabwise
