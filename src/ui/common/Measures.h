#pragma once

#include <QRect>

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
// A page's text box and list, relative to the page; the row of its commands below them.
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
inline constexpr int commandRowTop = 5640;
inline constexpr int commandRowHeight = 195;
} // namespace measure

} // namespace tabwise
