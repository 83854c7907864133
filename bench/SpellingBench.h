#pragma once

namespace bench {

// Spelling checked and not, side by side, with the system's dictionary over a page of prose whose
// every line is different: a key typed in a 10 MB page until it is painted, the longest stall while
// typing there, and a 100 MB page first shown.
void benchSpelling();

} // namespace bench
