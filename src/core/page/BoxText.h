#pragma once

#include <QByteArray>
#include <QString>

// The bytes a text box's text is saved as. The box's raw text separates paragraphs with U+2029 and
// keeps line breaks typed inside a paragraph as U+2028; both become CR LF. Every other character
// is kept as it is, non-breaking spaces included. As for every page written from a text box, a
// final CR LF is added unless the text already ends with a line end.
namespace tabwise {

QByteArray pageBytesFromRawText(const QString& raw);

} // namespace tabwise
