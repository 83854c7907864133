#pragma once

#include <QRect>
#include <QtMath>

// The window's layout is drawn up in twips (1/1440 inch): 15 twips are one pixel at 96 dots per
// inch. Qt's high-dpi scaling takes it from there.
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

} // namespace tabwise
