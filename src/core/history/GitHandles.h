#pragma once

#include "core/history/GitFunctions.h"

#include <QString>

#include <memory>

// Owning handles for libgit2's objects, libgit2 loaded and let go, and libgit2's last error in
// words. Only the page history speaks to libgit2.
namespace tabwise::git {

template <auto& Free> struct Deleter {
    template <typename T> void operator()(T* handle) const { Free(handle); }
};
template <typename T, auto& Free> using Handle = std::unique_ptr<T, Deleter<Free>>;

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

// Keeps libgit2 loaded and open while it lives (ok() false, with the reason in error(), when it
// cannot be loaded). Whenever libgit2 is opened it is also told to keep the user's and the system's
// git settings out of the history, so that it is written alike on every machine, to ask for every
// write to reach the disk before it counts as done, and to cache less than its default 256 MB.
class Library {
public:
    Library();
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    bool ok() const { return m_ok; }
    QString error() const { return m_error; }

private:
    bool m_ok = false;
    QString m_error;
};

// Shuts libgit2 down and unloads it, giving its memory back, once no Library lives and no thread
// but the calling one has opened it since it was loaded: libgit2 keeps an error state per thread
// that shutting down frees for the calling thread only, and would orphan for any other still
// running. The next Library loads and opens it afresh. True when libgit2 is not loaded now.
bool letGo();

// libgit2's message for the last failure in this thread; when it left none, the system's for errno.
// Clear errno before a call whose failure may be told this way.
QString lastError();
// True when the last failure came from the operating system (a full disk, a refused permission)
// rather than from what the repository holds.
bool lastErrorIsSystem();

// The id as 40 hexadecimal digits, and back; a malformed text gives the zero id. Neither needs
// libgit2 loaded.
QByteArray toHex(const git_oid& id);
git_oid fromHex(const QByteArray& hex);

} // namespace tabwise::git
