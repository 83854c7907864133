#pragma once

#include <QLabel>

namespace tabwise {

// A label or picture that acts when clicked with the left button (the options picture of the first
// page, the web address of the About panel).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tabwise
