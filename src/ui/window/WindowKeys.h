#pragma once

namespace tabwise {

class MainWindow;

// The window's keys beyond the commands' own access keys: Ctrl+S saves and Ctrl+P prints the
// current page, Ctrl+Tab / Ctrl+Shift+Tab and Ctrl+PageDown / Ctrl+PageUp move between the shown
// tabs, F1 opens the help and Ctrl+Comma the options panel, as the tray menu does, and Ctrl+H the
// current page's history. The panels keep
// their own keys (Escape).
void addWindowKeys(MainWindow& window);

} // namespace tabwise
