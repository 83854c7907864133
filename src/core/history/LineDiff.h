#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Line-by-line comparison of two versions of a page, as git compares them.
namespace tabwise {

struct LineChanges {
    int added = 0;
    int removed = 0;
};

// The lines added and removed from BEFORE to AFTER; nothing when they could not be compared.
std::optional<LineChanges> countLineChanges(const QByteArray& before, const QByteArray& after);

// "+2 -1 lines"
QString lineChangesText(const LineChanges& changes);

// The lines of SHOWN (numbered from 0) that CURRENT does not have: changed or gone there.
QList<int> linesNotIn(const QByteArray& shown, const QByteArray& current);

} // namespace tabwise
