#include "core/history/HistoryNewest.h"

#include "core/history/GitHandles.h"
#include "core/history/HistoryCommits.h"
#include <QCryptographicHash>
#include <QFile>

#include <cstdio>

namespace tabwise::history {

namespace {

const QString noteName = QStringLiteral("/tabwise-newest");
constexpr qint64 longestNote = 64 << 10;

QByteArray readSmall(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(longestNote) : QByteArray();
}

// The commit HEAD names, read from the repository's files as git writes them (a branch in a file of
// its own); empty when HEAD is anything else.
QByteArray headId(const QString& path)
{
    const QByteArray head = readSmall(path + QStringLiteral("/HEAD")).trimmed();
    if (!head.startsWith("ref: refs/heads/") || head.contains(".."))
        return {};
    const QByteArray id = readSmall(path + u'/' + QString::fromUtf8(head.mid(5))).trimmed();
    return id.size() == GIT_OID_HEXSZ ? id : QByteArray();
}

} // namespace

QByteArray blobId(const QByteArray& bytes)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData("blob " + QByteArray::number(bytes.size()) + '\0');
    hash.addData(bytes);
    return hash.result().toHex();
}

bool isNewest(const QString& path, const QByteArray& name, const QByteArray& bytes)
{
    const QList<QByteArray> lines = readSmall(path + noteName).split('\n');
    const QByteArray head = headId(path);
    if (head.isEmpty() || lines.first() != head)
        return false;
    for (const QByteArray& line : lines.mid(1)) {
        if (line.size() > GIT_OID_HEXSZ && line.at(GIT_OID_HEXSZ) == ' ' && line.mid(GIT_OID_HEXSZ + 1) == name)
            return line.first(GIT_OID_HEXSZ) == blobId(bytes);
    }
    return false;
}

void noteNewest(const QString& path, const git_commit* commit)
{
    const git::Tree tree = treeOf(commit);
    if (!tree)
        return;
    QByteArray note = git::toHex(*git_commit_id(commit)) + '\n';
    for (size_t i = 0; i < git_tree_entrycount(tree.get()); ++i) {
        const git_tree_entry* entry = git_tree_entry_byindex(tree.get(), i);
        note += git::toHex(*git_tree_entry_id(entry)) + ' ' + git_tree_entry_name(entry) + '\n';
    }
    // Put in place whole, without waiting for the disk: after a crash the note may be an older one,
    // or empty, and is then not believed. Without it the next start reads the repository.
    QFile file(path + noteName + QStringLiteral(".new"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const bool written = file.write(note) == note.size();
    file.close();
    if (!written
        || std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path + noteName).constData())
            != 0)
        file.remove();
}

} // namespace tabwise::history
