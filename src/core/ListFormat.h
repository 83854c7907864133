#pragma once

#include <QString>

#include <vector>

// How a list page's file turns into entries and back. A line ends at CR LF or at a CR on its own;
// a LF on its own is an ordinary character of the entry; a last line without a line end is still
// an entry; an empty line is an empty entry. An empty file reads as one empty entry.
namespace tabwise {

struct EntrySpan {
    qsizetype start;
    qsizetype length;
};

// The entries of a page file's text, as spans into that text (no copies).
std::vector<EntrySpan> splitEntries(QStringView text);

} // namespace tabwise
