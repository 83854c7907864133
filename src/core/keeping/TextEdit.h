#pragma once

#include <QList>
#include <QString>

// The text of a page as its text box holds it ("raw" text): a paragraph separator (U+2029) ends
// each line but the last, and a line break typed inside a paragraph is a line separator (U+2028).
namespace tabwise {

// One change the text box made: REMOVED characters at POSITION replaced by ADDED.
struct TextEdit {
    qsizetype position = 0;
    qsizetype removed = 0;
    QString added;
    bool operator==(const TextEdit&) const = default;
};

// Applies the edits in order; false, with TEXT as far as it got, when one does not fit it.
bool applyEdits(QString& text, const QList<TextEdit>& edits);

// The raw text a text box holds once filled with TEXT: every line end (CR LF, CR, LF, a paragraph
// separator, and the two characters the box takes for frame marks) becomes one paragraph separator.
QString asRawText(QString text);

} // namespace tabwise
