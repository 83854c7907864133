#pragma once

#include <QLabel>

namespace tabwise {

// A picture that acts when clicked (the options picture of the first page).
class ClickableImage : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tabwise
