#pragma once

#include <QString>

// The text of a page's text box as it is saved: the box's lines joined with CR LF. The box's raw
// text separates paragraphs with U+2029 and keeps line breaks typed inside a paragraph as U+2028;
// both become CR LF. Every other character is kept as it is, non-breaking spaces included.
namespace tabwise {

QString pageTextFromRawText(const QString& raw);

} // namespace tabwise
