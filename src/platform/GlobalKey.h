#pragma once

#include <QKeySequence>

#include <functional>

namespace tabwise {

// A key that reaches the program wherever the keyboard focus is, taken for the program from the
// desktop (to show and hide the window).
class GlobalKey {
public:
    virtual ~GlobalKey() = default;
    // Whether this desktop lets a program take such a key at all.
    virtual bool supported() const = 0;
    // Takes the first key combination of KEYS for the program, giving back the one taken before;
    // an empty sequence takes none. When the desktop refuses the key (another program holds it),
    // onRefused follows with the reason, at once or later.
    virtual void take(const QKeySequence& keys) = 0;

    std::function<void()> onPressed;
    std::function<void(const QString& reason)> onRefused;
};

} // namespace tabwise
