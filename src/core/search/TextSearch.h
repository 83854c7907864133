#pragma once

#include "core/page/ListFormat.h"

#include <QString>

#include <atomic>
#include <limits>
#include <vector>

// Finding a text in a page: where it occurs, which lines or entries hold it, and the steps from one
// match to the next round the end. Case is ignored unless asked for; two texts are then alike when
// they fold to the same characters, as QString compares them case-insensitively.
namespace tabwise {

inline constexpr qsizetype noLimit = std::numeric_limits<qsizetype>::max();

// Where NEEDLE occurs in TEXT, in order and not overlapping: at most LIMIT places. An empty needle
// occurs nowhere. When CANCELLED is set meanwhile the search ends early with what it found so far.
std::vector<qsizetype> findAll(QStringView text, QStringView needle, Qt::CaseSensitivity cs = Qt::CaseInsensitive,
    qsizetype limit = noLimit, const std::atomic<bool>* cancelled = nullptr);

// The places of the matches in order (text positions, or entry rows), with the steps between them
// round the end.
class MatchCycle {
public:
    MatchCycle() = default;
    explicit MatchCycle(std::vector<qsizetype> places)
        : m_places(std::move(places))
    {
    }

    qsizetype count() const { return qsizetype(m_places.size()); }
    qsizetype at(qsizetype index) const { return m_places[std::size_t(index)]; }
    // The index of the first place at or after FROM, else of the first place of all; -1 when
    // there is none.
    qsizetype firstFrom(qsizetype from) const;
    // The index of the last place before FROM, else of the last place of all; -1 when there is none.
    qsizetype lastBefore(qsizetype from) const;
    // The index of the place PLACE exactly; -1 when it is none of them.
    qsizetype indexOf(qsizetype place) const;

private:
    std::vector<qsizetype> m_places;
};

// The entries (as the list format splits them) that hold a match, each once, in order.
std::vector<qsizetype> entriesHolding(const std::vector<EntrySpan>& entries, const std::vector<qsizetype>& places);

// A line that holds a match: its number from 0 (lines end as list entries do, or at a text box's
// paragraph separator), where its first match starts in it, and a short piece of it around the
// match for a result list.
struct LineHit {
    qsizetype line = 0;
    qsizetype column = 0;
    QString excerpt;
};

// The lines of TEXT that hold the matches at PLACES (in order), each line once.
std::vector<LineHit> linesHolding(QStringView text, const std::vector<qsizetype>& places);

} // namespace tabwise
