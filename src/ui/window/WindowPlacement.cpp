#include "ui/window/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace tabwise {

namespace {

// The window can be reached when its middle lies on a screen.
bool onAScreen(const QRect& frame, const QList<QRect>& screens)
{
    return std::any_of(screens.begin(), screens.end(), [&frame](const QRect& s) { return s.contains(frame.center()); });
}

// The least move that brings FRAME inside AREA; its top-left corner first when it cannot all fit.
QPoint inside(const QRect& frame, const QRect& area)
{
    const int x = std::max(area.left(), std::min(frame.x(), area.x() + area.width() - frame.width()));
    const int y = std::max(area.top(), std::min(frame.y(), area.y() + area.height() - frame.height()));
    return QPoint(x, y);
}

} // namespace

QPoint bottomRightPlace(const QRect& freeArea, const QSize& outerSize)
{
    return inside(
        QRect(QPoint(freeArea.x() + freeArea.width(), freeArea.y() + freeArea.height()), outerSize), freeArea);
}

std::optional<QPoint> placeAfterChange(const QRect& frame, const QRect& freeBefore, const ScreenLayout& now)
{
    if (now.freeArea.isEmpty())
        return std::nullopt;
    std::optional<QPoint> place;
    if (!onAScreen(frame, now.screens) || frame.bottomRight() == freeBefore.bottomRight())
        place = bottomRightPlace(now.freeArea, frame.size());
    else if (freeBefore.contains(frame) && !now.freeArea.contains(frame))
        place = inside(frame, now.freeArea);
    if (place == frame.topLeft())
        return std::nullopt;
    return place;
}

WindowPlacement::WindowPlacement(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &WindowPlacement::watch);
    // Queued: Qt moves the windows of a screen that goes away only after it has said so.
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &WindowPlacement::follow, Qt::QueuedConnection);
    m_freeArea = layout().freeArea;
}

void WindowPlacement::watch(QScreen* screen)
{
    // A panel that comes, goes, moves or changes size changes the free area.
    connect(screen, &QScreen::availableGeometryChanged, this, &WindowPlacement::follow);
}

ScreenLayout WindowPlacement::layout() const
{
    if (m_layout)
        return m_layout();
    ScreenLayout now;
    if (const QScreen* own = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen())
        now.freeArea = own->availableGeometry();
    for (const QScreen* screen : QGuiApplication::screens())
        now.screens << screen->geometry();
    return now;
}

void WindowPlacement::placeBottomRight()
{
    m_checksLeft = settleChecks;
    settle();
}

void WindowPlacement::follow()
{
    const ScreenLayout now = layout();
    const QRect frame = m_window->frameGeometry();
    const std::optional<QPoint> place = placeAfterChange(frame, m_freeArea, now);
    m_freeArea = now.freeArea;
    if (!place)
        return;
    if (*place == bottomRightPlace(now.freeArea, frame.size()))
        placeBottomRight(); // kept there while a frame the desktop adds settles
    else
        moveTo(*place);
}

void WindowPlacement::settle()
{
    const ScreenLayout now = layout();
    if (m_checksLeft <= 0 || now.freeArea.isEmpty())
        return;
    m_freeArea = now.freeArea;
    const QRect frame = m_window->frameGeometry();
    const QPoint corner = bottomRightPlace(now.freeArea, frame.size());
    if (frame.topLeft() != corner)
        moveTo(corner);
    if (--m_checksLeft > 0)
        QTimer::singleShot(checkMilliseconds, this, &WindowPlacement::settle);
}

void WindowPlacement::moveTo(QPoint topLeft)
{
    // On X11 Qt gives a minimized window that is moved its normal state back, which would bring a
    // window the user has just put away (on the taskbar or in the tray) back on screen.
    if (!m_window->isMinimized())
        m_window->move(topLeft);
}

} // namespace tabwise
