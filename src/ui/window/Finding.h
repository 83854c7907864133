#pragma once

namespace tabwise {

class MainWindow;

// Finding text: the window's find actions open the find bar of the current page (Find; Find Next
// and Find Previous find again) and the panel that finds in all pages. Both are made when first
// asked for.
void addFinding(MainWindow& window);

} // namespace tabwise
