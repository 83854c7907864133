#pragma once

namespace tabwise {

class MainWindow;

// Finding text: the find bar of the current page (Ctrl+F; F3 and Shift+F3 find again) and the
// panel that finds in all pages (Ctrl+Shift+F). Both stay quiet while the options or the About
// panel is open.
void addFinding(MainWindow& window);

} // namespace tabwise
