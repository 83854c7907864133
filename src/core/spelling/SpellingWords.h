#pragma once

#include <QList>
#include <QStringView>

// Which words of a text spelling looks at. A word is a run of letters (with their accents and
// other combining marks) and digits, held together by an apostrophe ("don't", "l'été") or a hyphen
// ("well-known", checked whole as the dictionary expects it) between two of them. Not looked at:
// addresses (a stretch between spaces that holds "@" or "://" or starts with "www.", taken whole),
// words with a digit, words in capitals only ("NASA", also "NASA's") and single letters.
namespace tabwise {

// A stretch of a text, in UTF-16 code units.
struct TextRange {
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype end() const { return start + length; }
    bool operator==(const TextRange&) const = default;
};

// The words of TEXT to check, in order.
QList<TextRange> wordsToCheck(QStringView text);

// The stretch of TEXT to check when only [FROM, TO) of it is in view: widened at both ends to the
// next space, so that no word is cut. A stretch without spaces longer than any word (a long
// address, a line of symbols) is left out at an end rather than cut into pieces that look like
// words.
TextRange sliceAround(QStringView text, qsizetype from, qsizetype to);

} // namespace tabwise
