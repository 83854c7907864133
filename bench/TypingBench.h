#pragma once

namespace bench {

// The longest time the window's thread does not answer while a person types into a large page
// (50 characters 80 ms apart at the end of a page being edited, and the second after the last),
// beside a bare text box holding the same text, for pages of 1, 10 and 50 MB.
void benchTypingStalls();

} // namespace bench
