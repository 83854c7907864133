#pragma once

#include <QAbstractButton>
#include <QRect>
#include <QWidget>

#include <algorithm>

// The window's layout is drawn up in twips (1/1440 inch): 15 twips are one pixel at 96 dots per
// inch. Qt's high-dpi scaling takes it from there. Measures that several parts of the window share
// are named here once.
namespace tabwise {

inline constexpr int twipsPerPixel = 15;

constexpr int px(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// A rectangle in pixels, drawn up from the left edge of a parent SPAN pixels wide, where WIDGET's
// layout places it: where the layout runs right to left (a right-to-left language, Qt's -reverse),
// mirrored, as far from the parent's right edge as the design has it from the left, as Qt mirrors
// what its own layouts place.
inline QRect mirrored(const QWidget* widget, int span, QRect rect)
{
    if (widget->isRightToLeft())
        rect.moveLeft(span - rect.x() - rect.width());
    return rect;
}

// A rectangle of the design, in twips from the left edge of a parent SPAN twips wide, where
// WIDGET's layout places it (see mirrored()). Every fixed placement goes through it.
inline QRect twipsRect(const QWidget* widget, int span, int left, int top, int width, int height)
{
    return mirrored(widget, px(span), twipsRect(left, top, width, height));
}

// Makes WIDGET WIDTH pixels wide, keeping the edge its text starts from: the left, or the right
// where its layout runs right to left.
inline void widenFromStart(QWidget* widget, int width)
{
    const QRect old = widget->geometry();
    widget->setGeometry(
        widget->isRightToLeft() ? old.x() + old.width() - width : old.x(), old.y(), width, old.height());
}

// Widens BUTTON where its caption (a longer one in the user's language) needs more than the design
// gives it, keeping the edge it ends at: it grows toward the start of the line. Gives the growth.
inline int widenToCaption(QAbstractButton* button)
{
    const int needed = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')) + 10;
    const int growth = std::max(0, needed - button->width());
    const QRect old = button->geometry();
    button->setGeometry(
        button->isRightToLeft() ? old.x() : old.x() - growth, old.y(), old.width() + growth, old.height());
    return growth;
}

namespace measure {
// The window's client area.
inline constexpr int windowWidth = 5190;
inline constexpr int windowHeight = 6255;
// The panels laid over the pages cover the window down to the tab strip, which stays in view.
inline constexpr int panelHeight = 5895;
inline QRect panelRect()
{
    return twipsRect(0, 0, windowWidth, panelHeight);
}
// A page inside the tab control's frame; its text box and list, relative to the page; the row of
// its commands below them.
inline constexpr int pageWidth = 5220;
inline constexpr int pageTextWidth = 5200;
inline constexpr int pageTextHeight = 5535;
inline QRect pageTextRect()
{
    return twipsRect(0, 0, pageTextWidth, pageTextHeight);
}
inline QRect pageListRect()
{
    return twipsRect(0, 0, 5205, 5490);
}
// The same on PAGE, as its layout places them.
inline QRect pageTextRect(const QWidget* page)
{
    return mirrored(page, px(pageWidth), pageTextRect());
}
inline QRect pageListRect(const QWidget* page)
{
    return mirrored(page, px(pageWidth), pageListRect());
}
inline constexpr int commandRowTop = 5640;
inline constexpr int commandRowHeight = 195;
} // namespace measure

} // namespace tabwise
