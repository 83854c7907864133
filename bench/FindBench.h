#pragma once

// Finding text: the find panel over five pages of 10 MB and over a list of a million entries, and
// the find bar on a page of 10 MB.
void benchFind();
