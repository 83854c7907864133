#pragma once

#include <git2.h>

#include <QDateTime>

// Rewriting a history repository's branch to forget old versions.
namespace tabwise::history {

// Rewrites the branch without the versions older than CUTOFF, keeping the newest version of every
// page whatever its age; each kept version keeps its cause and time. CHANGED says whether anything
// was dropped (the dropped objects stay until the repository is packed again). False on failure,
// with libgit2's error set and the branch as it was.
bool dropVersionsBefore(git_repository* repo, const QDateTime& cutoff, bool* changed);

} // namespace tabwise::history
