#include "core/captions/TabWidths.h"

#include <algorithm>
#include <numeric>

namespace tabwise {

std::vector<int> fitTabWidths(const std::vector<int>& captionWidths, int available, int least, int most)
{
    const int count = int(captionWidths.size());
    if (count == 0)
        return {};
    const int captions = std::accumulate(captionWidths.begin(), captionWidths.end(), 0);
    const int room = std::min(most, (available - captions) / count);
    std::vector<int> widths(captionWidths);
    for (int& width : widths)
        width += std::max(room, least);
    if (room >= least)
        return widths;
    // The common width of the widest tabs: the narrower tabs keep theirs, the rest share what is left.
    std::vector<int> ascending(widths);
    std::sort(ascending.begin(), ascending.end());
    int left = available;
    int cap = 0;
    for (int i = 0; i < count; ++i) {
        cap = std::max(left, 0) / (count - i);
        if (ascending[std::size_t(i)] > cap)
            break;
        left -= ascending[std::size_t(i)];
        cap = ascending[std::size_t(i)];
    }
    for (int& width : widths)
        width = std::min(width, cap);
    return widths;
}

} // namespace tabwise
