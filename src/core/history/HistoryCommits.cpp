#include "core/history/HistoryCommits.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace tabwise::history {

git::Commit headCommit(git_repository* repo, bool* ok)
{
    git_oid id;
    const int found = git_reference_name_to_id(&id, repo, "HEAD");
    *ok = found == 0 || found == GIT_ENOTFOUND || found == GIT_EUNBORNBRANCH;
    git_commit* commit = nullptr;
    if (found == 0 && git_commit_lookup(&commit, repo, &id) < 0)
        *ok = false;
    if (*ok)
        git_error_clear();
    return git::Commit(commit);
}

git::Tree treeOf(const git_commit* commit)
{
    git_tree* tree = nullptr;
    if (commit)
        git_commit_tree(&tree, commit);
    return git::Tree(tree);
}

git::Commit parentOf(const git_commit* commit)
{
    git_commit* parent = nullptr;
    if (commit && git_commit_parentcount(commit) > 0)
        git_commit_parent(&parent, commit, 0);
    return git::Commit(parent);
}

const git_tree_entry* entryIn(const git_tree* tree, const QByteArray& name)
{
    return tree ? git_tree_entry_byname(tree, name.constData()) : nullptr;
}

std::optional<std::pair<QByteArray, git_oid>> changedPage(const git_tree* tree, const git_tree* parentTree)
{
    for (size_t i = 0; tree && i < git_tree_entrycount(tree); ++i) {
        const git_tree_entry* entry = git_tree_entry_byindex(tree, i);
        const QByteArray name(git_tree_entry_name(entry));
        const git_tree_entry* before = entryIn(parentTree, name);
        if (!before || !git_oid_equal(git_tree_entry_id(before), git_tree_entry_id(entry)))
            return std::pair(name, *git_tree_entry_id(entry));
    }
    return std::nullopt;
}

std::optional<git_oid> commitPage(git_repository* repo, const git_commit* parent, const git_tree* base,
    const QByteArray& name, const git_oid& blob, const git_signature* signature, const QByteArray& message)
{
    git_treebuilder* rawBuilder = nullptr;
    if (git_treebuilder_new(&rawBuilder, repo, base) < 0)
        return std::nullopt;
    const git::TreeBuilder builder(rawBuilder);
    git_oid treeId;
    git_tree* rawTree = nullptr;
    if (git_treebuilder_insert(nullptr, builder.get(), name.constData(), &blob, GIT_FILEMODE_BLOB) < 0
        || git_treebuilder_write(&treeId, builder.get()) < 0 || git_tree_lookup(&rawTree, repo, &treeId) < 0)
        return std::nullopt;
    const git::Tree tree(rawTree);
    git_oid id;
    const git_commit* parents[] = { parent };
    if (git_commit_create(
            &id, repo, nullptr, signature, signature, nullptr, message.constData(), tree.get(), parent ? 1 : 0, parents)
        < 0)
        return std::nullopt;
    return id;
}

bool moveHead(git_repository* repo, const git_oid& commit)
{
    git_reference* head = nullptr;
    if (git_reference_lookup(&head, repo, "HEAD") < 0)
        return false;
    const QByteArray branch = git_reference_type(head) == GIT_REFERENCE_SYMBOLIC
        ? QByteArray(git_reference_symbolic_target(head))
        : QByteArray("HEAD");
    git_reference_free(head);
    git_reference* moved = nullptr;
    const bool ok = git_reference_create(&moved, repo, branch.constData(), &commit, 1, nullptr) == 0;
    git_reference_free(moved);
    return ok;
}

git::Signature signatureAt(const QDateTime& givenTime)
{
    const QDateTime time = givenTime.isValid() ? givenTime : QDateTime::currentDateTime();
    git_signature* signature = nullptr;
    git_signature_new(&signature, "Tabwise", "tabwise@localhost", time.toSecsSinceEpoch(), time.offsetFromUtc() / 60);
    return git::Signature(signature);
}

QDateTime timeOf(const git_commit* commit)
{
    return QDateTime::fromSecsSinceEpoch(git_commit_time(commit), QTimeZone(git_commit_time_offset(commit) * 60));
}

QByteArray messageFor(const QString& cause, const std::optional<LineChanges>& changes)
{
    QString subject = cause.simplified();
    if (subject.isEmpty())
        subject = QStringLiteral("Version");
    QByteArray message = subject.toUtf8() + '\n';
    if (changes)
        message += QStringLiteral("\nLines: +%1 -%2\n").arg(changes->added).arg(changes->removed).toUtf8();
    return message;
}

QString causeOf(git_commit* commit)
{
    return QString::fromUtf8(git_commit_summary(commit));
}

std::optional<LineChanges> changesOf(const git_commit* commit)
{
    static const QRegularExpression line(
        QStringLiteral("^Lines: \\+(\\d+) -(\\d+)$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(QString::fromUtf8(git_commit_message(commit)));
    if (!match.hasMatch())
        return std::nullopt;
    return LineChanges { match.captured(1).toInt(), match.captured(2).toInt() };
}

} // namespace tabwise::history
