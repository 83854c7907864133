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

// A version as it is shown beside the page: its text with every kind of line end as "\n", and the
// lines of it (numbered from 0) that CURRENT, the page's text now, does not have.
struct ShownVersion {
    QString text;
    QList<int> marked;
};
ShownVersion showVersion(const QByteArray& bytes, const QString& current);

} // namespace tabwise
