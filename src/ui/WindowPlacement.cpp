#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace tabwise {

WindowPlacement::WindowPlacement(QWidget* window)
    : QObject(window)
    , m_window(window)
{
}

void WindowPlacement::placeBottomRight()
{
    m_checksLeft = settleChecks;
    settle();
}

void WindowPlacement::settle()
{
    const QScreen* display = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    if (m_checksLeft <= 0 || !display)
        return;
    // The whole screen, taskbar included.
    const QRect area = display->geometry();
    const QSize outer = m_window->frameGeometry().size();
    const QPoint corner(area.x() + area.width() - outer.width(), area.y() + area.height() - outer.height());
    if (m_window->frameGeometry().topLeft() != corner)
        m_window->move(corner);
    if (--m_checksLeft > 0)
        QTimer::singleShot(checkMilliseconds, this, &WindowPlacement::settle);
}

} // namespace tabwise
