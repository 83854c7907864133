#pragma once

namespace tabwise {

class Form1;

// The window's keys beyond the commands' own (the access keys come with the captions, Ctrl+S and
// Ctrl+P with saving and printing): Ctrl+Tab / Ctrl+Shift+Tab and Ctrl+PageDown / Ctrl+PageUp
// move between the shown tabs, Escape closes the options panel as Cancel does and the About panel
// as Ok does, Tab leaves a page's text box and walks each panel in reading order, round and round
// inside the panel; F1 opens the help and Ctrl+Comma the options panel, as the tray menu does.
void addKeyboardShortcuts(Form1& form);

} // namespace tabwise
