#pragma once

#include "core/history/GitHandles.h"
#include "core/history/LineDiff.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The shape of a version in the history repository: one commit on the branch HEAD names, whose
// tree holds the newest version of every page and which changes one page. The commit's message is
// the cause, followed by a "Lines: +2 -1" line that says how the page changed from its version
// before; its time is the version's time.
namespace tabwise::history {

// The commit HEAD names. Nothing, with no error, when the history is still empty (OK true); nothing
// with OK false when HEAD cannot be read.
git::Commit headCommit(git_repository* repo, bool* ok);
git::Tree treeOf(const git_commit* commit);
git::Commit parentOf(const git_commit* commit);

// The entry NAME in TREE (null tree: none).
const git_tree_entry* entryIn(const git_tree* tree, const QByteArray& name);
// The page COMMIT changed from its parent (a first commit: its first page): its name and bytes' id.
std::optional<std::pair<QByteArray, git_oid>> changedPage(const git_tree* tree, const git_tree* parentTree);

// Writes a commit whose tree is BASE with NAME set to BLOB, on top of PARENT (null: the first).
// The new commit's id, or nothing (libgit2's error stays set).
std::optional<git_oid> commitPage(git_repository* repo, const git_commit* parent, const git_tree* base,
    const QByteArray& name, const git_oid& blob, const git_signature* signature, const QByteArray& message);

// Points the branch HEAD names at COMMIT, whatever it pointed at before.
bool moveHead(git_repository* repo, const git_oid& commit);

// Tabwise's signature at TIME (now, when TIME is not valid).
git::Signature signatureAt(const QDateTime& time);
QDateTime timeOf(const git_commit* commit);
QByteArray messageFor(const QString& cause, const std::optional<LineChanges>& changes);
QString causeOf(git_commit* commit);
std::optional<LineChanges> changesOf(const git_commit* commit);

} // namespace tabwise::history
