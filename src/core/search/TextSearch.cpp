#include "core/search/TextSearch.h"

#include <algorithm>
#include <cstring>

namespace tabwise {

namespace {

// How often a character is met in everyday text, roughly: the search looks for the needle's rarest
// character first, whose occurrences the toolkit finds at memory speed, and compares the whole
// needle only there.
int commonness(char16_t c)
{
    static constexpr char byFrequency[] = "zqjxkvbpygfwmucldrhsnioate";
    if (c == u' ')
        return 100;
    if (c >= 0x80)
        return 0;
    const char lower = char(c >= u'A' && c <= u'Z' ? c + 32 : c);
    const char* at = std::strchr(byFrequency, lower);
    return at && lower != 0 ? 20 + int(at - byFrequency) : 10;
}

qsizetype rarestCharacter(QStringView needle)
{
    qsizetype rarest = 0;
    for (qsizetype i = 1; i < needle.size(); ++i) {
        if (!needle[i].isLowSurrogate() && commonness(needle[i].unicode()) < commonness(needle[rarest].unicode()))
            rarest = i;
    }
    return rarest;
}

// Every character that is alike to C: C alone when case counts, else all that fold as C does.
std::vector<char16_t> alikeCharacters(char16_t c, Qt::CaseSensitivity cs)
{
    if (cs == Qt::CaseSensitive || QChar::isSurrogate(c))
        return { c };
    std::vector<char16_t> alike;
    const char16_t folded = QChar::toCaseFolded(c);
    for (char32_t other = 0; other <= 0xffff; ++other) {
        if (!QChar::isSurrogate(other) && QChar::toCaseFolded(char16_t(other)) == folded)
            alike.push_back(char16_t(other));
    }
    return alike;
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
}

// A piece of the line around the match at PLACE, on one line of a result list.
QString excerptAround(QStringView text, qsizetype lineBegin, qsizetype place)
{
    constexpr qsizetype before = 30;
    constexpr qsizetype longest = 160;
    const qsizetype from = std::max(lineBegin, place - before);
    qsizetype to = from;
    while (to < text.size() && to - from < longest && !isLineBreak(text[to]))
        ++to;
    QString excerpt = text.sliced(from, to - from).toString();
    for (QChar& c : excerpt) {
        if (c == u'\t' || c == QChar::LineSeparator || c.category() == QChar::Other_Control)
            c = u' ';
    }
    if (from > lineBegin)
        excerpt.prepend(QChar(0x2026));
    if (to < text.size() && !isLineBreak(text[to]))
        excerpt.append(QChar(0x2026));
    return excerpt;
}

} // namespace

std::vector<qsizetype> findAll(
    QStringView text, QStringView needle, Qt::CaseSensitivity cs, qsizetype limit, const std::atomic<bool>* cancelled)
{
    std::vector<qsizetype> places;
    const qsizetype length = needle.size();
    if (length == 0 || length > text.size() || limit <= 0)
        return places;
    const qsizetype anchor = rarestCharacter(needle);
    const std::vector<char16_t> alike = alikeCharacters(needle[anchor].unicode(), cs);
    // The next occurrence of each alike character; the nearest of them is the next candidate.
    std::vector<qsizetype> next(alike.size());
    for (std::size_t i = 0; i < alike.size(); ++i)
        next[i] = text.indexOf(QChar(alike[i]), anchor);
    const qsizetype lastAnchor = text.size() - length + anchor;
    qsizetype free = 0; // matches do not overlap
    for (int candidates = 0;; ++candidates) {
        const auto nearest = std::min_element(
            next.begin(), next.end(), [](qsizetype a, qsizetype b) { return a >= 0 && (b < 0 || a < b); });
        if (*nearest < 0 || *nearest > lastAnchor)
            break;
        const qsizetype start = *nearest - anchor;
        if (start >= free && text.sliced(start, length).compare(needle, cs) == 0) {
            places.push_back(start);
            free = start + length;
            if (qsizetype(places.size()) >= limit)
                break;
        }
        *nearest = text.indexOf(QChar(alike[std::size_t(nearest - next.begin())]), *nearest + 1);
        if (cancelled && candidates % 4096 == 0 && cancelled->load(std::memory_order_relaxed))
            break;
    }
    return places;
}

qsizetype MatchCycle::firstFrom(qsizetype from) const
{
    if (m_places.empty())
        return -1;
    const auto at = std::lower_bound(m_places.begin(), m_places.end(), from);
    return at == m_places.end() ? 0 : qsizetype(at - m_places.begin());
}

qsizetype MatchCycle::lastBefore(qsizetype from) const
{
    if (m_places.empty())
        return -1;
    const auto at = std::lower_bound(m_places.begin(), m_places.end(), from);
    return at == m_places.begin() ? count() - 1 : qsizetype(at - m_places.begin()) - 1;
}

qsizetype MatchCycle::indexOf(qsizetype place) const
{
    const auto at = std::lower_bound(m_places.begin(), m_places.end(), place);
    return at != m_places.end() && *at == place ? qsizetype(at - m_places.begin()) : -1;
}

std::vector<qsizetype> entriesHolding(const std::vector<EntrySpan>& entries, const std::vector<qsizetype>& places)
{
    std::vector<qsizetype> rows;
    for (const qsizetype place : places) {
        const auto after = std::upper_bound(
            entries.begin(), entries.end(), place, [](qsizetype p, const EntrySpan& e) { return p < e.start; });
        if (after == entries.begin())
            continue;
        const auto row = qsizetype(after - entries.begin()) - 1;
        if (rows.empty() || rows.back() != row)
            rows.push_back(row);
    }
    return rows;
}

std::vector<LineHit> linesHolding(QStringView text, const std::vector<qsizetype>& places)
{
    std::vector<LineHit> lines;
    qsizetype line = 0;
    qsizetype lineBegin = 0;
    qsizetype scanned = 0;
    for (const qsizetype place : places) {
        const qsizetype lineBefore = line;
        for (; scanned < place; ++scanned) {
            // CR LF ends a line at its LF.
            const bool crBeforeLf = text[scanned] == u'\r' && scanned + 1 < text.size() && text[scanned + 1] == u'\n';
            if (!isLineBreak(text[scanned]) || crBeforeLf)
                continue;
            ++line;
            lineBegin = scanned + 1;
        }
        if (lines.empty() || line != lineBefore)
            lines.push_back({ line, place - lineBegin, excerptAround(text, lineBegin, place) });
    }
    return lines;
}

} // namespace tabwise
