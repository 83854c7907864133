#pragma once

#include <QObject>

class QWidget;

namespace tabwise {

// Puts the window's outer bottom-right corner on the screen's. The desktop adds its frame around
// the window some time after the window is shown, and says how wide it is later still, so the
// corner is kept in place for a few seconds until the frame has settled.
class WindowPlacement : public QObject {
    Q_OBJECT
public:
    explicit WindowPlacement(QWidget* window);

    void placeBottomRight();
    // The window has been placed otherwise: the corner is no longer kept.
    void cancel() { m_checksLeft = 0; }

private:
    void settle();

    QWidget* m_window;
    int m_checksLeft = 0;
    static constexpr int settleChecks = 30;
    static constexpr int checkMilliseconds = 100;
};

} // namespace tabwise
