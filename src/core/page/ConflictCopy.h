#pragma once

#include <QDateTime>
#include <QString>

namespace tabwise {

// Where the other version of a page goes when a save keeps both: beside the page, under a name
// that says what it is, "notes (changed on disk 2026-12-07 1405).ntr", with " 2", " 3", ... added
// when that name is taken. It is no page of the program's, but backup copies it like one.
QString conflictCopyPath(const QString& folder, const QString& pageFile, const QDateTime& when);

} // namespace tabwise
