#pragma once

class QAction;
class QPoint;

namespace tabwise {

class PageView;
class Platform;

// The menu of a page's text box at POSITION (in the box's viewport): the box's own entries (Undo,
// Copy, Select All, ...), then the page's history and Discard Unsaved Typing, which asks first;
// keeping the typing is what Enter and Escape do there.
void showTextMenu(PageView& page, Platform& platform, QAction* history, const QPoint& position);

} // namespace tabwise
