#pragma once

#include <QString>
#include <QStringList>

// What a page puts on paper, line by line. A text page prints its text as one item followed by a
// line end; a list page prints each entry followed by a line end. A line end inside an item (CR LF,
// CR, LF, or the paragraph and line separators of a text box) starts a new printed line.
namespace tabwise {

// The lines of a text page: an empty text is one empty line.
QStringList textPageLines(const QString& text);

// The lines of a list page, entry after entry: an empty list prints no lines.
QStringList listPageLines(const QStringList& entries);

} // namespace tabwise
