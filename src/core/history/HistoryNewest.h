#pragma once

#include <git2.h>

#include <QByteArray>
#include <QString>

// A note of what the history's newest commit holds, kept among the repository's own files (git
// leaves files it does not know alone): the commit's id, then the id of each page's bytes in it. A
// start whose pages have not changed finds so from the note, without opening the repository or
// loading libgit2. The note counts only while HEAD names the commit it names, so a history rewritten
// by pruning or by a git tool is read from the repository again.
namespace tabwise::history {

// git's id for BYTES kept as a file's content (a blob), 40 hexadecimal digits.
QByteArray blobId(const QByteArray& bytes);

// True when the note of the repository at PATH says that BYTES are the newest version of page NAME.
bool isNewest(const QString& path, const QByteArray& name, const QByteArray& bytes);

// Writes the note for COMMIT, the newest commit of the repository at PATH.
void noteNewest(const QString& path, const git_commit* commit);

} // namespace tabwise::history
