#pragma once

#include <vector>

namespace tabwise {

// The widths of tabs sized to their captions on a strip AVAILABLE wide: each caption's width and
// the same room beside each, as much as the strip leaves (at least LEAST, at most MOST). When even
// the least room leaves the strip too narrow, the widest tabs are narrowed alike, to a common
// width, until all fit; their captions are then cut short.
std::vector<int> fitTabWidths(const std::vector<int>& captionWidths, int available, int least, int most);

} // namespace tabwise
