#pragma once

#include <git2.h>

#include <QString>

#include <atomic>

// Keeps a history repository small: libgit2 writes each new object whole (a zlib-compressed "loose"
// object); packing stores the versions of a page as deltas against one another.
//
// Packing is geometric, as `git repack --geometric=2` is: every pack is self-contained and at least
// twice as large (in objects) as all smaller packs together, so a history of n versions lives in
// about log2(n) packs, each holding one whole copy of a page, and each object is packed again only
// about log2(n) times over its life. When the loose objects are due, they and the smallest packs
// that would break that progression become one new pack.
namespace tabwise::history {

struct PackOutcome {
    bool ok = true;
    bool packed = false; // something was packed: the repository must be opened afresh
    QString error;
};

// Packs the loose objects of the repository at PATH when they take 256 KiB or number 256 (a
// version of a large page is packed at once; those of small pages a few dozen at a time). STOP, when
// set from another thread, abandons the work and leaves the repository as it was.
PackOutcome packIfDue(git_repository* repo, const QString& path, const std::atomic_bool* stop);

// Writes everything reachable from HEAD (which must name a commit) into one pack and deletes every other pack and loose
// object: what is no longer reachable is gone.
PackOutcome repackAll(git_repository* repo, const QString& path, const std::atomic_bool* stop);

// Deletes what an interrupted write left behind: temporary files and locks. Only for the one writer
// of the repository, before it writes.
void removeLeftovers(const QString& path);

} // namespace tabwise::history
