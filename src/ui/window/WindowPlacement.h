#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <optional>

class QScreen;
class QWidget;

namespace tabwise {

// What the placement sees of the screens: the free area of the window's screen (the screen less
// the panels the desktop keeps along its edges) and the whole area of every screen there is.
struct ScreenLayout {
    QRect freeArea;
    QList<QRect> screens;
};

// Where the window's outer top-left corner goes for its outer bottom-right corner to lie on the
// free area's; a window larger than the free area keeps its title bar inside.
QPoint bottomRightPlace(const QRect& freeArea, const QSize& outerSize);

// Where a window whose outer frame is FRAME goes after the screens have changed, or nothing when it
// stays: on no screen at all (its screen is gone), or in the corner of the free area it had before,
// it goes to the corner of the free area it has now; a window that lay inside the free area and
// would now lie partly under a panel is moved just far enough to be inside again.
std::optional<QPoint> placeAfterChange(const QRect& frame, const QRect& freeBefore, const ScreenLayout& now);

// Puts the window's outer bottom-right corner on the corner of its screen's free area, and keeps it
// there while panels come, go, move or change size; when its screen goes away, it goes to one that
// is there. The desktop adds its frame around the window some time after the window is shown, and
// says how wide it is later still, so the corner is kept in place for a few seconds until the frame
// has settled.
class WindowPlacement : public QObject {
    Q_OBJECT
public:
    explicit WindowPlacement(QWidget* window);

    void placeBottomRight();
    // The window has been placed otherwise: the corner is no longer kept while the frame settles.
    void cancel() { m_checksLeft = 0; }
    // The desktop's screens unless given (a test's own layout).
    void setScreenLayout(std::function<ScreenLayout()> layout) { m_layout = std::move(layout); }

public Q_SLOTS:
    // The screens or their free areas have changed: the window follows.
    void follow();

private:
    void settle();
    // Moves the window unless it is minimized.
    void moveTo(QPoint topLeft);
    void watch(QScreen* screen);
    ScreenLayout layout() const;

    QWidget* m_window;
    std::function<ScreenLayout()> m_layout;
    QRect m_freeArea; // as it was when the window was last placed or followed
    int m_checksLeft = 0;
    static constexpr int settleChecks = 30;
    static constexpr int checkMilliseconds = 100;
};

} // namespace tabwise
