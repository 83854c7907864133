#pragma once

#include <git2.h>

#include <QString>

#include <memory>

// Owning handles for libgit2's objects, and libgit2's last error in words. Only the page history
// speaks to libgit2.
namespace tabwise::git {

template <auto Free> struct Deleter {
    template <typename T> void operator()(T* handle) const { Free(handle); }
};
template <typename T, auto Free> using Handle = std::unique_ptr<T, Deleter<Free>>;

using Repository = Handle<git_repository, git_repository_free>;
using Odb = Handle<git_odb, git_odb_free>;
using OdbObject = Handle<git_odb_object, git_odb_object_free>;
using Commit = Handle<git_commit, git_commit_free>;
using Tree = Handle<git_tree, git_tree_free>;
using TreeBuilder = Handle<git_treebuilder, git_treebuilder_free>;
using Blob = Handle<git_blob, git_blob_free>;
using Signature = Handle<git_signature, git_signature_free>;
using PackBuilder = Handle<git_packbuilder, git_packbuilder_free>;
using Patch = Handle<git_patch, git_patch_free>;

// Makes sure libgit2 is open (once for the whole run). The first one also keeps the user's and the
// system's git settings out of the history, so that it is written alike on every machine, and asks
// for every write to reach the disk before it counts as done.
class Library {
public:
    Library();
    ~Library() = default;
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
};

// libgit2's message for the last failure in this thread; when it left none, the system's for errno.
// Clear errno before a call whose failure may be told this way.
QString lastError();
// True when the last failure came from the operating system (a full disk, a refused permission)
// rather than from what the repository holds.
bool lastErrorIsSystem();

// The id as 40 hexadecimal digits, and back; a malformed text gives the zero id.
QByteArray toHex(const git_oid& id);
git_oid fromHex(const QByteArray& hex);

} // namespace tabwise::git
