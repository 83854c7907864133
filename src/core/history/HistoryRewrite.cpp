#include "core/history/HistoryRewrite.h"

#include "core/history/HistoryCommits.h"

#include <QSet>

#include <vector>

namespace tabwise::history {

namespace {

struct Step {
    git_oid commit;
    QByteArray page;
    git_oid blob;
    bool keep;
};

// The versions on the branch, newest first, each marked with whether it stays.
std::optional<std::vector<Step>> stepsToKeep(git_repository* repo, const QDateTime& cutoff)
{
    bool ok = false;
    git::Commit commit = headCommit(repo, &ok);
    if (!ok)
        return std::nullopt;
    std::vector<Step> steps;
    QSet<QByteArray> newerSeen;
    while (commit) {
        git::Commit parent = parentOf(commit.get());
        const git::Tree tree = treeOf(commit.get());
        const git::Tree parentTree = treeOf(parent.get());
        if (!tree || (git_commit_parentcount(commit.get()) > 0 && !parentTree))
            return std::nullopt;
        if (const auto page = changedPage(tree.get(), parentTree.get())) {
            const bool keep = timeOf(commit.get()) >= cutoff || !newerSeen.contains(page->first);
            newerSeen.insert(page->first);
            steps.push_back({ *git_commit_id(commit.get()), page->first, page->second, keep });
        }
        commit = std::move(parent);
    }
    return steps;
}

} // namespace

std::optional<git_oid> withoutVersionsBefore(git_repository* repo, const QDateTime& cutoff)
{
    const std::optional<std::vector<Step>> steps = stepsToKeep(repo, cutoff);
    if (!steps)
        return std::nullopt;
    if (std::all_of(steps->begin(), steps->end(), [](const Step& step) { return step.keep; }))
        return steps->empty() ? git_oid {} : steps->front().commit;
    git::Commit parent;
    git::Tree base;
    for (auto step = steps->rbegin(); step != steps->rend(); ++step) {
        if (!step->keep)
            continue;
        git_commit* raw = nullptr;
        if (git_commit_lookup(&raw, repo, &step->commit) < 0)
            return std::nullopt;
        const git::Commit original(raw);
        const std::optional<git_oid> id = commitPage(repo, parent.get(), base.get(), step->page, step->blob,
            git_commit_committer(original.get()), QByteArray(git_commit_message(original.get())));
        if (!id || git_commit_lookup(&raw, repo, &*id) < 0)
            return std::nullopt;
        parent.reset(raw);
        base = treeOf(parent.get());
    }
    return *git_commit_id(parent.get());
}

} // namespace tabwise::history
