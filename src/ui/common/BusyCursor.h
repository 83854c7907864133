#pragma once

#include <QApplication>

namespace tabwise {

// Shows the busy cursor for as long as it lives, when the work ahead is large enough to be noticed.
class BusyCursor {
public:
    explicit BusyCursor(bool large)
        : m_shown(large)
    {
        if (m_shown)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        if (m_shown)
            QApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // Page files above this size take a noticeable time to show.
    static constexpr qint64 largePage = 2 * 1024 * 1024;

private:
    bool m_shown;
};

} // namespace tabwise
