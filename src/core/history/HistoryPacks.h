#pragma once

#include <git2.h>

#include <QString>

#include <atomic>

// Keeps a history repository small: libgit2 writes each new object whole (a zlib-compressed "loose"
// object); packing stores the versions of a page as deltas against one another.
//
// Packing is geometric, as `git repack --geometric=2` is: every pack is self-contained and at least
// twice as large (in objects) as all smaller packs together, so each object is packed again only
// about log2(n) times over its life. As every pack holds at least one whole copy of a page, there
// are never more than five: beyond that the smallest are rolled up too. When the loose objects are
// due, they and the packs those rules pick become one new pack, and only then are they deleted.
// Measured over 1,000 one-line changes of a 1 MB page, this keeps the history under 4 MB at any
// moment (a single pack would be 1.8 MB, but rewriting it at every save costs seconds per save).
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

// Writes everything reachable from the commit TIP into one pack, points the branch at TIP, and then
// deletes every other pack and loose object: what TIP does not reach is gone. Stopped or failed
// before the branch moved, it leaves the history as it was.
PackOutcome repackAll(git_repository* repo, const QString& path, const git_oid& tip, const std::atomic_bool* stop);

// Deletes what an interrupted write left behind: temporary files and locks. Only for the one writer
// of the repository, before it writes.
void removeLeftovers(const QString& path);

} // namespace tabwise::history
