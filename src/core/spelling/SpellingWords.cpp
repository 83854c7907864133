#include "core/spelling/SpellingWords.h"

#include <algorithm>

namespace tabwise {

namespace {

// Farther than this from the view, a stretch without spaces is not taken into a slice.
constexpr qsizetype sliceReach = 256;

// The character at AT, which moves past it (a letter beyond the first plane takes two units).
char32_t next(QStringView text, qsizetype& at)
{
    const QChar first = text.at(at++);
    if (first.isHighSurrogate() && at < text.size() && text.at(at).isLowSurrogate())
        return QChar::surrogateToUcs4(first, text.at(at++));
    return first.unicode();
}

bool isSpace(char32_t c)
{
    return QChar::isSpace(c);
}

bool isMark(char32_t c)
{
    return QChar::isMark(c);
}

bool isWordPart(char32_t c)
{
    return QChar::isLetterOrNumber(c) || isMark(c);
}

// Holds two word parts together: apostrophes, hyphens, and the invisible joiners that some
// scripts write inside words.
bool isJoiner(char32_t c)
{
    switch (c) {
    case U'\'':
    case U'\u2019': // right single quotation mark, the typographic apostrophe
    case U'-':
    case U'\u2010': // hyphen
    case U'\u00AD': // soft hyphen
    case U'\u200C': // zero width non-joiner
    case U'\u200D': // zero width joiner
        return true;
    default: return false;
    }
}

bool isApostrophe(char32_t c)
{
    return c == U'\'' || c == U'\u2019';
}

bool isAddress(QStringView token)
{
    if (token.contains(u'@') || token.contains(u"://"))
        return true;
    // "(www.example.org)": what stands before the name is not part of it
    const auto first = std::find_if(token.begin(), token.end(), [](QChar c) { return c.isLetterOrNumber(); });
    return token.sliced(first - token.begin()).startsWith(u"www.", Qt::CaseInsensitive);
}

bool isChecked(QStringView word)
{
    // A possessive "'s" after capitals ("NASA's") leaves them capitals only.
    const bool possessive = word.size() > 2 && isApostrophe(word.at(word.size() - 2).unicode()) && word.back() == u's';
    const qsizetype casedEnd = possessive ? word.size() - 2 : word.size();
    int letters = 0;
    bool lower = false;
    bool upper = false;
    for (qsizetype at = 0; at < word.size();) {
        const bool cased = at < casedEnd;
        const char32_t c = next(word, at);
        if (QChar::isNumber(c))
            return false;
        if (!QChar::isLetter(c))
            continue;
        ++letters;
        lower = lower || (cased && QChar::isLower(c));
        upper = upper || (cased && (QChar::isUpper(c) || QChar::isTitleCase(c)));
    }
    return letters >= 2 && (lower || !upper);
}

// The words of one stretch between spaces.
void addWords(QStringView text, qsizetype offset, QList<TextRange>& words)
{
    qsizetype start = -1; // of the word being read
    qsizetype end = 0; // after its last word part
    const auto finish = [&] {
        if (start >= 0 && isChecked(text.sliced(start, end - start)))
            words.append({ offset + start, end - start });
        start = -1;
    };
    for (qsizetype after = 0; after < text.size();) {
        const qsizetype at = after;
        const char32_t c = next(text, after);
        if (isWordPart(c)) {
            const bool joined = at == end || (at == end + 1 && isJoiner(text.at(end).unicode()));
            if (start >= 0 && !joined)
                finish();
            if (start < 0 && isMark(c))
                continue; // a mark on no letter
            if (start < 0)
                start = at;
            end = after;
        } else if (!isJoiner(c) || start < 0 || at != end) {
            finish();
        }
    }
    finish();
}

} // namespace

QList<TextRange> wordsToCheck(QStringView text)
{
    QList<TextRange> words;
    qsizetype at = 0;
    while (at < text.size()) {
        while (at < text.size() && isSpace(text.at(at).unicode()))
            ++at;
        qsizetype end = at;
        while (end < text.size() && !isSpace(text.at(end).unicode()))
            ++end;
        if (end > at && !isAddress(text.sliced(at, end - at)))
            addWords(text.sliced(at, end - at), at, words);
        at = end;
    }
    return words;
}

TextRange sliceAround(QStringView text, qsizetype from, qsizetype to)
{
    from = std::clamp<qsizetype>(from, 0, text.size());
    to = std::clamp<qsizetype>(to, from, text.size());
    const auto spaceAt = [&](qsizetype i) { return isSpace(text.at(i).unicode()); };
    qsizetype start = from;
    while (start > 0 && !spaceAt(start - 1) && from - start < sliceReach)
        --start;
    if (start > 0 && !spaceAt(start - 1)) { // too far: begin after the stretch instead
        start = from;
        while (start < to && !spaceAt(start))
            ++start;
    }
    qsizetype end = to;
    while (end < text.size() && !spaceAt(end) && end - to < sliceReach)
        ++end;
    if (end < text.size() && !spaceAt(end)) {
        end = to;
        while (end > start && !spaceAt(end - 1))
            --end;
    }
    return { start, std::max<qsizetype>(end - start, 0) };
}

} // namespace tabwise
