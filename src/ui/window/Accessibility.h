#pragma once

namespace tabwise {

// Tells screen readers what Qt cannot tell from the class of a control: a picture that acts when
// clicked (the options picture) is a button, a text that does (the web address) a link, and both
// can be pressed; the main window is a window. Installed once, before the first window is made.
void installAccessibility();

} // namespace tabwise
