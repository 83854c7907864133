#pragma once

#include <QStringView>

// A text box wraps its lines at its width, but laying out one very long unbroken line that way
// takes time that grows with the square of its length (a line of a few megabytes would freeze the
// window for minutes). Pages holding such a line are shown unwrapped, with a horizontal scroll
// bar, which takes time in proportion to the text.
namespace tabwise {

inline constexpr qsizetype longestWrappedLine = 10'000;

// Whether some line of the text (between line breaks of any kind) is longer than the limit.
bool hasLineLongerThan(QStringView text, qsizetype limit);

} // namespace tabwise
