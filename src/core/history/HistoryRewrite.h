#pragma once

#include <git2.h>

#include <QDateTime>

#include <optional>

// Rewriting a history repository's branch to forget old versions.
namespace tabwise::history {

// Writes the branch again without the versions older than CUTOFF, keeping the newest version of
// every page whatever its age; each kept version keeps its cause and time. The new branch's last
// commit (the branch itself is left as it is), the present one when nothing is dropped, or nothing
// on failure, with libgit2's error set. An empty history gives the zero id.
std::optional<git_oid> withoutVersionsBefore(git_repository* repo, const QDateTime& cutoff);

} // namespace tabwise::history
