#pragma once

#include <QString>

#include <vector>

// How a list page's file turns into entries and back. A line ends at CR LF, at a LF on its own (as
// Linux editors write) or at a CR on its own; a last line without a line end is still an entry; an
// empty line is an empty entry. An empty file reads as one empty entry. Entries are written back
// each followed by CR LF.
namespace tabwise {

struct EntrySpan {
    qsizetype start;
    qsizetype length;
};

// The entries of a page file's text, as spans into that text (no copies).
std::vector<EntrySpan> splitEntries(QStringView text);

} // namespace tabwise
