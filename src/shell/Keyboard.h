#pragma once

namespace tabwise {

class Form1;

// Everything reachable without the mouse: Ctrl+S and Ctrl+P save and print the current page,
// Ctrl+Tab / Ctrl+Shift+Tab and Ctrl+PageDown / Ctrl+PageUp move between the shown tabs, Escape
// closes the options panel as Cancel does and the About panel as Ok does, Tab leaves a page's text
// box and walks each panel in reading order, round and round inside the panel. (The access keys
// come with the captions.)
void addKeyboardShortcuts(Form1& form);

} // namespace tabwise
