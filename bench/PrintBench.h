#pragma once

namespace bench {

// Prints a text page of `lines` lines to a PDF file while the window keeps answering, beside a bare
// text document printed in one go: the time to the complete file and the longest stall of the
// event loop.
void benchPrint(int lines);

} // namespace bench
